// The insulation-cost dialog: installed cost per length of pipe for every pipe size and
// stocked thickness, for iron and copper pipe, and a remark. The tables are read from
// QORAcost.qdt at every opening and change only by OK, which also writes the file.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTabWidget;

namespace qora {

struct AppState;
class QdtGrid;

class InsulCostDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InsulCostDialog(AppState& state, QWidget* parent = nullptr);

  // Headings for the active unit system and pipe sizes, the tables read from the file
  // again, and the grids filled (costs of 0 or less show as empty cells).
  void refreshCostDialog();
  void costTablesToGrids();
  void costGridsToTables();
  void applyLanguage();
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppState& state_;
  QLabel* heading_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QdtGrid* ips_ = nullptr;
  QdtGrid* copper_ = nullptr;
  QLineEdit* remark_ = nullptr;
};

}  // namespace qora
