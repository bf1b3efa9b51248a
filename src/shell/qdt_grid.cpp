#include "shell/qdt_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "shell/num_key_filter.h"

namespace qora {

// The cell editor applies the column's key rule and reports Enter and key releases.
class QdtGridDelegate : public QStyledItemDelegate {
 public:
  explicit QdtGridDelegate(QdtGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setMaxLength(10);  // table entries hold at most 10 characters
    editor->setProperty("qdtColumn", index.column());
    (void)option;
    return editor;
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (!editor) return QStyledItemDelegate::eventFilter(object, event);
    const int col = editor->property("qdtColumn").toInt();
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (KeyTypesCharacter(*key)) {
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const QString typed = key->key() == Qt::Key_Backspace ? QString(QChar(8)) : key->text();
        if (!grid_->accepts(col, enter ? QStringLiteral("\r") : typed)) return true;
        if (enter) {
          emit commitData(editor);
          emit closeEditor(editor, QAbstractItemDelegate::NoHint);
          emit grid_->edited();
          emit grid_->enterPressed(col);
          return true;
        }
      }
    } else if (event->type() == QEvent::KeyRelease) {
      emit commitData(editor);
      emit grid_->edited();
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  QdtGrid* grid_;
};

QdtGrid::QdtGrid(int dataCols, int dataRows, QWidget* parent)
    : QTableWidget(dataRows, dataCols + 1, parent), keys_(dataCols + 1, CellKeys::Numeric) {
  setItemDelegate(new QdtGridDelegate(this));
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAlternatingRowColors(true);
  for (int c = 0; c <= dataCols; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem());
  for (int r = 0; r < dataRows; ++r) {
    auto* fixed = new QTableWidgetItem();
    fixed->setFlags(Qt::ItemIsEnabled);
    fixed->setBackground(palette().button());
    setItem(r, 0, fixed);
    for (int c = 1; c <= dataCols; ++c) {
      auto* cell = new QTableWidgetItem();
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);  // numbers line up
      setItem(r, c, cell);
    }
  }
  setColumnWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 8);
  if (dataCols > 0 && dataRows > 0) setCurrentCell(0, 1);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* changed) {
    if (changed->column() > 0) emit edited();
  });
}

void QdtGrid::setColumnKeys(int col, CellKeys keys) {
  if (col < 0 || col >= int(keys_.size())) return;
  keys_[col] = keys;
  const Qt::Alignment align =
      (keys == CellKeys::Numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  for (int r = 0; r < rowCount(); ++r)
    if (QTableWidgetItem* it = item(r, col)) it->setTextAlignment(align);
}

CellKeys QdtGrid::columnKeys(int col) const {
  return col >= 0 && col < int(keys_.size()) ? keys_[col] : CellKeys::Numeric;
}

bool QdtGrid::accepts(int col, const QString& typed) const {
  switch (columnKeys(col)) {
    case CellKeys::Any:
      return true;
    case CellKeys::NonNegative:
      return NumKeyAccepts(typed) && !typed.contains(u'-');
    case CellKeys::Numeric:
      break;
  }
  return NumKeyAccepts(typed);
}

QString QdtGrid::cell(int col, int row) const {
  const QTableWidgetItem* it = item(row - 1, col);
  return it ? it->text() : QString();
}

void QdtGrid::setCell(int col, int row, const QString& text) {
  QTableWidgetItem* it = item(row - 1, col);
  if (it && it->text() != text) {
    const QSignalBlocker quiet(this);
    it->setText(text);
    viewport()->update();
  }
}

void QdtGrid::setRowLabel(int row, const QString& text) {
  setCell(0, row, text);
}

void QdtGrid::numberRows() {
  for (int r = 1; r <= dataRows(); ++r) setRowLabel(r, QString::number(r).rightJustified(5));
}

void QdtGrid::setHeading(int col, const QString& text) {
  if (QTableWidgetItem* h = horizontalHeaderItem(col)) h->setText(text);
}

QString QdtGrid::heading(int col) const {
  const QTableWidgetItem* h = horizontalHeaderItem(col);
  return h ? h->text() : QString();
}

void QdtGrid::setRowsMovable(bool movable) {
  QHeaderView* grip = verticalHeader();
  grip->setVisible(movable);
  grip->setSectionsMovable(movable);
  if (!movable) return;
  for (int r = 0; r < rowCount(); ++r)
    setVerticalHeaderItem(r, new QTableWidgetItem(QStringLiteral("\u2261")));
  connect(grip, &QHeaderView::sectionMoved, this, [this](int, int oldVisual, int newVisual) {
    // Undo the header's visual move and move the texts instead, so that row k of the
    // grid stays row k of the table.
    QHeaderView* h = verticalHeader();
    {
      const QSignalBlocker quiet(h);
      h->moveSection(newVisual, oldVisual);
    }
    moveRow(oldVisual + 1, newVisual + 1);
    numberRows();
    emit rowMoved();
  });
}

void QdtGrid::moveRow(int from, int to) {
  if (from < 1 || to < 1 || from > dataRows() || to > dataRows() || from == to) return;
  QStringList moving;
  for (int c = 1; c <= dataCols(); ++c) moving << cell(c, from);
  const int step = from < to ? 1 : -1;
  for (int r = from; r != to; r += step)
    for (int c = 1; c <= dataCols(); ++c) setCell(c, r, cell(c, r + step));
  for (int c = 1; c <= dataCols(); ++c) setCell(c, to, moving[c - 1]);
}

void QdtGrid::keyPressEvent(QKeyEvent* event) {
  // Not editing: a typed character would start the editor with it, so judge it here.
  if (state() != QAbstractItemView::EditingState && KeyTypesCharacter(*event)) {
    const int col = currentColumn();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = event->key() == Qt::Key_Backspace ? QString(QChar(8)) : event->text();
    if (col <= 0 || !accepts(col, enter ? QStringLiteral("\r") : typed)) {
      event->accept();
      return;
    }
    if (enter) {
      event->accept();
      emit enterPressed(col);
      return;
    }
  }
  if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
    if (QTableWidgetItem* it = currentItem(); it && it->column() > 0) it->setText(QString());
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void QdtGrid::keyReleaseEvent(QKeyEvent* event) {
  QTableWidget::keyReleaseEvent(event);
  emit edited();
}

}  // namespace qora
