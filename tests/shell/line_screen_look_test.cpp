// The line screens at the two screen sizes users have most: every panel fits the strip
// and every chart fits its picture. With QORA_SCREENSHOTS=DIR the screens are also saved
// as DIR/screen_<line>_<n>_<w>x<h>.png for a person to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <cstdlib>
#include <memory>

#include "charts/chart_layout.h"
#include "model/app_state.h"
#include "shell/line_screen.h"
#include "shell/line_screen_panel.h"
#include "shell/local_conditions_dialog.h"
#include "test_support.h"

namespace qora {
namespace {

struct ScreenSize {
  int w, h;
};

TEST(LineScreenLook, PanelsAndChartsFitTheCommonScreenSizes) {
  const QString shots = qEnvironmentVariable("QORA_SCREENSHOTS");
  for (const ScreenSize size : {ScreenSize{1024, 768}, ScreenSize{1920, 1080}}) {
    for (const LineKind kind : {LineKind::Chilled, LineKind::Hot}) {
      test::TempHome home;
      for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN", "QDTgraph"}) {
        home.copyShipped(f);
      }
      AppState state;
      LoadProgramState(state, home.path());
      // The main window paints itself black; the screen must stay readable inside it.
      QWidget window;
      QPalette dark = window.palette();
      dark.setColor(QPalette::Window, Qt::black);
      dark.setColor(QPalette::WindowText, Qt::black);
      window.setPalette(dark);
      window.setAutoFillBackground(true);
      LineScreen& screen = *MakeLineScreen(state, kind, nullptr, &window);
      LocalConditionsDialog& dialog = LocalDialogOf(screen);
      // The main window's bar below the screen is about as tall as the panel strip.
      window.resize(size.w, size.h - 52);
      screen.resize(size.w, size.h - 52);
      window.show();
      screen.open(size.w);
      const char* line = kind == LineKind::Chilled ? "chill" : "hot";
      for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(
            QString("%1 %2 at %3x%4").arg(line).arg(n).arg(size.w).arg(size.h).toStdString());
        dialog.setSelectedAnalysis(n);
        emit dialog.analysisChosen();
        ASSERT_NE(screen.lastChart(), nullptr);
        for (LinePanel* p : screen.findChildren<LinePanel*>()) {
          if (!p->isVisible()) continue;
          // Nothing of the panel is squeezed below what its captions and boxes need.
          EXPECT_GE(p->width(), p->sizeHint().width());
          EXPECT_LE(p->mapTo(&screen, QPoint(p->width(), 0)).x(), size.w);
          // Captions stand out from the strip behind them.
          const QColor back = p->parentWidget()->palette().color(QPalette::Window);
          for (QLabel* l : p->findChildren<QLabel*>()) {
            const QColor text = l->palette().color(QPalette::WindowText);
            EXPECT_GT(std::abs(back.lightness() - text.lightness()), 128)
                << l->objectName().toStdString();
          }
        }
        // The frame and its shadow stay inside the picture.
        const QImage& img = screen.chartImage();
        const ChartLayout l = LayoutFromScreen(size.w, img.height());
        EXPECT_LT(l.PlotBottom + 4, img.height());
        EXPECT_LT(l.PlotRight + 4, img.width());
        if (!shots.isEmpty()) {
          QDir().mkpath(shots);
          screen.grab().save(
              QString("%1/screen_%2_%3_%4x%5.png").arg(shots, line).arg(n).arg(size.w).arg(size.h));
        }
      }
    }
  }
}

}  // namespace
}  // namespace qora
