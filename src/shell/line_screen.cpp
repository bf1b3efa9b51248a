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
#include "shell/line_screen_chart.h"
#include "shell/line_screen_panel.h"
#include "shell/line_screen_readout.h"
#include "shell/local_conditions_dialog.h"
#include "toolkit/canvas_state.h"
#include "toolkit/image_canvas.h"

namespace qora {

namespace {

constexpr int kStripHeight = 52;
// Smallest picture (pixels each way) a chart is drawn on.
constexpr int kMinPicture = 100;

// Component names and layout captions that differ between the two screens.
struct ScreenNames {
  const char* title;
  const char* titleFallback;
  const char* menu;
  const char* print;
  const char* table;
  AnalysisId first;
};

const ScreenNames& NamesOf(LineKind kind) {
  static const ScreenNames chilled = {"ChillText",        "Chilled Water Calculation",
                                      "ChillMenuBitBtn",  "ChillPrintBitBtn",
                                      "ChillTableBitBtn", AnalysisId::ChilledKConst};
  static const ScreenNames hot = {"HotText",        "Hot Water Calculation", "HotMenuBitBtn",
                                  "HotPrintBitBtn", "HotTableBitBtn",        AnalysisId::HotKConst};
  return kind == LineKind::Chilled ? chilled : hot;
}

QString Caption(const AppState& s, const char* name, const char* fallback) {
  QString text = s.lang.caption(QStringLiteral("QORAForm.") + QString::fromLatin1(name));
  if (text.startsWith(u'-')) text.remove(0, 1);
  return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

}  // namespace

struct LineScreen::Private {
  AppState& state;
  LineKind kind;
  LocalConditionsDialog& dialog;
  const ScreenNames& names;
  const std::vector<AnalysisDef>& analyses;

  QLabel* title = nullptr;
  ChartView* chart = nullptr;
  QPushButton* menu = nullptr;
  QPushButton* print = nullptr;
  QPushButton* table = nullptr;
  std::array<LinePanel*, 8> panels{};
  ReadoutMarker* marker = nullptr;
  QLabel* label = nullptr;

  int screenWidth = 0;  // 0 until opened: the picture's own width is used
  std::optional<ChartData> last;
  PixelTables pixels;
  ChartLayout layout;
  bool pictureValid = false;

  Private(AppState& s, LineKind k, LocalConditionsDialog& d)
      : state(s),
        kind(k),
        dialog(d),
        names(NamesOf(k)),
        analyses(k == LineKind::Chilled ? ChilledAnalyses() : HotAnalyses()) {}

  // The analysis of selector n (1..8); nullptr while its definition is not there.
  const AnalysisDef* analysis(int n) const {
    if (n < 1 || n > 8) return nullptr;
    const auto id = static_cast<AnalysisId>(static_cast<int>(names.first) + n - 1);
    for (const AnalysisDef& a : analyses) {
      if (a.id == id) return &a;
    }
    return nullptr;
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
  }

  void draw(const ChartData& data) {
    last = data;
    paintPicture([&](Canvas& c) { pixels = DrawScreenChart(c, layout, state, data); });
  }

  // Computes analysis n and draws it when its inputs pass; a refusal leaves the previous
  // chart (picture and data) as it is. True when drawn.
  bool computeAndDraw(int n) {
    const AnalysisDef* def = analysis(n);
    if (!def) return false;
    const ComputeResult r = ComputeChart(*def, state);
    if (!r.drawn) return false;
    draw(r.data);
    return true;
  }

  // The empty chart page: shown while no analysis is selected; there is no last chart.
  void drawEmpty() {
    last.reset();
    paintPicture([&](Canvas& c) { DrawChartBackground(c, layout, BrandPicturesFor(state)); });
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
    const ReadoutPlacement at = PlaceReadout(hit.point, chart->pictureOrigin(), label->sizeHint());
    marker->move(at.marker.topLeft());
    label->setGeometry(at.label);
    marker->show();
    label->show();
    marker->raise();
    label->raise();
  }
};

LineScreen::LineScreen(AppState& state, LineKind kind, LocalConditionsDialog& dialog,
                       QWidget* parent)
    : QWidget(parent), d_(new Private(state, kind, dialog)) {
  setObjectName(kind == LineKind::Chilled ? "ChillPanel" : "HotPanel");
  // Colours of our own: the window that holds the screens may paint itself dark.
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  d_->title = new QLabel(this);
  d_->title->setObjectName(QString::fromLatin1(d_->names.title));
  d_->title->setAlignment(Qt::AlignCenter);
  d_->title->setFixedHeight(26);
  d_->title->setStyleSheet(
      "QLabel { background: #000080; color: white; font-weight: bold; font-size: 11pt; }");
  column->addWidget(d_->title);

  d_->chart = new ChartView(this);
  d_->chart->setObjectName(kind == LineKind::Chilled ? "ChillImage" : "HotImage");
  column->addWidget(d_->chart, 1);

  auto* strip = new QFrame(this);
  strip->setObjectName(kind == LineKind::Chilled ? "ChillHeadPanel" : "HotHeadPanel");
  strip->setFrameShape(QFrame::StyledPanel);
  strip->setFixedHeight(kStripHeight);
  QPalette stripPal = pal;
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
  for (std::size_t i = 0; i < d_->analyses.size() && i < d_->panels.size(); ++i) {
    auto* panel = new LinePanel(state, *d_->analyses[i].panel, strip);
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
  d_->label->setObjectName(kind == LineKind::Chilled ? "ChillPtLabel" : "HotPtLabel");
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
      if (d_->dialog.selectedAnalysis() == 0) d_->drawEmpty();
    } else {
      const ChartData data = *d_->last;
      d_->draw(data);
    }
  };

  connect(d_->menu, &QPushButton::clicked, this, [this] {
    d_->dialog.show();
    d_->dialog.raise();
  });
  connect(d_->print, &QPushButton::clicked, this, &LineScreen::printRequested);
  connect(d_->table, &QPushButton::clicked, this, &LineScreen::tableRequested);
  connect(&dialog, &LocalConditionsDialog::analysisChosen, this, [this] {
    for (LinePanel* p : d_->panels) p->hide();
    refresh();
  });
  connect(&dialog, &LocalConditionsDialog::conditionsChanged, this, &LineScreen::refresh);

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
  d_->dialog.show();
  if (layout()) layout()->activate();
  refresh();
}

void LineScreen::refresh() {
  if (!isVisible()) return;
  const int n = d_->dialog.selectedAnalysis();
  if (n >= 1 && n <= 8) {
    LinePanel* panel = d_->panels[static_cast<std::size_t>(n - 1)];
    panel->show();
    panel->setReady(true);
    if (d_->computeAndDraw(n)) emit chartDrawn();
  } else {
    d_->drawEmpty();
  }
  setUpPanels();
}

void LineScreen::setUpPanels() {
  const ScreenNames& n = d_->names;
  d_->title->setText(Caption(d_->state, n.title, n.titleFallback));
  d_->menu->setText(Caption(d_->state, n.menu, "MENU"));
  d_->print->setText(Caption(d_->state, n.print, "PRINT Graph"));
  d_->table->setText(Caption(d_->state, n.table, "TABLE Data"));
  for (LinePanel* p : d_->panels) p->setUp();
}

const ChartData* LineScreen::lastChart() const {
  return d_->last ? &*d_->last : nullptr;
}

LineKind LineScreen::kind() const {
  return d_->kind;
}

const QImage& LineScreen::chartImage() const {
  return d_->chart->image();
}

}  // namespace qora
