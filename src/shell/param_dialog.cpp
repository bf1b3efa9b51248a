#include "shell/param_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "shell/factor_sheet.h"
#include "shell/language_apply.h"
#include "shell/qdt_grid.h"
#include "shell/shell_style.h"

namespace qora {

namespace {

// A message text, or the English layout text while no message file has been read.
QString Msg(const LanguageTexts& lang, int i, const char* fallback) {
  const QString text = lang.MsgText(i);
  return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

QString Cut(const QString& text) {
  return text.left(10);
}  // table entries: 10 characters

QLabel* Caption(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setProperty("role", "heading");
  return label;
}

}  // namespace

ParamDialog::ParamDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("ParamDlg");
  setWindowTitle(tr("Parameters"));
  setModal(true);
  resize(700, 600);
  ApplyDialogStyle(*this);
  auto* outer = new QVBoxLayout(this);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("ParamPageControl");
  pages_->addTab(buildPipeSheet(), tr("Pipe Sizes"));
  pages_->addTab(
      buildTableSheet("kSheet", "kValStrGrd", kGrid_, 2, "kValStaticText", "kUnitStaticText"),
      tr("k Value"));
  pages_->addTab(buildTableSheet("RHSheet", "RHStrGrd", rhGrid_, 1, "RHStaticText", nullptr),
                 tr("RH"));
  pages_->addTab(
      buildTableSheet("RSheet", "RValStrGrd", rGrid_, 2, "RValStaticText", "RUnitStaticText"),
      tr("R Value"));
  pages_->addTab(buildTableSheet("TsufSheet", "TsufStrGrd", tsurfGrid_, 1, "TsufStaticText",
                                 "TsufUnitStaticText"),
                 tr("Surface Temp."));
  factors_ = new FactorSheet(state_, this);
  pages_->addTab(factors_, tr("Factors"));
  outer->addWidget(pages_);

  rGrid_->setColumnKeys(1, CellKeys::Any);  // R labels are free text
  auto* kButton = new QPushButton(tr("k Value..."), pages_->widget(1));
  kButton->setObjectName("kCalcBitBtn");
  kButton->setToolTip(QStringLiteral("QORALINE k Value"));
  connect(kButton, &QPushButton::clicked, this, &ParamDialog::kValueRequested);
  pages_->widget(1)->layout()->addWidget(kButton);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("OKBitBtn");
  auto* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName("CancelBitBtn");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  outer->addWidget(buttons);

  connect(factors_, &FactorSheet::factorByChanged, this, &ParamDialog::factorByChanged);
  for (QdtGrid* g : {kGrid_, rhGrid_, rGrid_, tsurfGrid_})
    connect(g, &QdtGrid::edited, this, &ParamDialog::otherGridsToTables);
  pages_->setCurrentIndex(0);
}

QWidget* ParamDialog::buildPipeSheet() {
  auto* page = new QWidget;
  page->setObjectName("PipeSheet");
  auto* v = new QVBoxLayout(page);
  auto* top = new QHBoxLayout;
  auto* text = new QLabel(tr("Pipe type"), page);
  text->setObjectName("SelPipeText");
  pipeType_ = new QComboBox(page);
  pipeType_->setObjectName("SelPipeComboBox");
  pipeType_->setMinimumWidth(200);
  top->addWidget(text);
  top->addWidget(pipeType_);
  top->addStretch();
  v->addLayout(top);
  pipeGrid_ = new QdtGrid(3, 40, page);
  pipeGrid_->setObjectName("PpSzStrGrd");
  pipeGrid_->setColumnKeys(1, CellKeys::Any);  // size names are free text
  pipeGrid_->setRowsMovable(true);
  for (int c = 1; c <= 3; ++c) pipeGrid_->setColumnWidth(c, 150);
  v->addWidget(pipeGrid_);
  connect(pipeType_, &QComboBox::activated, this, [this](int index) {
    state_.settings.setInteger(kSecParams, "PipeSizes", index + 1);
    pipeTableToGrid();
  });
  connect(pipeGrid_, &QdtGrid::edited, this, &ParamDialog::pipeGridToTable);
  connect(pipeGrid_, &QdtGrid::rowMoved, this, &ParamDialog::pipeGridToTable);
  connect(pipeGrid_, &QdtGrid::enterPressed, this, [this](int col) {
    if (col == 1) checkDiameters();
  });
  return page;
}

QWidget* ParamDialog::buildTableSheet(const char* name, const char* gridName, QdtGrid*& grid,
                                      int cols, const char* title, const char* unit) {
  auto* page = new QWidget;
  page->setObjectName(name);
  auto* v = new QVBoxLayout(page);
  auto* head = new QHBoxLayout;
  head->addWidget(Caption(page, title, {}));
  if (unit) {
    auto* u = new QLabel(page);
    u->setObjectName(unit);
    head->addWidget(u);
  }
  head->addStretch();
  v->addLayout(head);
  grid = new QdtGrid(cols, 10, page);
  grid->setObjectName(gridName);
  for (int c = 1; c <= cols; ++c) grid->setColumnWidth(c, 160);
  grid->setMaximumWidth(60 + 165 * cols);
  v->addWidget(grid);
  return page;
}

void ParamDialog::showEvent(QShowEvent* event) {
  savedTables_ = state_.params;
  savedSettings_ = state_.settings;
  activate();
  QDialog::showEvent(event);
}

void ParamDialog::activate() {
  const LanguageTexts& lang = state_.lang;
  const int u = state_.settings.unitSystem();
  const QString t = lang.UnitLabel(u, kQThickness);
  factors_->scrollToTop();

  const QString corner = Msg(lang, 48, "No.");
  for (QdtGrid* g : {pipeGrid_, kGrid_, rhGrid_, rGrid_, tsurfGrid_}) {
    g->setHeading(0, corner);
    g->numberRows();
  }
  pipeGrid_->setHeading(1, Msg(lang, 49, "Size"));
  pipeGrid_->setHeading(2, Msg(lang, 50, "OD") + "(" + t + ")");
  pipeGrid_->setHeading(3, Msg(lang, 56, "ID") + "(" + t + ")");
  {
    const QSignalBlocker quiet(pipeType_);
    pipeType_->clear();
    const QString ips = lang.captions.value("InsCostDlg.IPSTabSheet");
    const QString copper = lang.captions.value("InsCostDlg.CpTabSheet");
    pipeType_->addItem(ips.isEmpty() ? lang.pipeTypeNames[0] : ips);
    pipeType_->addItem(copper.isEmpty() ? lang.pipeTypeNames[1] : copper);
    pipeType_->setCurrentIndex(state_.settings.pipeType() - 1);
  }
  pipeTableToGrid();

  findChild<QLabel*>("kValStaticText")->setText(lang.QuantityName(kQConductivity));
  findChild<QLabel*>("kUnitStaticText")->setText("(" + lang.UnitLabel(u, kQConductivity) + ")");
  kGrid_->setHeading(1, " " + Msg(lang, 51, "Chilled Water"));
  kGrid_->setHeading(2, "    " + Msg(lang, 52, "Hot Water"));
  rhGrid_->setHeading(1, lang.QuantityName(kQRelHumidity));
  findChild<QLabel*>("RValStaticText")->setText(lang.QuantityName(kQResistance));
  findChild<QLabel*>("RUnitStaticText")->setText("(" + lang.UnitLabel(u, kQResistance) + ")");
  rGrid_->setHeading(1, Msg(lang, 58, "Name"));
  rGrid_->setHeading(2, Msg(lang, 59, "R Value"));
  findChild<QLabel*>("TsufUnitStaticText")->setText("(" + lang.UnitLabel(u, kQTemperature) + ")");
  tsurfGrid_->setHeading(1, lang.QuantityName(kQTemperature));
  otherTablesToGrids();
  factors_->syncFromSettings();
}

void ParamDialog::pipeGridToTable() {
  auto& rows =
      state_.params.pipeSize[state_.settings.pipeType() - 1][state_.settings.unitSystem() - 1];
  for (int r = 1; r <= 40; ++r)
    for (int c = 1; c <= 3; ++c) rows[r - 1][c - 1] = Cut(pipeGrid_->cell(c, r));
}

void ParamDialog::pipeTableToGrid() {
  const auto& rows =
      state_.params.pipeSize[state_.settings.pipeType() - 1][state_.settings.unitSystem() - 1];
  for (int r = 1; r <= 40; ++r)
    for (int c = 1; c <= 3; ++c) pipeGrid_->setCell(c, r, rows[r - 1][c - 1]);
}

void ParamDialog::otherGridsToTables() {
  ParamTables& p = state_.params;
  const int u = state_.settings.unitSystem() - 1;
  for (int r = 1; r <= 10; ++r) {
    p.kChilled[u][r - 1] = Cut(kGrid_->cell(1, r));
    p.kHot[u][r - 1] = Cut(kGrid_->cell(2, r));
    p.rh[r - 1] = Cut(rhGrid_->cell(1, r));
    p.rValue[u][0][r - 1] = Cut(rGrid_->cell(1, r));
    p.rValue[u][1][r - 1] = Cut(rGrid_->cell(2, r));
    p.tsurf[u][r - 1] = Cut(tsurfGrid_->cell(1, r));
  }
}

void ParamDialog::otherTablesToGrids() {
  const ParamTables& p = state_.params;
  const int u = state_.settings.unitSystem() - 1;
  for (int r = 1; r <= 10; ++r) {
    kGrid_->setCell(1, r, p.kChilled[u][r - 1]);
    kGrid_->setCell(2, r, p.kHot[u][r - 1]);
    rhGrid_->setCell(1, r, p.rh[r - 1]);
    rGrid_->setCell(1, r, p.rValue[u][0][r - 1]);
    rGrid_->setCell(2, r, p.rValue[u][1][r - 1]);
    tsurfGrid_->setCell(1, r, p.tsurf[u][r - 1]);
  }
}

void ParamDialog::checkDiameters() {
  for (int r = 1; r <= 40; ++r) {
    const Real outside = StrToValue(pipeGrid_->cell(2, r).toStdString());
    const Real inside = StrToValue(pipeGrid_->cell(3, r).toStdString());
    if (outside < inside || inside == 0) pipeGrid_->setCell(3, r, pipeGrid_->cell(2, r));
  }
  pipeGridToTable();
}

void ParamDialog::accept() {
  pipeGridToTable();
  otherGridsToTables();
  // The selectors are read before saving, so the file holds what the dialog shows.
  factors_->factorsFromDialog();
  WriteParamFile(state_.params, state_.lang, state_.paramPath());  // silent on failure
  SaveSettings(state_.settings, state_.iniPath());
  QDialog::accept();
  emit settingsSaved();
}

void ParamDialog::reject() {
  state_.params = savedTables_;
  for (const SettingKey& k : SettingKeys()) {
    if (std::string_view(k.section) != kSecParams) continue;
    const KeyName key = KeyName::runtime(k.key);
    state_.settings.setText(k.section, key, savedSettings_.text(k.section, key));
  }
  QDialog::reject();
  emit settingsReloaded();
}

void ParamDialog::applyLanguage() {
  ApplyLanguage(*this, state_.lang, objectName());
}

}  // namespace qora
