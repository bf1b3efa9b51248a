#include "shell/factor_sheet.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

#include "engine/units.h"
#include "model/app_state.h"
#include "shell/click_label.h"
#include "shell/num_key_filter.h"

namespace qora {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A numeric box bound to a [PARAMETERS] text key: every edit goes to the settings at once.
QLineEdit* MakeEdit(QWidget* parent, const char* name, AppState& state, const char* key) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setProperty("settingsKey", key);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(80);
  InstallNumKeyPress(edit);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [&state, key](const QString& text) {
    state.settings.setText(kSecParams, KeyName::runtime(key), text);
  });
  return edit;
}

}  // namespace

FactorSheet::FactorSheet(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("FactorSheet");
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("FactorScrollBox");
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  outer->addWidget(scroll_);
  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(8, 8, 8, 8);
  column->setSpacing(8);

  haPanel_ = new QFrame(content);
  haPanel_->setObjectName("HaPanel");
  haPanel_->setFrameShape(QFrame::StyledPanel);
  haPanel_->setFixedHeight(kHaCollapsed);
  buildHaPanel();
  column->addWidget(haPanel_);
  buildEconPanel(content);
  column->addStretch();
  scroll_->setWidget(content);

  animation_ = new QTimer(this);
  animation_->setInterval(10);
  connect(animation_, &QTimer::timeout, this, &FactorSheet::stepHaPanel);
}

void FactorSheet::buildHaPanel() {
  QWidget* p = haPanel_;
  auto* haLabel = new ClickLabel(tr("Outside surface coefficient (ha)"), p);
  haLabel->setObjectName("HaLabel");
  haLabel->setGeometry(10, 13, 240, 24);
  ha_ = new QComboBox(p);
  ha_->setObjectName("HaComboBox");
  ha_->setGeometry(255, 12, 220, 26);
  haLabel->onClick = [this] { ha_->showPopup(); };
  c680_ = MakeLabel(p, "C680StaticText", QStringLiteral("ASTM C680"));
  c680_->setGeometry(490, 13, 120, 24);
  c680_->setStyleSheet(QStringLiteral("font-weight: bold; color: #14365f;"));
  connect(ha_, &QComboBox::activated, this, [this](int) {
    factorsFromDialog();
    factorsToDialog();
    emit factorByChanged();
  });

  MakeLabel(p, "SelPpShapeLabel", tr("Surface shape"))->setGeometry(10, 63, 240, 24);
  shape_ = new QComboBox(p);
  shape_->setObjectName("SelPpShapeComboBox");
  shape_->setGeometry(255, 62, 260, 26);

  MakeLabel(p, "WindLabel", tr("Wind speed"))->setGeometry(10, 103, 240, 24);
  MakeEdit(p, "WindEdit", state_, "WINDspd")->move(255, 102);
  MakeLabel(p, "WindUnitLabel", {})->setGeometry(345, 103, 140, 24);

  MakeLabel(p, "EmLabel", tr("Emissivity"))->setGeometry(10, 143, 200, 24);
  QLabel* epsilon = MakeLabel(p, "EmSymLabel", QStringLiteral("\u03b5"));
  // Tall enough for the line height of every edition's face (Thai faces are the tallest).
  epsilon->setGeometry(225, 140, 24, 30);
  epsilon->setStyleSheet(QStringLiteral("font-size: 16px; font-style: italic;"));
  emissivity_ = new QComboBox(p);
  emissivity_->setObjectName("EmComboBox");
  emissivity_->setGeometry(255, 142, 220, 26);

  const struct {
    const char* label;
    const char* edit;
    const char* key;
    int y;
  } boxes[] = {{"EmNoJacketLabel", "EmNoJacketEdit", "Em-NoJacket", 183},
               {"EmJacketLabel", "EmJacketEdit", "Em-Jacket", 218},
               {"EmCusLabel", "EmCusEdit", "Em-Customize", 253}};
  for (const auto& b : boxes) {
    MakeLabel(p, b.label, {})->setGeometry(40, b.y + 1, 200, 24);
    MakeEdit(p, b.edit, state_, b.key)->move(255, b.y);
  }
}

void FactorSheet::buildEconPanel(QWidget* parent) {
  auto* panel = new QFrame(parent);
  panel->setObjectName("EconPanel");
  panel->setFrameShape(QFrame::StyledPanel);
  parent->layout()->addWidget(panel);
  auto* g = new QGridLayout(panel);
  g->setHorizontalSpacing(8);
  g->setVerticalSpacing(6);
  g->setColumnMinimumWidth(0, 235);
  int row = 0;
  auto unit = [&](const char* name, const QString& text, int r, int c) {
    g->addWidget(MakeLabel(panel, name, text), r, c);
  };

  g->addWidget(MakeLabel(panel, "EconUnLabel", tr("Currency")), row, 0);
  currency_ = new QComboBox(panel);
  currency_->setObjectName("EconUnComboBox");
  currency_->setEditable(true);
  currency_->addItems({"$", "DM", "YEN", "BAHT", "RMB"});
  currency_->setFixedWidth(100);
  g->addWidget(currency_, row++, 1);
  connect(currency_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    state_.settings.setText(kSecParams, "currency", text);
    currencyChanged();
  });

  g->addWidget(MakeLabel(panel, "EconDpYLabel", tr("Working days")), row, 0);
  g->addWidget(MakeEdit(panel, "EconDpYEdit", state_, "DayofYear"), row, 1);
  unit("EconUnDpYLabel", tr("days/year"), row++, 2);
  g->addWidget(MakeLabel(panel, "EconHpDLabel", tr("Working hours")), row, 0);
  g->addWidget(MakeEdit(panel, "EconHpDEdit", state_, "HourofDay"), row, 1);
  unit("EconUnHpDLabel", tr("hrs/day"), row++, 2);

  g->addWidget(MakeLabel(panel, "SourceStaticText", tr("Energy source")), row, 0);
  source_ = new QComboBox(panel);
  source_->setObjectName("SourceComboBox");
  g->addWidget(source_, row++, 1, 1, 2);

  g->addWidget(MakeLabel(panel, "SrcElecLabel", tr("Electricity cost")), row, 0);
  g->addWidget(MakeEdit(panel, "SrcElecCostEdit", state_, "Elec-Cost"), row, 1);
  unit("SrcUElecLabel", {}, row++, 2);
  g->addWidget(MakeLabel(panel, "SrcGasLabel", tr("Gas cost, energy")), row, 0);
  g->addWidget(MakeEdit(panel, "SrcGasCostEdit", state_, "Gas-Cost"), row, 1);
  unit("SrcUGasLabel", {}, row, 2);
  g->addWidget(MakeEdit(panel, "SrcGasEdit", state_, "Gas-Energy"), row, 3);
  unit("SrcGasUnitLabel", QStringLiteral("kW.hr/kg"), row++, 4);
  g->addWidget(MakeLabel(panel, "SrcOilLabel", tr("Oil cost, energy")), row, 0);
  g->addWidget(MakeEdit(panel, "SrcOilCostEdit", state_, "Oil-Cost"), row, 1);
  unit("SrcUOilLabel", {}, row, 2);
  g->addWidget(MakeEdit(panel, "SrcOilEdit", state_, "Oil-Energy"), row, 3);
  unit("SrcOilUnitLabel", QStringLiteral("kW.hr/Ltr"), row++, 4);
  g->addWidget(MakeLabel(panel, "SrcOthLabel", tr("Other cost")), row, 0);
  g->addWidget(MakeEdit(panel, "SrcOthCostEdit", state_, "Other-Cost"), row, 1);
  unit("SrcUOthLabel", {}, row++, 2);
  g->addWidget(MakeLabel(panel, "StaticText1", tr("Air-conditioning power")), row, 0);
  g->addWidget(MakeEdit(panel, "kWTREdit", state_, "kWTR"), row, 1);
  unit("kWTRUnitLabel", QStringLiteral("kW/TR"), row++, 2);
  g->setColumnStretch(5, 1);
}

void FactorSheet::factorsFromDialog() {
  Settings& s = state_.settings;
  s.setFactorBy(ha_->currentIndex() + 1);
  s.setInteger(kSecParams, "Shape", shape_->currentIndex());
  s.setInteger(kSecParams, "Emission", emissivity_->currentIndex() + 1);
  s.setInteger(kSecParams, "Source", source_->currentIndex() + 1);
}

void FactorSheet::factorsToDialog() {
  const Settings& s = state_.settings;
  // An index that names no entry leaves the selector without a selection.
  auto select = [](QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
  };
  select(ha_, s.factorBy() - 1);
  select(shape_, s.surfaceShape());
  select(emissivity_, s.emissivityChoice() - 1);
  select(source_, s.energySource() - 1);
  c680_->setVisible(s.factorBy() == 2);
  target_ = s.factorBy() == 2 ? kHaOpened : kHaCollapsed;
  if (isVisible()) {
    animation_->start();
  } else {
    animation_->stop();
    haPanel_->setFixedHeight(target_);
  }
}

void FactorSheet::stepHaPanel() {
  const int h = haPanel_->height();
  if (h == target_) {
    animation_->stop();
    return;
  }
  const int next = h < target_ ? std::min(h + 10, target_) : std::max(h - 10, target_);
  haPanel_->setFixedHeight(next);
}

void FactorSheet::syncFromSettings() {
  const LanguageTexts& lang = state_.lang;
  auto fill = [](QComboBox* box, const auto& names) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const QString& n : names) box->addItem(n);
  };
  fill(ha_, lang.factorByNames);
  fill(shape_, lang.shapeNames);
  fill(emissivity_, lang.emissivityNames);
  fill(source_, lang.energySourceNames);
  findChild<QLabel*>("EmNoJacketLabel")->setText(lang.emissivityNames[0]);
  findChild<QLabel*>("EmJacketLabel")->setText(lang.emissivityNames[1]);
  findChild<QLabel*>("EmCusLabel")->setText(lang.emissivityNames[2]);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    const QByteArray key = edit->property("settingsKey").toByteArray();
    if (!key.isEmpty()) {
      edit->setText(state_.settings.text(kSecParams, KeyName::runtime(key.toStdString())));
    }
  }
  {
    const QSignalBlocker quiet(currency_);
    currency_->setEditText(state_.settings.text(kSecParams, "currency"));
  }
  relabelUnits();
  factorsToDialog();
  currencyChanged();
}

void FactorSheet::relabelUnits() {
  findChild<QLabel*>("WindUnitLabel")
      ->setText(state_.lang.UnitLabel(state_.settings.unitSystem(), kQWindSpeed));
}

void FactorSheet::currencyChanged() {
  const QString c = currency_->currentText();
  findChild<QLabel*>("SrcUElecLabel")->setText(c + "/kW.hr");
  findChild<QLabel*>("SrcUGasLabel")->setText(c + "/kg");
  findChild<QLabel*>("SrcUOilLabel")->setText(c + "/Ltr");
  findChild<QLabel*>("SrcUOthLabel")->setText(c + "/kW.hr");
}

void FactorSheet::scrollToTop() {
  scroll_->verticalScrollBar()->setValue(0);
}

}  // namespace qora
