// A chart screen: the title bar, the chart picture, the strip of command buttons with the
// input panels of its analyses, the refresh cycle and the read-out point of the nearest
// plotted point. It serves any list of analyses chosen by a selector window beside it
// (the chilled-water and hot-water screens with their local-conditions dialogs, the R-value
// screen with its dialog). The screen owns the last drawn chart (for the read-out, print
// and table).
#pragma once

#include <QImage>
#include <vector>

#include "charts/analysis.h"
#include "charts/chart_data.h"
#include "shell/line_kind.h"
#include "shell/screen.h"

namespace qora {

struct AppState;
class ChartSelector;
class LocalConditionsDialog;

// Component names and captions of one chart screen.
struct ChartScreenNames {
  const char* screen;         // "ChillPanel"
  const char* title;          // "ChillText": caption role of the title bar
  const char* titleFallback;  // when the language gives none
  const char* image;          // "ChillImage"
  const char* strip;          // "ChillHeadPanel"
  const char* menu;           // "ChillMenuBitBtn"
  const char* print;          // "ChillPrintBitBtn"
  const char* table;          // "ChillTableBitBtn"
  const char* pointLabel;     // "ChillPtLabel"
  // How far right of and below the point found the read-out marker and label sit.
  int readoutOffset = 0;
};

class LineScreen : public Screen {
  Q_OBJECT
 public:
  // `analyses` in selector order; an analysis with a panel description gets its panel in
  // the strip. The selector outlives the screen.
  LineScreen(AppState& state, const ChartScreenNames& names,
             const std::vector<AnalysisDef>& analyses, ChartSelector& selector,
             QWidget* parent = nullptr);
  ~LineScreen() override;

  // Screen: opens with the chart layout from the screen width and the selector shown.
  void open(int screenWidth) override;
  void leave() override;
  // Redraws the chart of the selected analysis (only when visible), then sets up the panels.
  void refresh() override;
  void afterSettingsLoad() override;
  void relabelUnits(int oldSystem) override;
  void applyFactorBy() override;

  // Refills every panel's lists and labels for the current unit system and pipe type and
  // re-reads its inputs from the settings, keeping list positions.
  void setUpPanels();
  // The last drawn chart; nullptr before the first drawing.
  const ChartData* lastChart() const;
  // The chart picture as last drawn.
  const QImage& chartImage() const;
  // Why the chosen analysis shows no chart (its inputs are refused); empty otherwise.
  QString refusalText() const;
  ChartSelector& selector() const;

 signals:
  void printRequested();
  void tableRequested();
  // A chart was computed and drawn (after an input change or a refresh).
  void chartDrawn();

 private:
  struct Private;
  Private* d_;
};

// The chilled-water or hot-water screen with its local-conditions dialog (a window of
// `dialogParent`, or of the screen itself when there is none).
LineScreen* MakeLineScreen(AppState& state, LineKind kind, QWidget* dialogParent, QWidget* parent);
// The local-conditions dialog of a line screen.
LocalConditionsDialog& LocalDialogOf(const LineScreen& screen);

}  // namespace qora
