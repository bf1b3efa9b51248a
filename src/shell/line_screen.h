// A line screen (chilled or hot water): the title bar, the chart picture, the strip of
// command buttons and the eight input panels below it, the refresh cycle and the read-out
// point of the nearest plotted point. The screen owns the last drawn chart (for the
// read-out, print and table).
#pragma once

#include <QImage>
#include <QWidget>

#include "charts/chart_data.h"
#include "shell/line_kind.h"

namespace qora {

struct AppState;
class LocalConditionsDialog;

class LineScreen : public QWidget {
  Q_OBJECT
 public:
  LineScreen(AppState& state, LineKind kind, LocalConditionsDialog& dialog,
             QWidget* parent = nullptr);
  ~LineScreen() override;

  // Opens the screen: chart layout from the screen width, dialog shown, refresh.
  void open(int screenWidth);
  // Redraws the chart of the selected analysis (only when visible), then sets up the panels.
  void refresh();
  // Refills every panel's lists and labels for the current unit system and pipe type and
  // re-reads its inputs from the settings, keeping list positions.
  void setUpPanels();
  // The last drawn chart; nullptr before the first drawing.
  const ChartData* lastChart() const;
  LineKind kind() const;
  // The chart picture as last drawn.
  const QImage& chartImage() const;

 signals:
  void printRequested();
  void tableRequested();
  // A chart was computed and drawn (after an input change or a refresh).
  void chartDrawn();

 private:
  struct Private;
  Private* d_;
};

}  // namespace qora
