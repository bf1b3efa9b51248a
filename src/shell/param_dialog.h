// The parameters dialog: the tables every analysis offers in its lists (pipe sizes, k, RH,
// R, surface temperatures; one set per unit system) and the factor sheet. Grid edits reach
// the tables at every key release; OK writes the parameter file and the settings; Cancel
// (also Escape or the close box) puts back the tables and parameters as the dialog found
// them, and nothing else: what was typed on the screens meanwhile stays.
#pragma once

#include <QDialog>

#include "model/param_tables.h"
#include "model/settings.h"

class QComboBox;
class QTabWidget;

namespace qora {

struct AppState;
class FactorSheet;
class QdtGrid;

class ParamDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ParamDialog(AppState& state, QWidget* parent = nullptr);

  // Everything shown again from the tables and settings (done at every opening).
  void activate();
  FactorSheet& factors() const { return *factors_; }
  void applyLanguage();

  // Transfers for the active unit system (and pipe type for the pipe sizes).
  void pipeGridToTable();
  void pipeTableToGrid();
  void otherGridsToTables();
  void otherTablesToGrids();
  // Enter in the size-name column: every row whose inside diameter is 0 (or empty) or
  // larger than the outside diameter takes the outside diameter's text.
  void checkDiameters();

  void accept() override;  // OK
  void reject() override;  // Cancel

 signals:
  // OK: the files are written; the program relabels for the (unchanged) unit system.
  void settingsSaved();
  // Cancel: the dialog's edits were dropped; every view re-reads the model.
  void settingsReloaded();
  // The ha selector changed FactorBy: ha boxes switch and the line screens recalculate.
  void factorByChanged();
  // The k button: show the k-value dialog.
  void kValueRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* buildPipeSheet();
  QWidget* buildTableSheet(const char* name, const char* gridName, QdtGrid*& grid, int cols,
                           const char* title, const char* unit);

  AppState& state_;
  // The tables and the [PARAMETERS] values as the dialog found them, for Cancel.
  ParamTables savedTables_;
  Settings savedSettings_;
  QTabWidget* pages_ = nullptr;
  QComboBox* pipeType_ = nullptr;
  QdtGrid* pipeGrid_ = nullptr;
  QdtGrid* kGrid_ = nullptr;
  QdtGrid* rhGrid_ = nullptr;
  QdtGrid* rGrid_ = nullptr;
  QdtGrid* tsurfGrid_ = nullptr;
  FactorSheet* factors_ = nullptr;
};

}  // namespace qora
