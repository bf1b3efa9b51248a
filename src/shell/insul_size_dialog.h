// The insulation-size dialog: nominal sheet thicknesses, tube inside diameters and the
// actual wall thickness of every tube in every nominal thickness, per unit system. Grid
// edits reach the tables at every key release; OK also writes QORAInsu.qdt; Cancel only
// closes (the tables keep what was typed, the file keeps its old contents).
#pragma once

#include <QDialog>

#include "model/insul_tables.h"

class QTabWidget;

namespace qora {

struct AppState;
class QdtGrid;

class InsulSizeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InsulSizeDialog(AppState& state, QWidget* parent = nullptr);

  // Headings for the active unit system; the actual-thickness grid is labelled with the
  // sheet names down the side and the tube names across the top, as now in the tables.
  void insulHeadings();
  void tablesToGrids();
  void gridsToTables();
  void applyLanguage();
  void accept() override;
  // Cancel: the tables as the dialog found them, on screen and in memory.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppState& state_;
  InsulTables saved_;  // the tables as the dialog found them
  QTabWidget* pages_ = nullptr;
  QdtGrid* sheet_ = nullptr;
  QdtGrid* tube_ = nullptr;
  QdtGrid* actual_ = nullptr;
};

}  // namespace qora
