#include "shell/insul_cost_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "engine/standard_thickness.h"
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

QWidget* Page(const char* name, const char* headName, QLabel*& head, QdtGrid* grid) {
  auto* page = new QWidget;
  page->setObjectName(name);
  auto* v = new QVBoxLayout(page);
  head = new QLabel(page);
  head->setObjectName(headName);
  head->setProperty("role", "heading");
  v->addWidget(head);
  grid->setParent(page);
  v->addWidget(grid);
  return page;
}

using CostTable = std::array<std::array<Real, 15>, 40>;

void TableToGrid(const CostTable& table, QdtGrid& grid) {
  for (int c = 1; c <= 40; ++c) {
    for (int r = 1; r <= 15; ++r) {
      const Real v = table[c - 1][r - 1];
      grid.setCell(c, r, v > 0 ? QString::fromStdString(ValueToStr(0, 2, v)) : QString());
    }
  }
}

// A negative price is no price: the cell is refused as empty (0), as the grid shows it.
void GridToTable(const QdtGrid& grid, CostTable& table) {
  for (int c = 1; c <= 40; ++c) {
    for (int r = 1; r <= 15; ++r) {
      const Real v = StrToValue(grid.cell(c, r).toStdString());
      table[c - 1][r - 1] = v > 0 ? v : 0;
    }
  }
}

}  // namespace

InsulCostDialog::InsulCostDialog(AppState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
  setObjectName("InsCostDlg");
  setWindowTitle(tr("Insulation Cost"));
  setModal(true);
  resize(820, 600);
  ApplyDialogStyle(*this);
  auto* outer = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  heading_->setObjectName("HdInsCostLabel");
  heading_->setProperty("role", "heading");
  outer->addWidget(heading_);

  ips_ = new QdtGrid(40, 15);
  ips_->setObjectName("IPSStringGrid");
  copper_ = new QdtGrid(40, 15);
  copper_->setObjectName("CpStringGrid");
  for (QdtGrid* g : {ips_, copper_}) {
    g->setColumnWidth(0,
                      g->fontMetrics().horizontalAdvance(QStringLiteral("100 mm.(  1/8\")")) + 12);
    for (int c = 1; c <= 40; ++c) {
      g->setColumnWidth(c, 72);
      g->setColumnKeys(c, CellKeys::NonNegative);  // a price is never negative
    }
  }
  QLabel* ipsHead = nullptr;
  QLabel* cpHead = nullptr;
  pages_ = new QTabWidget(this);
  pages_->setObjectName("InsCostPageControl");
  pages_->addTab(Page("IPSTabSheet", "InsCostIPSHeadLabel", ipsHead, ips_), tr("Iron Pipe (IPS)"));
  pages_->addTab(Page("CpTabSheet", "InsCostCPHeadLabel", cpHead, copper_), tr("Copper Pipe"));
  outer->addWidget(pages_);

  auto* bottom = new QHBoxLayout;
  auto* remLabel = new QLabel(tr("Remark"), this);
  remLabel->setObjectName("RemLabel");
  remark_ = new QLineEdit(this);
  remark_->setObjectName("RemEdit");
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QDialogButtonBox::Ok)->setObjectName("OKBitBtn");
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("CancelBitBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  bottom->addWidget(remLabel);
  bottom->addWidget(remark_, 1);
  bottom->addWidget(buttons);
  outer->addLayout(bottom);
  pages_->setCurrentIndex(0);
  refreshCostDialog();
}

void InsulCostDialog::refreshCostDialog() {
  const LanguageTexts& lang = state_.lang;
  const int u = state_.settings.unitSystem();
  for (QdtGrid* g : {ips_, copper_}) {
    g->setHeading(0, Msg(lang, 6, "Thickness"));
    for (int r = 1; r <= 15; ++r)
      g->setRowLabel(r, QString::fromStdString(InsulThicknessNames[r - 1]));
  }
  for (int c = 1; c <= 40; ++c) {
    ips_->setHeading(c, state_.params.PipeSize(1, u, c, 1));
    copper_->setHeading(c, state_.params.PipeSize(2, u, c, 1));
  }
  const QString currency = state_.settings.text(kSecParams, "currency");
  heading_->setText(Msg(lang, 33, "Installed cost of insulation ") + "(" + currency + "/" +
                    lang.UnitLabel(u, kQLength) + ")");
  const QString head = Msg(lang, 4, "Cost per length by pipe size and thickness");
  findChild<QLabel*>("InsCostIPSHeadLabel")->setText(head);
  findChild<QLabel*>("InsCostCPHeadLabel")->setText(head);
  for (QdtGrid* g : {ips_, copper_}) g->resizeColumnToContents(0);
  ReadCostFile(state_.costs, state_.costPath(), state_.settings.langIndex());
  costTablesToGrids();
}

void InsulCostDialog::costTablesToGrids() {
  TableToGrid(state_.costs.ips, *ips_);
  TableToGrid(state_.costs.copper, *copper_);
  remark_->setText(state_.costs.remark);
}

void InsulCostDialog::costGridsToTables() {
  GridToTable(*ips_, state_.costs.ips);
  GridToTable(*copper_, state_.costs.copper);
  state_.costs.remark = remark_->text();
}

void InsulCostDialog::showEvent(QShowEvent* event) {
  refreshCostDialog();
  QDialog::showEvent(event);
}

void InsulCostDialog::accept() {
  costGridsToTables();
  WriteCostFile(state_.costs, state_.costPath());  // silent on failure
  QDialog::accept();
}

void InsulCostDialog::applyLanguage() {
  ApplyLanguage(*this, state_.lang, objectName());
}

}  // namespace qora
