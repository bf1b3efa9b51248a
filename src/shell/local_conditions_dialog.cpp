#include "shell/local_conditions_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextLayout>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "engine/units.h"
#include "model/app_state.h"
#include "shell/ha_help.h"
#include "shell/language_apply.h"
#include "shell/num_key_filter.h"
#include "shell/shell_style.h"

namespace qora {

namespace {

struct Selector {
  const char* name;
  const char* caption;  // English layout text, replaced from the message file
};

// Three groups (2 + 3 + 3 buttons) in table order; the order is the analysis number 1..8.
constexpr std::array<Selector, 8> kChilledSelectors = {{
    {"CH_kConstSpdBtn", "Constant k"},
    {"CH_RHConstSpdBtn", "Constant RH"},
    {"CH_TsurfSpdBtn", "Surface Temperature"},
    {"CH_TlenSpdBtn", "Temp. along Length"},
    {"CH_TtimeSpdBtn", "Temp. over Time"},
    {"CH_EInsThSpdBtn", "Energy Gain"},
    {"CH_ECsInsThSpdBtn", "Energy Cost"},
    {"CH_OvallCstSpdBtn", "Overall Cost"},
}};
constexpr std::array<Selector, 8> kHotSelectors = {{
    {"HOT_kConstSpdBtn", "Constant k"},
    {"HOT_TConstSpdBtn", "Constant Tsurface"},
    {"HOT_TsufSpdBtn", "Surface Temperature"},
    {"HOT_TlnSpdBtn", "Temp. along Length"},
    {"HOT_TtimeSpdBtn", "Temp. over Time"},
    {"HOT_ElosSpdBtn", "Heat Loss"},
    {"HOT_ElosCstSpdBtn", "Heat Loss Cost"},
    {"HOT_OvallCstSpdBtn", "Overall Cost"},
}};

}  // namespace

struct LocalConditionsDialog::Private {
  AppState& state;
  LineKind kind;
  const char* section;
  QButtonGroup* selectors = nullptr;
  QLineEdit* tdb = nullptr;
  QLineEdit* top = nullptr;
  QLineEdit* ha = nullptr;
  QLabel* tdbUnit = nullptr;
  QLabel* topUnit = nullptr;
  QLabel* haUnit = nullptr;
  QLabel* astm = nullptr;
  QPlainTextEdit* help = nullptr;
  Private(AppState& s, LineKind k)
      : state(s), kind(k), section(k == LineKind::Chilled ? kSecChilled : kSecHot) {}
};

namespace {

QLabel* Heading(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->setProperty("role", "heading");
  return label;
}

}  // namespace

LocalConditionsDialog::LocalConditionsDialog(AppState& state, LineKind kind, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      d_(new Private(state, kind)) {
  const bool chilled = kind == LineKind::Chilled;
  setObjectName(chilled ? "ChillLocalDlg" : "HotLocalDlg");
  setWindowTitle(chilled ? tr("Chilled Water : Local Conditions")
                         : tr("Hot Water : Local Conditions"));
  setModal(false);
  setFixedWidth(482);
  ApplyDialogStyle(*this);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 8);
  outer->setSpacing(4);

  // Selector buttons under their three headings.
  d_->selectors = new QButtonGroup(this);
  d_->selectors->setExclusive(false);
  const auto& defs = chilled ? kChilledSelectors : kHotSelectors;
  const std::array<const char*, 3> headingText = {
      chilled ? "Condensation Minimum Thickness Recommendation"
              : "Minimum Thickness Recommendation",
      "Temperature Control", "Economic Thickness Recommendation"};
  const std::array<int, 4> groupStart = {0, 2, 5, 8};
  for (int g = 0; g < 3; ++g) {
    const QByteArray name = "Label" + QByteArray::number(g + 1);
    outer->addWidget(Heading(name.constData(), headingText[g], this));
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    for (int i = groupStart[g]; i < groupStart[g + 1]; ++i) {
      auto* button = new QPushButton(QString::fromUtf8(defs[i].caption), this);
      button->setObjectName(defs[i].name);
      button->setCheckable(true);
      button->setAutoDefault(false);
      button->setMinimumHeight(28);
      d_->selectors->addButton(button, i + 1);
      row->addWidget(button);
    }
    outer->addLayout(row);
  }
  // The screen beside the dialog hears of both through the selector's callback.
  connect(this, &LocalConditionsDialog::analysisChosen, this, [this] {
    // Kept with the settings, so a restart reopens the chart the user left.
    d_->state.settings.setInteger(d_->section, "Analysis", selectedAnalysis());
    if (onSelectionChanged) onSelectionChanged(true);
  });
  connect(this, &LocalConditionsDialog::conditionsChanged, this, [this] {
    if (onSelectionChanged) onSelectionChanged(false);
  });
  connect(d_->selectors, &QButtonGroup::idClicked, this, [this](int id) {
    // One group in which all may be up: pressing a button releases every other one.
    for (QAbstractButton* b : d_->selectors->buttons())
      if (d_->selectors->id(b) != id) b->setChecked(false);
    emit analysisChosen();
  });

  // Local conditions on the left, surface-coefficient help on the right.
  auto* lower = new QHBoxLayout;
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  auto addRow = [&](int row, const char* labelName, const char* labelText, const char* editName,
                    const char* unitName, QLineEdit*& edit, QLabel*& unit) {
    auto* label = new QLabel(QString::fromUtf8(labelText), this);
    label->setObjectName(labelName);
    edit = new QLineEdit(this);
    edit->setObjectName(editName);
    edit->setFixedWidth(70);
    edit->setAlignment(Qt::AlignRight);
    unit = new QLabel(this);
    unit->setObjectName(unitName);
    unit->setMinimumWidth(90);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(unit, row, 2);
  };
  addRow(0, "TdbLabel", "Tdb", "TdbEdit", "TdbUnitLabel", d_->tdb, d_->tdbUnit);
  addRow(1, "TopLabel", "Top", "TopEdit", "TopUnitLabel", d_->top, d_->topUnit);
  addRow(2, "haLabel", "ha", "haEdit", "haUnitLabel", d_->ha, d_->haUnit);
  d_->astm = new QLabel(QStringLiteral("BY ASTM C680"), this);
  d_->astm->setObjectName("ASTMC680StaticText");
  d_->astm->setStyleSheet(QStringLiteral("font-weight: bold; color: #1a4f8b;"));
  d_->astm->hide();
  grid->addWidget(d_->astm, 2, 1, 1, 2);
  grid->setRowStretch(3, 1);
  InstallNumKeyPress(d_->tdb);
  InstallNumKeyPress(d_->top);  // ha takes any text: the analysis converts what it can

  d_->help = new QPlainTextEdit(this);
  d_->help->setObjectName("haHelp");
  StyleHaHelp(*d_->help);
  lower->addLayout(grid, 1);
  outer->addSpacing(6);
  outer->addLayout(lower);
  outer->addWidget(d_->help);

  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("CloseBitBtn");
  close->setAutoDefault(false);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(close);
  outer->addLayout(bottom);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);

  auto bind = [this](QLineEdit* edit, KeyName key) {
    connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
      d_->state.settings.setText(d_->section, key, text);
      emit conditionsChanged();
    });
  };
  bind(d_->tdb, "Tdb");
  bind(d_->top, "Top");
  bind(d_->ha, "Hair");

  syncFromSettings();
  relabelUnits(d_->state.settings.unitSystem());
}

LocalConditionsDialog::~LocalConditionsDialog() {
  delete d_;
}

LineKind LocalConditionsDialog::kind() const {
  return d_->kind;
}

int LocalConditionsDialog::selectedAnalysis() const {
  for (QAbstractButton* b : d_->selectors->buttons())
    if (b->isChecked()) return d_->selectors->id(b);
  return 0;
}

void LocalConditionsDialog::setSelectedAnalysis(int n) {
  for (QAbstractButton* b : d_->selectors->buttons()) b->setChecked(d_->selectors->id(b) == n);
  d_->state.settings.setInteger(d_->section, "Analysis", selectedAnalysis());
}

void LocalConditionsDialog::syncFromSettings() {
  const Settings& s = d_->state.settings;
  setSelectedAnalysis(s.integer(d_->section, "Analysis"));
  d_->tdb->setText(s.text(d_->section, "Tdb"));
  d_->top->setText(s.text(d_->section, "Top"));
  d_->ha->setText(s.text(d_->section, "Hair"));
  applyFactorBy();
}

void LocalConditionsDialog::relabelUnits(int oldSystem) {
  const int now = d_->state.settings.unitSystem();
  const LanguageTexts& lang = d_->state.lang;
  d_->tdbUnit->setText(lang.UnitLabel(now, kQTemperature));
  d_->topUnit->setText(lang.UnitLabel(now, kQTemperature));
  d_->haUnit->setText(lang.UnitLabel(now, kQSurfaceCoef));
  FillHaHelp(*d_->help, lang, now);
  fitHeights();
  // The settings hold the converted values already; the boxes show them.
  if (oldSystem != now) {
    const Settings& s = d_->state.settings;
    d_->tdb->setText(s.text(d_->section, "Tdb"));
    d_->top->setText(s.text(d_->section, "Top"));
    d_->ha->setText(s.text(d_->section, "Hair"));
  }
}

void LocalConditionsDialog::applyFactorBy() {
  const bool typed = d_->state.settings.factorBy() != 2;
  d_->ha->setVisible(typed);
  d_->haUnit->setVisible(typed);
  d_->astm->setVisible(!typed);
}

void LocalConditionsDialog::applyLanguage() {
  ApplyLanguage(*this, d_->state.lang, objectName());
  // The edition's faces may be taller than the ones the dialog was built with.
  fitHeights();
}

void LocalConditionsDialog::fitHeights() {
  // Five help lines, the whole width of the window: no line is cut and nothing scrolls. A
  // line is as tall as the faces that draw it (Thai marks above and below, the fallback
  // face of a character the box's face lacks), which may exceed the box's line spacing.
  QPlainTextEdit& help = *d_->help;
  qreal line = help.fontMetrics().lineSpacing();
  for (const QString& text : help.toPlainText().split(u'\n')) {
    QTextLayout layout(text, help.font());
    layout.beginLayout();
    const QTextLine l = layout.createLine();
    layout.endLayout();
    if (l.isValid()) line = std::max(line, l.height());
  }
  help.setFixedHeight(static_cast<int>(std::ceil(line * 5)) + 14);
  // The controls' new faces reach the nested layouts' cached sizes only when the layout
  // is activated again.
  layout()->invalidate();
  layout()->activate();
  setFixedHeight(std::max(379, sizeHint().height()));
}

}  // namespace qora
