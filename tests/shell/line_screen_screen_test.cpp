// The line screens with the shipped data and their real analyses: refresh draws the
// selected chart, edits redraw at once, refused inputs and panel set-ups leave the picture
// alone, and the read-out point follows the mouse over the drawn points.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "analyses/chilled/chilled_analyses.h"
#include "analyses/hot/hot_analyses.h"
#include "charts/chart_drawers.h"
#include "model/app_state.h"
#include "print/print_job.h"
#include "shell/line_screen.h"
#include "shell/line_screen_panel.h"
#include "shell/local_conditions_dialog.h"
#include "test_support.h"
#include "toolkit/image_canvas.h"

namespace qora {
namespace {

constexpr int kScreenW = 1024, kScreenH = 768;

struct ScreenTest : ::testing::TestWithParam<LineKind> {
  test::TempHome home;
  AppState state;
  std::unique_ptr<LineScreen> screen;
  LocalConditionsDialog* dialog = nullptr;

  void SetUp() override { make(GetParam()); }

  void make(LineKind kind) {
    for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN", "QDTgraph"}) {
      home.copyShipped(f);
    }
    LoadProgramState(state, home.path());
    screen.reset(MakeLineScreen(state, kind, nullptr, nullptr));
    dialog = &LocalDialogOf(*screen);
    screen->resize(kScreenW, kScreenH - 52);  // the main window's bottom bar takes the rest
    screen->show();
    screen->open(kScreenW);
  }
  const char* section() const { return GetParam() == LineKind::Chilled ? kSecChilled : kSecHot; }
  AnalysisId first() const {
    return GetParam() == LineKind::Chilled ? AnalysisId::ChilledKConst : AnalysisId::HotKConst;
  }
  void choose(int n) {
    dialog->setSelectedAnalysis(n);
    emit dialog->analysisChosen();
  }
  template <class W>
  W* find(const QString& name) {
    W* w = screen->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  QString prefix() const { return GetParam() == LineKind::Chilled ? "Chill" : "Hot"; }
};

TEST_P(ScreenTest, RefreshDrawsEachSelectedAnalysisWithTheShippedDefaults) {
  QSignalSpy drawn(screen.get(), &LineScreen::chartDrawn);
  for (int n = 1; n <= 8; ++n) {
    choose(n);
    ASSERT_NE(screen->lastChart(), nullptr) << n;
    EXPECT_EQ(screen->lastChart()->analysis,
              static_cast<AnalysisId>(static_cast<int>(first()) + n - 1));
    EXPECT_EQ(drawn.count(), n);
    // Only the chosen panel is shown.
    int shown = 0;
    for (LinePanel* p : screen->findChildren<LinePanel*>()) shown += p->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 1) << n;
  }
  // All selectors up: the empty chart page, no last chart, no panel.
  choose(0);
  EXPECT_EQ(screen->lastChart(), nullptr);
  EXPECT_EQ(screen->chartImage().pixel(screen->chartImage().width() / 2, 100) | 0xFF000000u,
            0xFFFFFFFFu);
}

TEST_P(ScreenTest, EditingAnInputWritesTheSettingAndRedrawsAtOnce) {
  choose(3);  // surface temperature: largest thickness edit
  QSignalSpy drawn(screen.get(), &LineScreen::chartDrawn);
  const QImage before = screen->chartImage();
  auto* th = find<QLineEdit>(prefix() + "TsufThEdit");
  th->selectAll();
  QTest::keyClicks(th, "4");
  EXPECT_EQ(state.settings.text(section(), "Tsurface_Thc"), "4");
  EXPECT_EQ(drawn.count(), 1);
  EXPECT_NE(screen->chartImage(), before);
  // The curve now reaches the new largest thickness (4 in.).
  EXPECT_REAL_NEAR(screen->lastChart()->curveX[40], 4, 1e-9);
}

TEST_P(ScreenTest, RefusedInputsLeaveNoChartStandingAndSayWhy) {
  choose(1);  // thickness over a range of pipe sizes
  const QImage before = screen->chartImage();
  auto* print = find<QPushButton>(prefix() + "PrintBitBtn");
  EXPECT_TRUE(print->isEnabled());
  QSignalSpy drawn(screen.get(), &LineScreen::chartDrawn);
  auto* from = find<QComboBox>(prefix() + "kConstPpSzFrComboBox");
  auto* to = find<QComboBox>(prefix() + "kConstPpSzToComboBox");
  from->setCurrentIndex(6);
  to->setCurrentIndex(2);  // to-size below from-size: refused
  EXPECT_EQ(drawn.count(), 0);
  // The old chart does not stand under inputs it was not computed from.
  EXPECT_EQ(screen->lastChart(), nullptr);
  EXPECT_NE(screen->chartImage(), before);
  EXPECT_EQ(screen->refusalText(), "The first pipe size must not come after the last");
  EXPECT_FALSE(print->isEnabled());
  EXPECT_EQ(state.settings.integer(section(), "k_Const_PpSzFrom"), 6);  // the input is kept
  to->setCurrentIndex(8);                                               // in order again: drawn
  EXPECT_EQ(drawn.count(), 1);
  ASSERT_NE(screen->lastChart(), nullptr);
  EXPECT_EQ(screen->lastChart()->sizeFrom, 7);
  EXPECT_EQ(screen->lastChart()->sizeTo, 9);
  EXPECT_TRUE(screen->refusalText().isEmpty());
  EXPECT_TRUE(print->isEnabled());

  // An empty ambient temperature refuses every chart, from the dialog's refresh as well.
  state.settings.setText(section(), "Tdb", "");
  screen->refresh();
  EXPECT_EQ(drawn.count(), 1);
  EXPECT_EQ(screen->lastChart(), nullptr);
  EXPECT_EQ(screen->refusalText(), "Room temperature is empty");
}

TEST_P(ScreenTest, PanelSetUpAndUnitSwitchDrawOnlyOnTheRefresh) {
  choose(4);  // along a line
  auto* size = find<QComboBox>(prefix() + "TlnPpSzComboBox");
  size->setCurrentIndex(5);
  QSignalSpy drawn(screen.get(), &LineScreen::chartDrawn);
  screen->setUpPanels();
  EXPECT_EQ(drawn.count(), 0);
  state.settings.setUnitSystem(2);
  screen->setUpPanels();
  EXPECT_EQ(drawn.count(), 0);
  EXPECT_EQ(size->currentIndex(), 5);
  EXPECT_EQ(size->currentText(), PipeSizeNames(state.params, state.settings.pipeType(), 2)[5]);
  screen->refresh();
  EXPECT_EQ(drawn.count(), 1);
  EXPECT_EQ(screen->lastChart()->unitSystem, 2);
}

TEST_P(ScreenTest, AHiddenScreenDrawsNothing) {
  choose(6);
  QSignalSpy drawn(screen.get(), &LineScreen::chartDrawn);
  screen->hide();
  choose(7);
  emit dialog->conditionsChanged();
  EXPECT_EQ(drawn.count(), 0);
  EXPECT_EQ(screen->lastChart()->analysis, static_cast<AnalysisId>(static_cast<int>(first()) + 5));
}

TEST_P(ScreenTest, ButtonsAskForPrintAndTableAndShowTheDialogAgain) {
  choose(3);  // a chart to print
  QSignalSpy print(screen.get(), &LineScreen::printRequested);
  QSignalSpy table(screen.get(), &LineScreen::tableRequested);
  QTemporaryDir jobs;  // the print job writes a PDF there instead of asking for a printer
  SetPrintToDirectory(jobs.path());
  find<QPushButton>(prefix() + "PrintBitBtn")->click();
  SetPrintToDirectory(QString());
  find<QPushButton>(prefix() + "TableBitBtn")->click();
  EXPECT_EQ(print.count(), 1);
  EXPECT_EQ(table.count(), 1);
  EXPECT_EQ(QDir(jobs.path()).entryList({"QORA2000-GRAPH*.pdf"}, QDir::Files).size(), 1);
  dialog->hide();
  find<QPushButton>(prefix() + "MenuBitBtn")->click();
  EXPECT_TRUE(dialog->isVisible());
}

TEST_P(ScreenTest, ATinyViewGetsNoPictureUntilItGrows) {
  choose(3);
  screen->resize(60, 60);  // the chart view is squeezed to nothing
  QCoreApplication::processEvents();
  EXPECT_TRUE(screen->chartImage().isNull());
  ASSERT_NE(screen->lastChart(), nullptr);  // the chart itself is kept
  screen->resize(kScreenW, kScreenH - 52);
  QCoreApplication::processEvents();
  EXPECT_FALSE(screen->chartImage().isNull());
  EXPECT_GT(screen->chartImage().width(), kScreenW / 2);
}

// The picture pixels of curve point i, drawn again from the last chart as the screen does.
QPoint CurvePoint(const LineScreen& screen, const AppState& state, QWidget* view, int i) {
  const ChartData& d = *screen.lastChart();
  QImage scratch(view->width() - 4, view->height() - 4, QImage::Format_RGB32);
  const ChartLayout layout = LayoutFromScreen(kScreenW, scratch.height());
  ImageCanvas canvas(scratch);
  const PixelTables px = DrawScreenChart(canvas, layout, state, d);
  const AxesRect box = *AxesBox(layout, AxesModeOf(d.analysis));
  return QPoint(box.x0 + px.pointX[i], box.y1 - px.pointY[i]);
}

void MoveMouse(QWidget* view, QPoint picture) {
  const QPointF local = picture + QPoint(2, 2);
  QMouseEvent move(QEvent::MouseMove, local, view->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(view, &move);
}

TEST_P(ScreenTest, ReadOutFollowsTheMouseWithinSixPixels) {
  choose(5);  // over time: 41 points spread along the hours
  auto* view = find<QWidget>(prefix() + "Image");
  auto* label = find<QLabel>(prefix() + "PtLabel");
  const QPoint p = CurvePoint(*screen, state, view, 20);
  MoveMouse(view, p + QPoint(0, -6));
  ASSERT_TRUE(label->isVisible());
  EXPECT_TRUE(label->text().contains("hr=")) << label->text().toStdString();
  // The label sits centred over the point, 1.5 label heights above it.
  const QPoint onScreen = p + view->pos() + QPoint(2, 2);
  EXPECT_EQ(label->x() + qRound(label->width() / 2.0), onScreen.x());
  EXPECT_EQ(label->geometry().top(), onScreen.y() - qRound(1.5 * label->height()));
  MoveMouse(view, p + QPoint(0, -7));
  EXPECT_FALSE(label->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothLines, ScreenTest, ::testing::Values(LineKind::Chilled, LineKind::Hot),
                         [](const auto& info) {
                           return info.param == LineKind::Chilled ? "Chilled" : "Hot";
                         });

}  // namespace
}  // namespace qora
