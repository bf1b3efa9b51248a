// One screen for the three reference documents (catalogue, appendix, conversion): the
// chapter tabs, the whole page of the chapter in a scroll area (scroll bars or dragging),
// the catalogue's print button and the appendix's psychrometric calculator. A page is
// drawn afresh from the language files each time the screen opens or the tab changes.
#pragma once

#include "documents/document_render.h"
#include "shell/screen.h"

class QPushButton;
class QTabBar;

namespace qora {

struct AppState;
class DocumentPageView;
class PsychroPanel;

class DocumentScreen : public Screen {
  Q_OBJECT
 public:
  DocumentScreen(AppState& state, DocumentKind kind, QWidget* parent = nullptr);

  // Screen: draws the current tab's chapter, at the top, laid out for a screen
  // `screenWidth` pixels wide (the base font size); the appendix also recomputes its
  // calculator.
  void open(int screenWidth) override;
  // A new unit system: the calculator's unit labels and answers (the pages themselves do
  // not depend on the units).
  void relabelUnits(int oldSystem) override;

  DocumentKind kind() const { return kind_; }
  QTabBar& tabs() const { return *tabs_; }
  DocumentPageView& pageView() const { return *view_; }
  // The appendix's calculator; nullptr on the other documents.
  PsychroPanel* calculator() const { return calculator_; }
  // The catalogue's print button; nullptr on the other documents.
  QPushButton* printButton() const { return print_; }

 signals:
  // A chapter was drawn (after open or a tab change).
  void pageDrawn(int tab);

 protected:
  // A view that changes width gets the page laid out for its new width.
  void resizeEvent(QResizeEvent* event) override;

 private:
  int pageWidth() const;
  void drawPage();
  void printPage();

  AppState& state_;
  DocumentKind kind_;
  int screenWidth_ = 0;
  QTabBar* tabs_ = nullptr;
  QPushButton* print_ = nullptr;
  PsychroPanel* calculator_ = nullptr;
  DocumentPageView* view_ = nullptr;
};

}  // namespace qora
