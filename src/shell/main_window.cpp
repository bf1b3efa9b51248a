#include "shell/main_window.h"

#include <QCloseEvent>

#include "model/app_state.h"
#include "print/print_job.h"
#include "shell/brand.h"
#include "shell/document_screen.h"
#include "shell/insul_cost_dialog.h"
#include "shell/insul_size_dialog.h"
#include "shell/line_screen.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/param_dialog.h"
#include "shell/splash_view.h"
#include "shell/unit_relabel.h"
#include "shell/wait_dialog.h"

namespace qora {

namespace {

// The reference document of a menu item (0 catalogue, 7 appendix, 8 conversion), made the
// first time it is opened.
DocumentScreen* DocumentScreenFor(QWidget& area, AppState& state, int item) {
  const DocumentKind kind = item == 0   ? DocumentKind::Catalogue
                            : item == 7 ? DocumentKind::Appendix
                                        : DocumentKind::Conversion;
  for (auto* screen : area.findChildren<DocumentScreen*>(Qt::FindDirectChildrenOnly)) {
    if (screen->kind() == kind) return screen;
  }
  return new DocumentScreen(state, kind, &area);
}

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("QORAForm");
  setWindowTitle(BrandCaption(state_.settings.langIndex()));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);

  menu_ = new MainMenu(state_, this);
  menu_->hide();
  screens_ = new QWidget(this);
  screens_->setObjectName("ScreenArea");
  screens_->hide();
  bar_ = new MainBar(state_, this);
  bar_->hide();
  splash_ = new SplashView(state_, this);

  // The dialogs, once, in the order the program has always created them.
  param_ = new ParamDialog(state_, this);
  chillLocal_ = new LocalConditionsDialog(state_, LineKind::Chilled, this);
  insulCost_ = new InsulCostDialog(state_, this);
  hotLocal_ = new LocalConditionsDialog(state_, LineKind::Hot, this);
  insulSize_ = new InsulSizeDialog(state_, this);
  wait_ = new WaitDialog(this);
  chillScreen_ = new LineScreen(state_, LineKind::Chilled, *chillLocal_, screens_);
  hotScreen_ = new LineScreen(state_, LineKind::Hot, *hotLocal_, screens_);
  chillScreen_->hide();
  hotScreen_->hide();
  // Each print button prints the chart its own screen drew last.
  for (LineScreen* screen : {chillScreen_, hotScreen_}) {
    connect(screen, &LineScreen::printRequested, this,
            [this, screen] { PrintChart(this, screen->lastChart(), state_); });
  }

  // Captions, hints and faces of the message file, read once at start.
  splash_->applyLanguage();
  bar_->applyLanguage();
  param_->applyLanguage();
  chillLocal_->applyLanguage();
  hotLocal_->applyLanguage();
  insulCost_->applyLanguage();
  insulSize_->applyLanguage();
  wait_->applyLanguage(state_.lang);

  connect(splash_, &SplashView::startClicked, this, &MainWindow::start);
  connect(menu_, &MainMenu::itemChosen, this, &MainWindow::openItem);
  connectBar();
  connect(param_, &ParamDialog::settingsSaved, this,
          [this] { relabelUnits(state_.settings.unitSystem()); });
  connect(param_, &ParamDialog::settingsReloaded, this, &MainWindow::afterSettingsLoad);
  connect(param_, &ParamDialog::factorByChanged, this, [this] {
    applyFactorBy();
    refreshLineScreens();
  });
}

MainWindow::~MainWindow() = default;

void MainWindow::connectBar() {
  connect(bar_, &MainBar::unitClicked, this, &MainWindow::stepUnits);
  connect(bar_, &MainBar::returnClicked, this, &MainWindow::showMainMenu);
  connect(bar_, &MainBar::paramsClicked, this, [this] { showModal(*param_); });
  connect(bar_, &MainBar::insulSizeClicked, this, [this] { showModal(*insulSize_); });
  connect(bar_, &MainBar::insulCostClicked, this, [this] { showModal(*insulCost_); });
}

void MainWindow::showModal(QWidget& dialog) {
  // Modal without a nested event loop: the rest of the program waits, the loop runs on.
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  dialog.raise();
  dialog.activateWindow();
}

void MainWindow::start() {
  LoadSettings(state_.settings, state_.iniPath());
  showMainMenu();
  afterSettingsLoad();
  menu_->showImportant();
}

void MainWindow::afterSettingsLoad() {
  bar_->setUnitCaption(state_.lang.UnitSystemName(state_.settings.unitSystem()));
  chillLocal_->syncFromSettings();
  hotLocal_->syncFromSettings();
  relabelUnits(state_.settings.unitSystem());
  applyFactorBy();
  chillScreen_->setUpPanels();
  hotScreen_->setUpPanels();
  refreshLineScreens();
}

void MainWindow::showMainMenu() {
  chillLocal_->hide();
  hotLocal_->hide();
  screens_->hide();
  bar_->hide();
  splash_->hide();
  menu_->show();
  menu_->raise();
}

void MainWindow::hideMainMenu() {
  menu_->hide();
  screens_->show();
  bar_->show();
}

void MainWindow::openItem(int item) {
  switch (item) {
    case 0:
    case 7:
    case 8: {
      hideMainMenu();
      for (QWidget* w : screens_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
      chillLocal_->hide();
      hotLocal_->hide();
      DocumentScreen* doc = DocumentScreenFor(*screens_, state_, item);
      doc->setGeometry(screens_->rect());
      doc->show();
      doc->open(width());
      break;
    }
    case 1:
    case 2: {
      hideMainMenu();
      for (auto* doc : screens_->findChildren<DocumentScreen*>()) doc->hide();
      LineScreen* open = item == 1 ? chillScreen_ : hotScreen_;
      (item == 1 ? hotScreen_ : chillScreen_)->hide();
      (item == 1 ? hotLocal_ : chillLocal_)->hide();
      open->setGeometry(screens_->rect());
      open->show();
      open->open(width());
      break;
    }
    case 9:
      exitProgram();
      break;
    default:
      break;  // the other screens are not part of this program yet
  }
}

void MainWindow::relabelUnits(int oldSystem) {
  const int now = state_.settings.unitSystem();
  bar_->setUnitCaption(state_.lang.UnitSystemName(now));
  ConvertUnitValues(state_.settings, oldSystem);
  chillLocal_->relabelUnits(oldSystem);
  hotLocal_->relabelUnits(oldSystem);
  for (auto* doc : screens_->findChildren<DocumentScreen*>()) doc->relabelUnits();
}

void MainWindow::stepUnits() {
  const int old = StepUnitSystem(state_.settings);
  relabelUnits(old);
  chillScreen_->setUpPanels();
  hotScreen_->setUpPanels();
  refreshLineScreens();
}

void MainWindow::applyFactorBy() {
  chillLocal_->applyFactorBy();
  hotLocal_->applyFactorBy();
}

LineScreen* MainWindow::visibleLineScreen() const {
  if (chillScreen_->isVisible()) return chillScreen_;
  if (hotScreen_->isVisible()) return hotScreen_;
  return nullptr;
}

void MainWindow::refreshLineScreens() {
  if (LineScreen* screen = visibleLineScreen()) screen->refresh();
}

void MainWindow::exitProgram() {
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!saved_) {
    saved_ = true;
    SaveSettings(state_.settings, state_.iniPath());  // silent: the old file stays whole
  }
  for (QWidget* w : {static_cast<QWidget*>(chillLocal_), static_cast<QWidget*>(hotLocal_)})
    w->hide();
  event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  splash_->setGeometry(rect());
  menu_->setGeometry(rect());
  bar_->setGeometry(0, height() - MainBar::kHeight, width(), MainBar::kHeight);
  screens_->setGeometry(0, 0, width(), height() - MainBar::kHeight);
  for (QWidget* child : screens_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    child->setGeometry(screens_->rect());
}

}  // namespace qora
