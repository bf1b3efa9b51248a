// The factor sheet of the parameters dialog: how the outside surface coefficient is
// obtained (HaPanel: typed in, or by ASTM C680 from shape, wind and emissivity) and the
// economic factors (currency, working time, energy source and prices, kW per ton).
// Typed texts reach the settings at once; the four selectors reach them by
// `factorsFromDialog` (OK, or a change of the ha selector).
#pragma once

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QScrollArea;
class QTimer;

namespace qora {

struct AppState;

class FactorSheet : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHaCollapsed = 50;  // pixels: only the ha selector shows
  static constexpr int kHaOpened = 300;    // pixels: shape, wind and emissivity too

  explicit FactorSheet(AppState& state, QWidget* parent = nullptr);

  // FactorBy, SurfaceShape, EmissivityChoice, EnergySource from the four selectors.
  void factorsFromDialog();
  // The selectors and the HaPanel height from the settings; the height change is
  // animated in 10-pixel steps when the sheet is on screen.
  void factorsToDialog();
  // Every typed text and list from the settings and language texts (dialog activation).
  void syncFromSettings();
  // Wind unit label for the current unit system.
  void relabelUnits();
  // Price unit labels from the currency.
  void currencyChanged();
  void scrollToTop();
  int haPanelTargetHeight() const { return target_; }
  QFrame* haPanel() const { return haPanel_; }

 signals:
  void factorByChanged();

 private:
  void buildHaPanel();
  void buildEconPanel(QWidget* parent);
  void stepHaPanel();

  AppState& state_;
  QScrollArea* scroll_ = nullptr;
  QFrame* haPanel_ = nullptr;
  QComboBox* ha_ = nullptr;
  QLabel* c680_ = nullptr;
  QComboBox* shape_ = nullptr;
  QComboBox* emissivity_ = nullptr;
  QComboBox* currency_ = nullptr;
  QComboBox* source_ = nullptr;
  QTimer* animation_ = nullptr;
  int target_ = kHaCollapsed;
};

}  // namespace qora
