#include "shell/main_window.h"

#include <QCloseEvent>

#include "charts/analysis_table.h"
#include "charts/chart_drawers.h"
#include "model/app_state.h"
#include "shell/brand.h"
#include "shell/insul_cost_dialog.h"
#include "shell/insul_size_dialog.h"
#include "shell/k_value_dialog.h"
#include "shell/language_apply.h"
#include "shell/line_screen.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/param_dialog.h"
#include "shell/rvalue_dialog.h"
#include "shell/rvalue_screen.h"
#include "shell/screen_registry.h"
#include "shell/splash_view.h"
#include "shell/table_preview_dialog.h"
#include "shell/unit_relabel.h"
#include "shell/wait_dialog.h"

namespace qora {

MainWindow::MainWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  ApplyApplicationFont(state_.lang);
  setObjectName("QORAForm");
  setWindowTitle(BrandCaption(state_.settings.langIndex()));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  menu_ = new MainMenu(state_, this);
  menu_->hide();
  screenArea_ = new QWidget(this);
  screenArea_->setObjectName("ScreenArea");
  screenArea_->hide();
  bar_ = new MainBar(state_, this);
  bar_->hide();
  splash_ = new SplashView(state_, this);

  // The dialogs and the registered screens, once.
  param_ = new ParamDialog(state_, this);
  kValue_ = new KValueDialog(state_, this);
  insulCost_ = new InsulCostDialog(state_, this);
  insulSize_ = new InsulSizeDialog(state_, this);
  preview_ = new TablePreviewDialog(state_, this);
  wait_ = new WaitDialog(this);
  for (const ScreenEntry& entry : ScreenRegistry()) {
    Screen* screen = entry.make(state_, this, screenArea_);
    screen->hide();
    screens_[entry.menuItem] = screen;
  }
  connectTables();

  // Captions, hints and faces of the message file, read once at start.
  splash_->applyLanguage();
  bar_->applyLanguage();
  param_->applyLanguage();
  chillDialog().applyLanguage();
  hotDialog().applyLanguage();
  rValueDialog().applyLanguage();
  ApplyLanguage(*kValue_, state_.lang, kValue_->objectName());
  insulCost_->applyLanguage();
  insulSize_->applyLanguage();
  wait_->applyLanguage(state_.lang);

  connect(splash_, &SplashView::startClicked, this, &MainWindow::start);
  connect(menu_, &MainMenu::itemChosen, this, &MainWindow::openItem);
  connectBar();
  // OK: the screens refill their lists from the edited tables and redraw.
  connect(param_, &ParamDialog::settingsSaved, this, &MainWindow::afterSettingsLoad);
  connect(param_, &ParamDialog::settingsReloaded, this, &MainWindow::afterSettingsLoad);
  // The parameters dialog is modal: the k-value dialog opened from it is its window then.
  connect(param_, &ParamDialog::kValueRequested, this, [this] { showKValue(param_); });
  connect(param_, &ParamDialog::factorByChanged, this, [this] {
    applyFactorBy();
    refreshVisibleScreen();
  });
}

MainWindow::~MainWindow() = default;

void MainWindow::connectBar() {
  connect(bar_, &MainBar::unitClicked, this, &MainWindow::stepUnits);
  connect(bar_, &MainBar::returnClicked, this, &MainWindow::showMainMenu);
  connect(bar_, &MainBar::paramsClicked, this, [this] { showModal(*param_); });
  connect(bar_, &MainBar::kValueClicked, this, [this] { showKValue(this); });
  connect(bar_, &MainBar::insulSizeClicked, this, [this] { showModal(*insulSize_); });
  connect(bar_, &MainBar::insulCostClicked, this, [this] { showModal(*insulCost_); });
}

void MainWindow::connectTables() {
  for (const auto& [item, s] : screens_) {
    auto* line = qobject_cast<LineScreen*>(s);
    if (!line) continue;
    connect(line, &LineScreen::tableRequested, this, [this, line] {
      std::optional<DataTable> table;
      const ChartData* chart = line->lastChart();
      if (chart) table = AnalysisTable(*chart, state_);
      if (chart && IsRValueAnalysis(chart->analysis)) {
        preview_->openRValueTable(table, height());
      } else {
        preview_->openAnalysisTable(table, height());
      }
    });
  }
}

void MainWindow::showModal(QWidget& dialog) {
  // Modal without a nested event loop: the rest of the program waits, the loop runs on.
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void MainWindow::showKValue(QWidget* owner) {
  if (kValue_->parentWidget() != owner) kValue_->setParent(owner, kValue_->windowFlags());
  kValue_->show();
  kValue_->raise();
  kValue_->activateWindow();
}

void MainWindow::start() {
  LoadSettings(state_.settings, state_.iniPath());
  showMainMenu();
  afterSettingsLoad();
  menu_->showImportant();
}

void MainWindow::afterSettingsLoad() {
  bar_->setUnitCaption(state_.lang.UnitSystemName(state_.settings.unitSystem()));
  relabelUnits(state_.settings.unitSystem());
  applyFactorBy();
  forEachScreen([](Screen& s) { s.afterSettingsLoad(); });
}

void MainWindow::showMainMenu() {
  forEachScreen([](Screen& s) { s.leave(); });
  screenArea_->hide();
  bar_->hide();
  splash_->hide();
  menu_->show();
  menu_->raise();
}

void MainWindow::hideMainMenu() {
  menu_->hide();
  screenArea_->show();
  bar_->show();
}

Screen* MainWindow::screen(int item) const {
  const auto it = screens_.find(item);
  return it == screens_.end() ? nullptr : it->second;
}

LocalConditionsDialog& MainWindow::chillDialog() const {
  return LocalDialogOf(*static_cast<LineScreen*>(screen(1)));
}

LocalConditionsDialog& MainWindow::hotDialog() const {
  return LocalDialogOf(*static_cast<LineScreen*>(screen(2)));
}

RValueDialog& MainWindow::rValueDialog() const {
  return RValueDialogOf(*static_cast<LineScreen*>(screen(6)));
}

void MainWindow::openItem(int item) {
  if (item == 9) {
    exitProgram();
    return;
  }
  Screen* open = screen(item);
  if (!open) return;  // a menu item whose screen is not part of the program
  hideMainMenu();
  forEachScreen([open](Screen& s) {
    if (&s == open) return;
    s.leave();
    s.hide();
  });
  open->setGeometry(screenArea_->rect());
  open->show();
  open->open(width());
}

void MainWindow::relabelUnits(int oldSystem) {
  const int now = state_.settings.unitSystem();
  bar_->setUnitCaption(state_.lang.UnitSystemName(now));
  ConvertUnitValues(state_.settings, oldSystem);
  forEachScreen([oldSystem](Screen& s) { s.relabelUnits(oldSystem); });
  kValue_->refresh();
}

void MainWindow::stepUnits() {
  const int old = StepUnitSystem(state_.settings);
  relabelUnits(old);
  refreshVisibleScreen();
}

void MainWindow::applyFactorBy() {
  forEachScreen([](Screen& s) { s.applyFactorBy(); });
}

Screen* MainWindow::visibleScreen() const {
  for (const auto& [item, s] : screens_) {
    if (s->isVisible()) return s;
  }
  return nullptr;
}

void MainWindow::refreshVisibleScreen() {
  if (Screen* s = visibleScreen()) s->refresh();
}

void MainWindow::exitProgram() {
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!saved_) {
    saved_ = true;
    SaveSettings(state_.settings, state_.iniPath());  // silent: the old file stays whole
  }
  forEachScreen([](Screen& s) { s.leave(); });
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  splash_->setGeometry(rect());
  menu_->setGeometry(rect());
  bar_->setGeometry(0, height() - MainBar::kHeight, width(), MainBar::kHeight);
  screenArea_->setGeometry(0, 0, width(), height() - MainBar::kHeight);
  for (QWidget* child : screenArea_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->setGeometry(screenArea_->rect());
}

}  // namespace qora
