// The graphical main menu: the background picture, ten buttons on the left and the
// description of the item under the mouse, drawn 10 ms after the last hover change.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

class QTimer;

namespace qora {

struct AppState;

// Geometry of the menu for a screen of W x H pixels (halves rounded to even).
struct MenuGeometry {
  static constexpr int kItems = 10;
  static constexpr int kNone = 99;

  QRect buttons;          // BtnImage: docked at the left edge, full height
  QRect description;      // DescImage
  int menuFontSize = 10;  // points, of item and description texts
  int menuTop = 10;       // y of the first item's top edge in the button picture
  int menuWidth = 100;
  int itemHeight = 25;
  int itemPitch = 28;

  static MenuGeometry ForScreen(int width, int height);
  int itemTop(int i) const { return i * itemPitch + menuTop; }
  // The item whose button strictly contains y (y in the button picture); kNone otherwise.
  // A y on an item's top or bottom edge is not a hit.
  int hitTest(int y) const;
};

// Section of the menu file and line step of each item's description (v = W / 100).
struct DescriptionLayout {
  const char* key;
  int top;
  int step;
};
DescriptionLayout DescriptionFor(int item, int screenWidth);

class MainMenu : public QWidget {
  Q_OBJECT
 public:
  explicit MainMenu(AppState& state, QWidget* parent = nullptr);

  // Geometry, button picture and background for the current size.
  void layoutForSize();
  // The start page of the description: yellow, with the "@IMPORTANT" section.
  void showImportant();
  int menuSel() const { return menuSel_; }
  const MenuGeometry& geometry() const { return geo_; }
  // Point size of the item texts (two points larger for language 3).
  int itemPointSize() const;
  // Item whose description is drawn now (MenuGeometry::kNone before any, -1 for the
  // start page) and how many descriptions were drawn so far.
  int describedItem() const { return described_; }
  int descriptionDraws() const { return draws_; }
  const QImage& buttonImage() const { return buttons_; }
  const QImage& descriptionImage() const { return desc_; }
  // Hover at y of the button picture (what a mouse move over the buttons does).
  void hoverAt(int y);

 signals:
  void itemChosen(int item);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void drawItem(int i, bool highlighted);
  void drawButtons();
  void drawDescription();
  // Draws the lines of a menu-file section, each with its bottom edge at top + i * step.
  void drawSection(QPainter& p, const char* key, int x, int top, int step);

  AppState& state_;
  MenuGeometry geo_;
  QImage background_;
  QImage buttonPicture_;
  QImage buttons_;
  QImage desc_;
  QTimer* timer_ = nullptr;
  int menuSel_ = MenuGeometry::kNone;
  int described_ = MenuGeometry::kNone;
  int draws_ = 0;
};

}  // namespace qora
