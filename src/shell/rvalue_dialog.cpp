#include "shell/rvalue_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "analyses/rvalue/rvalue_analyses.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "shell/click_label.h"
#include "shell/language_apply.h"
#include "shell/num_key_filter.h"
#include "shell/shell_style.h"

namespace qora {

struct RValueDialog::Private {
  AppState& state;
  QButtonGroup* charts = nullptr;
  QRadioButton* byMean = nullptr;
  QRadioButton* byK = nullptr;
  QLineEdit* tmean = nullptr;
  QLabel* tmeanUnit = nullptr;
  QLabel* kOfMean = nullptr;
  QLineEdit* k = nullptr;
  QLabel* kUnit = nullptr;
  explicit Private(AppState& s) : state(s) {}
};

RValueDialog::RValueDialog(AppState& state, QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      d_(new Private(state)) {
  setObjectName("RValueDlg");
  setWindowTitle(tr("R Value"));
  setModal(false);
  ApplyDialogStyle(*this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 8);
  outer->setSpacing(6);

  auto* heading = new QLabel(tr("R Value"), this);
  heading->setObjectName("RValueMenuLabel");
  heading->setProperty("role", "heading");
  outer->addWidget(heading);
  d_->charts = new QButtonGroup(this);
  d_->charts->setExclusive(false);
  const std::array<std::pair<const char*, const char*>, 2> buttons = {
      {{"kConstSpdBtn", "Vary Nominal Thickness"}, {"RConstSpdBtn", "Vary R Value"}}};
  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton(tr(buttons[i].second), this);
    b->setObjectName(buttons[i].first);
    b->setCheckable(true);
    b->setAutoDefault(false);
    b->setMinimumHeight(28);
    d_->charts->addButton(b, i + 1);
    outer->addWidget(b);
  }
  connect(d_->charts, &QButtonGroup::idClicked, this, [this](int id) {
    // One group in which all may be up: pressing a button releases the other.
    for (QAbstractButton* b : d_->charts->buttons())
      if (d_->charts->id(b) != id) b->setChecked(false);
    d_->state.settings.setInteger(kSecRValue, "Analysis", selectedAnalysis());
    changed(true);
  });

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  d_->byMean = new QRadioButton(this);
  d_->byMean->setObjectName("TmeanRdoBtn");
  d_->byK = new QRadioButton(this);
  d_->byK->setObjectName("kRdoBtn");
  auto* tmeanLbl = new ClickLabel(tr("Mean Temperature"), this);
  tmeanLbl->setObjectName("TmeanLbl");
  auto* kLbl = new ClickLabel(tr("Thermal Conductivity k"), this);
  kLbl->setObjectName("kLbl");
  d_->tmean = new QLineEdit(this);
  d_->tmean->setObjectName("TmeanEdit");
  d_->k = new QLineEdit(this);
  d_->k->setObjectName("kEdit");
  for (QLineEdit* e : {d_->tmean, d_->k}) {
    e->setFixedWidth(70);
    e->setAlignment(Qt::AlignRight);
    InstallNumKeyPress(e);
  }
  d_->tmeanUnit = new QLabel(this);
  d_->tmeanUnit->setObjectName("TmeanUnitLbl");
  d_->kUnit = new QLabel(this);
  d_->kUnit->setObjectName("kUnitLbl");
  d_->kOfMean = new QLabel(QStringLiteral("0.0034"), this);
  d_->kOfMean->setObjectName("kValueTmeanLbl");
  grid->addWidget(d_->byMean, 0, 0);
  grid->addWidget(tmeanLbl, 0, 1);
  grid->addWidget(d_->tmean, 0, 2);
  grid->addWidget(d_->tmeanUnit, 0, 3);
  grid->addWidget(d_->kOfMean, 1, 2, Qt::AlignRight);
  grid->addWidget(d_->byK, 2, 0);
  grid->addWidget(kLbl, 2, 1);
  grid->addWidget(d_->k, 2, 2);
  grid->addWidget(d_->kUnit, 2, 3);
  grid->setColumnStretch(3, 1);
  outer->addLayout(grid);
  auto* sources = new QButtonGroup(this);
  sources->addButton(d_->byMean);
  sources->addButton(d_->byK);
  connect(d_->byMean, &QRadioButton::clicked, this, [this] { chooseSource(true); });
  connect(d_->byK, &QRadioButton::clicked, this, [this] { chooseSource(false); });
  tmeanLbl->onClick = [this] { chooseSource(true); };
  kLbl->onClick = [this] { chooseSource(false); };

  connect(d_->tmean, &QLineEdit::textEdited, this, [this](const QString& text) {
    d_->state.settings.setText(kSecRValue, "Tmean", text);
    d_->kOfMean->setText(meanTemperatureK());
    changed(false);
  });
  connect(d_->k, &QLineEdit::textEdited, this, [this](const QString& text) {
    d_->state.settings.setText(kSecRValue, "k", text);
    changed(false);
  });

  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("CloseBitBtn");
  close->setAutoDefault(false);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(close);
  outer->addLayout(bottom);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  syncFromSettings();
  relabelUnits(state.settings.unitSystem());
}

RValueDialog::~RValueDialog() {
  delete d_;
}

int RValueDialog::selectedAnalysis() const {
  for (QAbstractButton* b : d_->charts->buttons())
    if (b->isChecked()) return d_->charts->id(b);
  return 0;
}

void RValueDialog::setSelectedAnalysis(int n) {
  for (QAbstractButton* b : d_->charts->buttons()) b->setChecked(d_->charts->id(b) == n);
  d_->state.settings.setInteger(kSecRValue, "Analysis", selectedAnalysis());
}

QString RValueDialog::meanTemperatureK() const {
  return rvalue::MeanTemperatureKText(d_->state);
}

void RValueDialog::syncFromSettings() {
  const Settings& s = d_->state.settings;
  setSelectedAnalysis(s.integer(kSecRValue, "Analysis"));
  d_->tmean->setText(s.text(kSecRValue, "Tmean"));
  d_->k->setText(s.text(kSecRValue, "k"));
  (s.rValueByMeanTemperature() ? d_->byMean : d_->byK)->setChecked(true);
  showSource();
}

void RValueDialog::relabelUnits(int) {
  const int u = d_->state.settings.unitSystem();
  d_->tmeanUnit->setText(d_->state.lang.UnitLabel(u, kQTemperature));
  d_->kUnit->setText(d_->state.lang.UnitLabel(u, kQConductivity));
  d_->kOfMean->setText(meanTemperatureK());
}

void RValueDialog::applyLanguage() {
  ApplyLanguage(*this, d_->state.lang, objectName());
  for (QAbstractButton* b : d_->charts->buttons()) {
    // A layout placeholder ("-Vary R Value") is a caption the language did not replace.
    if (b->text().startsWith(u'-')) b->setText(b->text().mid(1));
  }
}

void RValueDialog::chooseSource(bool byMeanTemperature) {
  Settings& s = d_->state.settings;
  s.setRValueByMeanTemperature(byMeanTemperature);
  (byMeanTemperature ? d_->byMean : d_->byK)->setChecked(true);
  showSource();
  // The first switch to a typed k starts from the k the mean temperature gives.
  if (d_->k->text().isEmpty()) {
    d_->k->setText(d_->kOfMean->text());
    s.setText(kSecRValue, "k", d_->k->text());
  }
  changed(false);
}

void RValueDialog::showSource() {
  const bool byMean = d_->byMean->isChecked();
  d_->tmean->setVisible(byMean);
  d_->tmeanUnit->setVisible(byMean);
  d_->k->setVisible(!byMean);
  d_->kUnit->setVisible(!byMean);
  d_->kOfMean->setText(meanTemperatureK());
}

void RValueDialog::changed(bool chosen) {
  if (onSelectionChanged) onSelectionChanged(chosen);
}

}  // namespace qora
