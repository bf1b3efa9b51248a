// What chooses the chart of a chart screen: a window beside the screen with one button
// per analysis (the local-conditions dialogs of the line screens). The screen asks it
// which analysis is chosen and hears from it when the choice or a shared input changes.
#pragma once

#include <functional>

class QWidget;

namespace qora {

class ChartSelector {
 public:
  virtual ~ChartSelector() = default;
  // 1..n for the analysis whose button is down (selector order), 0 when none is.
  virtual int selectedAnalysis() const = 0;
  // The window shown with the screen, and again by its menu button.
  virtual QWidget& selectorWindow() = 0;
  // What the screen passes on: its inputs re-read after a settings load, its units
  // relabelled, the surface coefficient typed or calculated.
  virtual void syncFromSettings() {}
  virtual void relabelUnits(int oldSystem) { (void)oldSystem; }
  virtual void applyFactorBy() {}

  // Told with true when another analysis was chosen (the panels are set up again), with
  // false when an input the analyses share changed.
  std::function<void(bool chosen)> onSelectionChanged;
};

}  // namespace qora
