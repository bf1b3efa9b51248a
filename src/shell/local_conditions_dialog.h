// The floating companion window of a line screen: ambient dry-bulb temperature Tdb,
// operating temperature Top and surface coefficient ha shared by the screen's eight
// analyses, and the eight selector buttons (one exclusive group in which all may be up).
// Edits are written into the settings at once ([CHILLED-WATER] or [HOT-WATER] Tdb, Top,
// Hair).
#pragma once

#include <QDialog>

#include "shell/chart_selector.h"
#include "shell/line_kind.h"

namespace qora {

struct AppState;

class LocalConditionsDialog : public QDialog, public ChartSelector {
  Q_OBJECT
 public:
  LocalConditionsDialog(AppState& state, LineKind kind, QWidget* parent = nullptr);
  ~LocalConditionsDialog() override;

  LineKind kind() const;
  // 1..8 for the selector button that is down (table order), 0 when all are up.
  int selectedAnalysis() const override;
  QWidget& selectorWindow() override { return *this; }
  void setSelectedAnalysis(int n);
  // Re-reads Tdb, Top, ha and the chosen analysis from the settings (after a settings
  // load).
  void syncFromSettings() override;
  // Unit labels, help ranges and ha converted from the previous unit system.
  void relabelUnits(int oldSystem) override;
  // Shows the ha box (FactorBy 1) or "BY ASTM C680" in its place (FactorBy 2).
  void applyFactorBy() override;
  // Captions and hints from the language texts.
  void applyLanguage();

 signals:
  void analysisChosen();     // a selector button was pressed: hide panels, refresh
  void conditionsChanged();  // Tdb, Top or ha edited: refresh the visible panel

 private:
  // Help box and window heights for the faces the controls have now.
  void fitHeights();

  struct Private;
  Private* d_;
};

}  // namespace qora
