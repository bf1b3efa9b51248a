// The table grid of the data dialogs: a fixed column 0 (row numbers or row names), column
// headings in the header, and per-column key rules. Cells are addressed as the data files
// count them: row 1.. for the first data row, column 1.. for the first data column.
// Every key release (and every committed edit) emits `edited`, so the owner stores the
// grid into its table at once.
#pragma once

#include <QTableWidget>
#include <vector>

namespace qora {

// Any text; a number (digits, point, minus); a number that cannot be negative (a price).
enum class CellKeys { Any, Numeric, NonNegative };

class QdtGrid : public QTableWidget {
  Q_OBJECT
 public:
  // dataCols and dataRows exclude the fixed column and the heading row.
  QdtGrid(int dataCols, int dataRows, QWidget* parent = nullptr);

  int dataRows() const { return rowCount(); }
  bool isEditing() const { return state() == QAbstractItemView::EditingState; }
  int dataCols() const { return columnCount() - 1; }
  void setColumnKeys(int col, CellKeys keys);
  CellKeys columnKeys(int col) const;

  QString cell(int col, int row) const;
  void setCell(int col, int row, const QString& text);
  // Column 0 of data row `row` (a row number or a row name).
  void setRowLabel(int row, const QString& text);
  // Row labels "    1" ... right-aligned in 5 characters, as the data files number rows.
  void numberRows();
  // Heading of column `col` (0 is the corner over the fixed column).
  void setHeading(int col, const QString& text);
  QString heading(int col) const;

  // The key rule of a column for one typed text (used by the view and the cell editor).
  bool accepts(int col, const QString& typed) const;
  // Rows can be dragged to a new place by a grip at their left; `rowMoved` follows.
  void setRowsMovable(bool movable);
  // Moves the texts of data row `from` to row `to` (both 1-based), shifting those between.
  void moveRow(int from, int to);

 signals:
  void edited();
  // Enter typed in a column whose rule lets it through (the pipe-size name column).
  void enterPressed(int col);
  void rowMoved();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  friend class QdtGridDelegate;
  std::vector<CellKeys> keys_;
};

}  // namespace qora
