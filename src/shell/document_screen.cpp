#include "shell/document_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "documents/page_sources.h"
#include "model/app_state.h"
#include "print/catalogue_printout.h"
#include "shell/document_page_view.h"
#include "shell/language_apply.h"
#include "shell/psychro_panel.h"

namespace qora {

namespace {

// Component names of the three documents, as the message file knows them.
struct Names {
  const char* panel;
  const char* tabs;
  const char* image;
};

Names NamesOf(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::Catalogue:
      return {"PRODPanel", "PRODTabControl", "PRODImage"};
    case DocumentKind::Appendix:
      return {"APDXPanel", "APDXTabControl", "APDXImage"};
    case DocumentKind::Conversion:
      break;
  }
  return {"CONVPanel", "CONVTabControl", "CONVImage"};
}

}  // namespace

DocumentScreen::DocumentScreen(AppState& state, DocumentKind kind, QWidget* parent)
    : Screen(parent), state_(state), kind_(kind) {
  const Names names = NamesOf(kind);
  setObjectName(QString::fromLatin1(names.panel));
  useOwnColours();

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 4, 0);
  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QString::fromLatin1(names.tabs));
  tabs_->setExpanding(false);
  tabs_->setUsesScrollButtons(true);
  tabs_->setFocusPolicy(Qt::NoFocus);
  for (const QString& title : ChapterTitles(state_.lang, kind)) tabs_->addTab(title.trimmed());
  top->addWidget(tabs_, 1);
  if (kind == DocumentKind::Catalogue) {
    print_ = new QPushButton(this);
    print_->setObjectName("PRODPrintBitBtn");
    print_->setFocusPolicy(Qt::NoFocus);
    top->addWidget(print_);
    connect(print_, &QPushButton::clicked, this, &DocumentScreen::printPage);
  }
  column->addLayout(top);
  if (kind == DocumentKind::Appendix) {
    calculator_ = new PsychroPanel(state_, this);
    column->addWidget(calculator_);
  }
  view_ = new DocumentPageView(this);
  view_->setObjectName(QString::fromLatin1(names.image));
  column->addWidget(view_, 1);

  ApplyLanguage(*this, state_.lang, QStringLiteral("QORAForm"));
  if (print_) {
    const QString hint = state_.lang.hint(QStringLiteral("QORAForm.PRODPrintBitBtn"));
    print_->setText(hint.isEmpty() ? QStringLiteral("Print") : hint);
  }
  if (calculator_) calculator_->relabelUnits();
  connect(tabs_, &QTabBar::currentChanged, this, [this] { drawPage(); });
}

void DocumentScreen::open(int screenWidth) {
  screenWidth_ = screenWidth;
  if (layout()) layout()->activate();
  if (calculator_) calculator_->relabelUnits();
  drawPage();
}

void DocumentScreen::relabelUnits(int /*oldSystem*/) {
  if (calculator_) calculator_->relabelUnits();
}

int DocumentScreen::pageWidth() const {
  const int screen = screenWidth_ > 0 ? screenWidth_ : width();
  // Room for the vertical scroll bar whether or not the last page needed one.
  const int view =
      view_->width() - 2 * view_->frameWidth() - view_->verticalScrollBar()->sizeHint().width();
  return std::min(PageWidthForScreen(screen), std::max(view, 1));
}

void DocumentScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!isVisible() || view_->page().isNull()) return;
  if (layout()) layout()->activate();
  if (std::max(pageWidth(), kMinPageWidth) != view_->page().width()) drawPage();
}

void DocumentScreen::drawPage() {
  const int tab = tabs_->currentIndex();
  if (tab < 0) return;
  // The page fits the view's width, laid out for the screen the program runs on.
  const int screen = screenWidth_ > 0 ? screenWidth_ : width();
  if (print_) print_->setEnabled(false);
  PageSources src(state_);
  view_->setPage(RenderDocumentImage(src, kind_, tab, screen, pageWidth()));
  if (print_) print_->setEnabled(true);
  emit pageDrawn(tab);
}

void DocumentScreen::printPage() {
  PrintCatalogue(this, state_, tabs_->currentIndex());
}

}  // namespace qora
