// The preview dialog of the tables behind the charts: the table on an imitation portrait
// sheet that scrolls with the scroll bars or by dragging, a Print button (portrait pages,
// "QORA2000-Table"), a Copy button (the table as CSV on the clipboard) and Close. A table
// button sets its request and opens the dialog; closing it in any way clears the requests,
// so the next table button shows its own table only.
#pragma once

#include <QDialog>
#include <optional>

#include "charts/data_table.h"

class QPushButton;

namespace qora {

struct AppState;
class DocumentPageView;

class TablePreviewDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TablePreviewDialog(AppState& state, QWidget* parent = nullptr);

  // Height for a screen: 100 pixels less than the screen, at most 900.
  static int HeightForScreen(int screenHeight);

  // Sets a request and shows the dialog modally, centred on a screen `screenHeight` high
  // (and as wide as the dialog's parent window, else the primary screen). An empty
  // optional (no chart drawn yet) shows the empty sheet.
  void openAnalysisTable(const std::optional<DataTable>& table, int screenHeight);
  void openRValueTable(const std::optional<DataTable>& table, int screenHeight);

  bool analysisRequested() const { return analysis_.has_value(); }
  bool rValueRequested() const { return rvalue_.has_value(); }
  // The tables of the requests in force, analysis first, as the sheet shows them.
  DataTable shownTable() const;
  DocumentPageView& view() const { return *view_; }
  QPushButton& printButton() const { return *print_; }
  QPushButton& copyButton() const { return *copy_; }
  QPushButton& closeButton() const { return *close_; }

  // The sheet as drawn for the requests in force.
  void redraw();
  bool print();
  void copyToClipboard();
  void done(int result) override;

 private:
  void openWith(int screenHeight);

  AppState& state_;
  // A request is its table (an empty table when the screen has drawn nothing yet).
  std::optional<DataTable> analysis_, rvalue_;
  DocumentPageView* view_;
  QPushButton *print_, *copy_, *close_;
};

}  // namespace qora
