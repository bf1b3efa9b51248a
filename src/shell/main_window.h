// The one full-screen window of the program: splash, main menu, the application screens
// with the bar below them, and the dialogs, created once. It routes user actions to the
// dialogs and screens and keeps every view in line with the model after settings loads
// and unit changes.
#pragma once

#include <QWidget>
#include <map>
#include <memory>

namespace qora {

struct AppState;
class InsulCostDialog;
class InsulSizeDialog;
class KValueDialog;
class LineScreen;
class LocalConditionsDialog;
class Screen;
class MainBar;
class MainMenu;
class ParamDialog;
class RValueDialog;
class SplashView;
class TablePreviewDialog;
class WaitDialog;

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(AppState& state, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Leaves the splash: loads the settings, relabels, shows the menu.
  void start();
  void showMainMenu();
  void hideMainMenu();
  // A menu item: 0..8 open their screens, 9 quits (99 and items without a screen do
  // nothing).
  void openItem(int item);
  // Brings every view to the current unit system, converting the values that follow it
  // from `oldSystem`.
  void relabelUnits(int oldSystem);
  // The unit button: 1 -> 2 -> 3 -> 1, relabel, redraw the visible screen.
  void stepUnits();
  // ha boxes or "ASTM C680" everywhere, by FactorBy.
  void applyFactorBy();
  // After a settings load: every view re-reads the model.
  void afterSettingsLoad();
  // Quit: saves the settings and closes (closing the window in any way saves too).
  void exitProgram();

  SplashView& splash() const { return *splash_; }
  MainMenu& menu() const { return *menu_; }
  MainBar& bar() const { return *bar_; }
  ParamDialog& paramDialog() const { return *param_; }
  // The screen a menu item opens; nullptr for an item without one.
  Screen* screen(int item) const;
  LocalConditionsDialog& chillDialog() const;
  LocalConditionsDialog& hotDialog() const;
  RValueDialog& rValueDialog() const;
  KValueDialog& kValueDialog() const { return *kValue_; }
  InsulSizeDialog& insulSizeDialog() const { return *insulSize_; }
  InsulCostDialog& insulCostDialog() const { return *insulCost_; }
  WaitDialog& waitDialog() const { return *wait_; }
  TablePreviewDialog& previewDialog() const { return *preview_; }
  QWidget& screenArea() const { return *screenArea_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void connectBar();
  // The table buttons of the chart screens open the preview with the chart on screen.
  void connectTables();
  void showModal(QWidget& dialog);
  // Shows the k-value dialog as a window of `owner` (the main window or a modal dialog).
  void showKValue(QWidget* owner);
  // Every registered screen, in menu order.
  template <class F>
  void forEachScreen(F&& f) const {
    for (const auto& [item, s] : screens_) f(*s);
  }
  Screen* visibleScreen() const;
  void refreshVisibleScreen();

  AppState& state_;
  SplashView* splash_ = nullptr;
  MainMenu* menu_ = nullptr;
  QWidget* screenArea_ = nullptr;
  MainBar* bar_ = nullptr;
  ParamDialog* param_ = nullptr;
  KValueDialog* kValue_ = nullptr;
  InsulCostDialog* insulCost_ = nullptr;
  InsulSizeDialog* insulSize_ = nullptr;
  WaitDialog* wait_ = nullptr;
  TablePreviewDialog* preview_ = nullptr;
  std::map<int, Screen*> screens_;  // by menu item
  bool saved_ = false;
};

}  // namespace qora
