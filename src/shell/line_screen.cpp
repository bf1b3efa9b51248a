#include "shell/line_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <optional>

#include "analyses/chilled/chilled_analyses.h"
#include "analyses/hot/hot_analyses.h"
#include "charts/analysis.h"
#include "charts/chart_background.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "model/app_state.h"
#include "model/refusal_texts.h"
#include "print/print_job.h"
#include "shell/chart_selector.h"
#include "shell/line_screen_chart.h"
#include "shell/line_screen_panel.h"
#include "shell/line_screen_readout.h"
#include "shell/local_conditions_dialog.h"
#include "toolkit/canvas_state.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"

namespace qora {

namespace {

constexpr int kStripHeight = 52;
// Smallest picture (pixels each way) a chart is drawn on.
constexpr int kMinPicture = 100;

QString Caption(const AppState& s, const char* name, const char* fallback) {
  QString text = s.lang.caption(QStringLiteral("QORAForm.") + QString::fromLatin1(name));
  if (text.startsWith(u'-')) text.remove(0, 1);
  return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

}  // namespace

struct LineScreen::Private {
  AppState& state;
  const ChartScreenNames& names;
  const std::vector<AnalysisDef>& analyses;
  ChartSelector& selector;

  QLabel* title = nullptr;
  ChartView* chart = nullptr;
  QPushButton* menu = nullptr;
  QPushButton* print = nullptr;
  QPushButton* table = nullptr;
  std::vector<LinePanel*> panels;  // by selector; nullptr for an analysis without a panel
  ReadoutMarker* marker = nullptr;
  QLabel* label = nullptr;

  int screenWidth = 0;  // 0 until opened: the picture's own width is used
  std::optional<ChartData> last;
  QString refusal;  // why the page holds no chart, when an analysis is selected
  PixelTables pixels;
  ChartLayout layout;
  bool pictureValid = false;

  Private(AppState& s, const ChartScreenNames& n, const std::vector<AnalysisDef>& a,
          ChartSelector& sel)
      : state(s), names(n), analyses(a), selector(sel) {}

  // The analysis of selector n (1..); nullptr for no selection.
  const AnalysisDef* analysis(int n) const {
    if (n < 1 || n > static_cast<int>(analyses.size())) return nullptr;
    return &analyses[static_cast<size_t>(n - 1)];
  }

  ChartLayout layoutFor(QSize picture) const {
    // Laid out for the screen, but never wider than the view that shows it (a window
    // narrower than the screen would otherwise cut the chart off).
    const int view = chart->width();
    const int width = screenWidth > 0 ? std::min(screenWidth, view) : view;
    return LayoutFromScreen(width, picture.height());
  }

  // Paints a fresh picture of the view's size with `paint`. A view too small to hold a
  // chart (not laid out yet) gets no picture: a layout of a few pixels would only give
  // degenerate scales; the next resize draws the chart.
  template <class Paint>
  void paintPicture(Paint&& paint) {
    const QSize size = chart->pictureSize();
    pictureValid = size.width() >= kMinPicture && size.height() >= kMinPicture;
    QImage image;
    pixels = PixelTables{};
    if (pictureValid) {
      image = QImage(size, QImage::Format_RGB32);
      image.fill(Qt::white);
      layout = layoutFor(size);
      ImageCanvas canvas(image);
      paint(canvas);
    }
    chart->image() = std::move(image);
    hideReadout();
    chart->update();
    print->setEnabled(last.has_value());  // nothing to print without a chart
  }

  void draw(const ChartData& data) {
    last = data;
    refusal.clear();
    paintPicture([&](Canvas& c) { pixels = DrawScreenChart(c, layout, state, data); });
  }

  // Computes analysis n and draws it when its inputs pass. Refused inputs leave no chart
  // standing: the empty page says which input is refused. True when drawn.
  bool computeAndDraw(int n) {
    const AnalysisDef* def = analysis(n);
    if (!def) return false;
    const ComputeResult r = ComputeChart(*def, state);
    if (!r.drawn) {
      drawEmpty(RefusalText(state, r.refusal));
      return false;
    }
    draw(r.data);
    return true;
  }

  // The empty chart page, with a line saying why there is no chart (none while no
  // analysis is selected); there is no last chart to read out or print.
  void drawEmpty(const QString& why = {}) {
    last.reset();
    refusal = why;
    paintPicture([&](Canvas& c) {
      DrawChartBackground(c, layout, BrandPicturesFor(state));
      if (why.isEmpty()) return;
      SetPicFont(c, state.lang.Font(1), layout.ChartFontSize + 2, kRegular, kRed);
      SetPicBrush(c, kWhite, BrushStyle::Clear);
      PicText(c, HAlign::Centre, VAlign::Middle, why, layout.PlotLeft + layout.PlotWidth / 2.0,
              layout.PlotTop + layout.PlotHeight / 2.0);
    });
  }

  void hideReadout() {
    marker->hide();
    label->hide();
  }

  void readOut(QPoint mouse) {
    if (!last || !pictureValid) return hideReadout();
    const Readout hit = FindReadout(*last, pixels, layout, state, mouse);
    if (!hit.shown) return hideReadout();
    label->setText(hit.text);
    const QPoint offset(names.readoutOffset, names.readoutOffset);
    const ReadoutPlacement at =
        PlaceReadout(hit.point, chart->pictureOrigin() + offset, label->sizeHint());
    marker->move(at.marker.topLeft());
    label->setGeometry(at.label);
    marker->show();
    label->show();
    marker->raise();
    label->raise();
  }
};

LineScreen::LineScreen(AppState& state, const ChartScreenNames& names,
                       const std::vector<AnalysisDef>& analyses, ChartSelector& selector,
                       QWidget* parent)
    : Screen(parent), d_(new Private(state, names, analyses, selector)) {
  setObjectName(QString::fromLatin1(names.screen));
  useOwnColours();
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  d_->title = new QLabel(this);
  d_->title->setObjectName(QString::fromLatin1(d_->names.title));
  d_->title->setAlignment(Qt::AlignCenter);
  // At least 26 pixels, taller where the edition's face needs it (Thai marks above and
  // below the line).
  d_->title->setMinimumHeight(26);
  d_->title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  d_->title->setStyleSheet(
      "QLabel { background: #000080; color: white; font-weight: bold; font-size: 11pt; }");
  column->addWidget(d_->title);

  d_->chart = new ChartView(this);
  d_->chart->setObjectName(QString::fromLatin1(names.image));
  column->addWidget(d_->chart, 1);

  auto* strip = new QFrame(this);
  strip->setObjectName(QString::fromLatin1(names.strip));
  strip->setFrameShape(QFrame::StyledPanel);
  // The strip keeps its height unless a panel's captions need more (a taller script).
  strip->setMinimumHeight(kStripHeight);
  strip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  QPalette stripPal = palette();
  stripPal.setColor(QPalette::Window, QColor(0xE9, 0xEE, 0xF4));
  strip->setPalette(stripPal);
  strip->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(4);
  const auto button = [&](const char* name) {
    auto* b = new QPushButton(strip);
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::NoFocus);
    row->addWidget(b);
    return b;
  };
  d_->menu = button(d_->names.menu);
  d_->print = button(d_->names.print);
  d_->table = button(d_->names.table);
  d_->panels.assign(analyses.size(), nullptr);
  for (std::size_t i = 0; i < analyses.size(); ++i) {
    if (!analyses[i].panel) continue;
    auto* panel = new LinePanel(state, *analyses[i].panel, strip);
    panel->hide();
    row->addWidget(panel);
    d_->panels[i] = panel;
    const int n = static_cast<int>(i) + 1;
    // An edit redraws its own analysis at once.
    connect(panel, &LinePanel::edited, this, [this, n] {
      if (d_->computeAndDraw(n)) emit chartDrawn();
    });
  }
  row->addStretch(1);
  column->addWidget(strip);

  d_->marker = new ReadoutMarker(this);
  d_->label = new QLabel(this);
  d_->label->setObjectName(QString::fromLatin1(names.pointLabel));
  d_->label->setAttribute(Qt::WA_TransparentForMouseEvents);
  d_->label->setStyleSheet(
      "QLabel { background: red; color: white; border: 1px solid black; padding: 0 2px; }");
  d_->label->hide();

  d_->chart->onMouseMove = [this](QPoint p) { d_->readOut(p); };
  d_->chart->onLeave = [this] { d_->hideReadout(); };
  d_->chart->onResize = [this] {
    // The picture follows the view; the last chart is drawn again, not recomputed.
    if (!isVisible()) return;
    if (!d_->last) {
      d_->drawEmpty(d_->refusal);
    } else {
      const ChartData data = *d_->last;
      d_->draw(data);
    }
  };

  connect(d_->menu, &QPushButton::clicked, this, [this] {
    d_->selector.selectorWindow().show();
    d_->selector.selectorWindow().raise();
  });
  connect(d_->print, &QPushButton::clicked, this, &LineScreen::printRequested);
  connect(d_->table, &QPushButton::clicked, this, &LineScreen::tableRequested);
  selector.onSelectionChanged = [this](bool chosen) {
    if (chosen) {
      for (LinePanel* p : d_->panels) {
        if (p) p->hide();
      }
    }
    refresh();
  };

  setUpPanels();
}

LineScreen::~LineScreen() {
  delete d_;
}

void LineScreen::open(int screenWidth) {
  d_->screenWidth = screenWidth;
  QFont font;
  font.setFamilies(FontFamilies(QString::fromLatin1(kMonoFace)));
  font.setBold(true);
  font.setPointSize(LayoutFromScreen(screenWidth).ChartFontSize);
  d_->label->setFont(font);
  d_->selector.selectorWindow().show();
  if (layout()) layout()->activate();
  refresh();
}

void LineScreen::refresh() {
  if (!isVisible()) return;
  const int n = d_->selector.selectedAnalysis();
  if (d_->analysis(n)) {
    if (LinePanel* panel = d_->panels[static_cast<std::size_t>(n - 1)]) {
      panel->show();
      panel->setReady(true);
    }
    if (d_->computeAndDraw(n)) emit chartDrawn();
  } else {
    d_->drawEmpty();
  }
  setUpPanels();
}

void LineScreen::setUpPanels() {
  const ChartScreenNames& n = d_->names;
  d_->title->setText(Caption(d_->state, n.title, n.titleFallback));
  d_->menu->setText(Caption(d_->state, n.menu, "MENU"));
  d_->print->setText(Caption(d_->state, n.print, "PRINT Graph"));
  d_->table->setText(Caption(d_->state, n.table, "TABLE Data"));
  for (LinePanel* p : d_->panels) {
    if (p) p->setUp();
  }
}

void LineScreen::leave() {
  d_->selector.selectorWindow().hide();
}

const ChartData* LineScreen::lastChart() const {
  return d_->last ? &*d_->last : nullptr;
}

QString LineScreen::refusalText() const {
  return d_->refusal;
}

ChartSelector& LineScreen::selector() const {
  return d_->selector;
}

const QImage& LineScreen::chartImage() const {
  return d_->chart->image();
}

namespace {

const ChartScreenNames kChilledNames = {"ChillPanel",
                                        "ChillText",
                                        "Chilled Water Calculation",
                                        "ChillImage",
                                        "ChillHeadPanel",
                                        "ChillMenuBitBtn",
                                        "ChillPrintBitBtn",
                                        "ChillTableBitBtn",
                                        "ChillPtLabel",
                                        0};
const ChartScreenNames kHotNames = {
    "HotPanel",      "HotText",        "Hot Water Calculation", "HotImage",   "HotHeadPanel",
    "HotMenuBitBtn", "HotPrintBitBtn", "HotTableBitBtn",        "HotPtLabel", 0};

}  // namespace

LineScreen* MakeLineScreen(AppState& state, LineKind kind, QWidget* dialogParent, QWidget* parent) {
  auto* dialog = new LocalConditionsDialog(state, kind, dialogParent);
  auto* screen = new LineScreen(state, kind == LineKind::Chilled ? kChilledNames : kHotNames,
                                kind == LineKind::Chilled ? ChilledAnalyses() : HotAnalyses(),
                                *dialog, parent);
  // Without a window to belong to, the dialog belongs to the screen (and goes with it).
  if (!dialogParent) dialog->setParent(screen, dialog->windowFlags());
  QObject::connect(screen, &LineScreen::printRequested, screen,
                   [screen, &state] { PrintChart(screen, screen->lastChart(), state); });
  return screen;
}

LocalConditionsDialog& LocalDialogOf(const LineScreen& screen) {
  return static_cast<LocalConditionsDialog&>(screen.selector());
}

void LineScreen::afterSettingsLoad() {
  d_->selector.syncFromSettings();
  setUpPanels();
  refresh();
}

void LineScreen::relabelUnits(int oldSystem) {
  d_->selector.relabelUnits(oldSystem);
  setUpPanels();
}

void LineScreen::applyFactorBy() {
  d_->selector.applyFactorBy();
}

}  // namespace qora
