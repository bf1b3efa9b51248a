// The control window of the R-value screen: two chart buttons (one group in which all may
// be up) and where k comes from, a mean temperature (its k shown with 4 decimals) or a
// typed k. Edits are written into the settings ([Rvalue] Select, Tmean, k, Analysis) at
// once, and every change redraws the screen.
#pragma once

#include <QDialog>

#include "shell/chart_selector.h"

namespace qora {

struct AppState;

class RValueDialog : public QDialog, public ChartSelector {
  Q_OBJECT
 public:
  explicit RValueDialog(AppState& state, QWidget* parent = nullptr);
  ~RValueDialog() override;

  // 1 R at constant k, 2 thickness at constant R, 0 when both buttons are up.
  int selectedAnalysis() const override;
  QWidget& selectorWindow() override { return *this; }
  void setSelectedAnalysis(int n);
  // Re-reads the choice of k, the mean temperature, the typed k and the chart.
  void syncFromSettings() override;
  // Unit labels, and the k of the mean temperature in the new system.
  void relabelUnits(int oldSystem) override;
  void applyLanguage();

  // The k of the mean temperature as shown (kValueTmeanLbl).
  QString meanTemperatureK() const;

 private:
  void chooseSource(bool byMeanTemperature);
  void showSource();
  void changed(bool chosen);

  struct Private;
  Private* d_;
};

}  // namespace qora
