#include "shell/insul_size_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/units.h"
#include "model/app_state.h"
#include "shell/language_apply.h"
#include "shell/qdt_grid.h"
#include "shell/shell_style.h"

namespace qora {

namespace {

QString Msg(const LanguageTexts& lang, int i, const char* fallback) {
  const QString text = lang.MsgText(i);
  return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

// A heading label of a page; its caption comes from the language texts by its name.
QLabel* Heading(const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setObjectName(name);
  label->setProperty("role", "heading");
  return label;
}

// A page: optional headings above its grid (a row of them, left to right).
QWidget* Page(const char* name, QdtGrid* grid, std::initializer_list<QLabel*> headings = {}) {
  auto* page = new QWidget;
  page->setObjectName(name);
  auto* v = new QVBoxLayout(page);
  if (headings.size() > 0) {
    auto* row = new QHBoxLayout;
    for (QLabel* h : headings) row->addWidget(h);
    row->addStretch(1);
    v->addLayout(row);
  }
  grid->setParent(page);
  v->addWidget(grid);
  return page;
}

}  // namespace

InsulSizeDialog::InsulSizeDialog(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("InsuSzDlg");
  setWindowTitle(tr("Insulation Sizes"));
  setModal(true);
  resize(760, 560);
  ApplyDialogStyle(*this);
  auto* outer = new QVBoxLayout(this);

  sheet_ = new QdtGrid(2, 12);
  sheet_->setObjectName("InsuSzSheetStrGrd");
  tube_ = new QdtGrid(2, 40);
  tube_->setObjectName("InsuSzTubeIDStrGrd");
  actual_ = new QdtGrid(40, 12);
  actual_->setObjectName("InsuSzTubeThkActStrGrd");
  for (QdtGrid* g : {sheet_, tube_}) {
    g->setColumnKeys(1, CellKeys::Any);  // names are free text
    g->setColumnWidth(1, 160);
    g->setColumnWidth(2, 160);
    g->setMaximumWidth(400);
  }
  actual_->setColumnWidth(0, 110);
  for (int c = 1; c <= 40; ++c) actual_->setColumnWidth(c, 70);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("InsuSzPageControl");
  pages_->addTab(Page("InsuSzSheetTabSheet", sheet_), tr("Insulation Sheet"));
  // The tube sizes page names its column; the actual thickness page says what its rows
  // (nominal thicknesses), its columns (tube sizes) and its cells (actual thicknesses) are.
  pages_->addTab(Page("InsuSzTubeIDTabSheet", tube_,
                      {Heading("InsuSzHd01StaticText", "ID of Insulation Tube")}),
                 tr("ID of Insulation Tube"));
  pages_->addTab(Page("InsuSzTubeActTabSheet", actual_,
                      {Heading("InsuSzHd02StaticText", "Nominal Thickness"),
                       Heading("InsuSzHd03StaticText", "Actual Thickness"),
                       Heading("InsuSzHd04StaticText", "ID of Insulation Tube")}),
                 tr("Actual Thickness"));
  outer->addWidget(pages_);
  auto* remark = new QLabel(tr("Please refer to the product standard"), this);
  remark->setObjectName("InsuSzREMLabel");
  outer->addWidget(remark);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setObjectName("OKBitBtn");
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("CancelBitBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  outer->addWidget(buttons);

  for (QdtGrid* g : {sheet_, tube_, actual_})
    connect(g, &QdtGrid::edited, this, &InsulSizeDialog::gridsToTables);
  connect(pages_, &QTabWidget::currentChanged, this, &InsulSizeDialog::insulHeadings);
  pages_->setCurrentIndex(0);
  insulHeadings();
}

void InsulSizeDialog::insulHeadings() {
  const LanguageTexts& lang = state_.lang;
  const int u = state_.settings.unitSystem() - 1;
  const QString t = lang.UnitLabel(u + 1, kQThickness);
  for (QdtGrid* g : {sheet_, tube_}) {
    g->setHeading(0, Msg(lang, 48, "No."));
    g->setHeading(1, Msg(lang, 57, "Name"));
    g->setHeading(2, Msg(lang, 60, "Size") + " (" + t + ")");
    g->numberRows();
  }
  actual_->setHeading(0, Msg(lang, 57, "Name"));
  const InsulTables& in = state_.insul;
  for (int r = 1; r <= 12; ++r) actual_->setRowLabel(r, in.sheet[u][0][r - 1]);
  for (int c = 1; c <= 40; ++c) actual_->setHeading(c, in.tube[u][0][c - 1]);
  actual_->resizeColumnToContents(0);
}

void InsulSizeDialog::tablesToGrids() {
  const InsulTables& in = state_.insul;
  const int u = state_.settings.unitSystem() - 1;
  for (int col = 1; col <= 2; ++col) {
    for (int r = 1; r <= 12; ++r) sheet_->setCell(col, r, in.sheet[u][col - 1][r - 1]);
    for (int r = 1; r <= 40; ++r) tube_->setCell(col, r, in.tube[u][col - 1][r - 1]);
  }
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 40; ++c) actual_->setCell(c, r, in.tubeThickness[u][r - 1][c - 1]);
}

void InsulSizeDialog::gridsToTables() {
  InsulTables& in = state_.insul;
  const int u = state_.settings.unitSystem() - 1;
  for (int col = 1; col <= 2; ++col) {
    for (int r = 1; r <= 12; ++r) in.sheet[u][col - 1][r - 1] = sheet_->cell(col, r).left(10);
    for (int r = 1; r <= 40; ++r) in.tube[u][col - 1][r - 1] = tube_->cell(col, r).left(10);
  }
  for (int r = 1; r <= 12; ++r)
    for (int c = 1; c <= 40; ++c) in.tubeThickness[u][r - 1][c - 1] = actual_->cell(c, r).left(10);
}

void InsulSizeDialog::showEvent(QShowEvent* event) {
  saved_ = state_.insul;
  insulHeadings();
  tablesToGrids();
  QDialog::showEvent(event);
}

void InsulSizeDialog::accept() {
  gridsToTables();
  WriteInsulFile(state_.insul, state_.lang, state_.insulPath());  // silent on failure
  QDialog::accept();
}

void InsulSizeDialog::reject() {
  state_.insul = saved_;
  insulHeadings();
  tablesToGrids();
  QDialog::reject();
}

void InsulSizeDialog::applyLanguage() {
  ApplyLanguage(*this, state_.lang, objectName());
}

}  // namespace qora
