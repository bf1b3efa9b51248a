// A main window over a temporary program folder holding the shipped data and a settings
// file of the test's choosing, with a guard that fails on a modal dialog left open.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <memory>

#include "model/app_state.h"
#include "shell/main_window.h"
#include "shell/qdt_grid.h"
#include "test_support.h"

namespace qora::test {

// Where a key typed on a grid goes: the cell's editor while one is open, else the grid
// (the first character typed on a cell opens its editor).
inline QWidget* KeyTarget(QdtGrid& grid) {
  if (grid.isEditing()) {
    for (auto* editor : grid.viewport()->findChildren<QLineEdit*>())
      if (editor->isVisible()) return editor;
  }
  return &grid;
}

class ShellTest : public ::testing::Test {
 protected:
  // Writes QORA2000.ini (may be empty), loads the program state, builds the window at
  // 1024 x 768 and shows it.
  void open(const QByteArray& ini) {
    for (const char* shipped : {"EN", "QDTgraph", "QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt"})
      home.copyShipped(shipped);
    if (!ini.isEmpty()) home.writeFile("QORA2000.ini", ini);
    LoadProgramState(state, home.path());
    window = std::make_unique<MainWindow>(state);
    window->setFixedSize(1024, 768);
    window->show();
    QApplication::processEvents();
  }
  void start() {
    window->start();
    QApplication::processEvents();
  }
  // A key of the settings file as it is on disk now.
  QString iniValue(const QString& sectionKey) const {
    QSettings ini(home.path() + "/QORA2000.ini", QSettings::IniFormat);
    return ini.value(sectionKey).toString();
  }

  void TearDown() override {
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w->windowModality() != Qt::NonModal && w != expectedModal) {
        ADD_FAILURE() << "unexpected modal dialog left open: " << w->objectName().toStdString();
      }
    }
    (void)modal;
    window.reset();
  }

  TempHome home;
  AppState state;
  std::unique_ptr<MainWindow> window;
  QWidget* expectedModal = nullptr;  // a test that leaves a dialog open on purpose
};

}  // namespace qora::test
