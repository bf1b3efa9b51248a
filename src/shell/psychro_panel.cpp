#include "shell/psychro_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "documents/psychro_calculator.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "shell/num_key_filter.h"

namespace qora {

namespace {

QLabel* NamedLabel(const char* name, QWidget* parent, bool bold = false) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  if (bold) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  return l;
}

QLineEdit* NamedEdit(const char* name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setFixedWidth(70);
  e->setAlignment(Qt::AlignRight);
  InstallNumKeyPress(e);
  return e;
}

}  // namespace

PsychroPanel::PsychroPanel(AppState& state, QWidget* parent) : QFrame(parent), state_(state) {
  setObjectName("APDXApPanel");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xE9, 0xEE, 0xF4));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(2);
  tdb_ = NamedEdit("APDXApTdbEdit", this);
  tdp_ = NamedEdit("APDXApTdpEdit", this);
  rh_ = NamedEdit("APDXApRHUntEdit", this);
  tdbUnit_ = NamedLabel("APDXApTdbUntLabel", this);
  tdpUnit_ = NamedLabel("APDXApTdpUntLabel", this);
  rhUnit_ = NamedLabel("APDXApRHUntLabel2", this);
  rhAnswer_ = NamedLabel("APDXApRHAnsLabel", this, true);
  tdpAnswer_ = NamedLabel("APDXApTdpAnsLabel", this, true);
  for (QLabel* answer : {rhAnswer_, tdpAnswer_}) {
    answer->setMinimumWidth(90);
    answer->setStyleSheet("QLabel { color: #0000c0; }");
  }

  // Row 0: the room temperature both answers need. Rows 1 and 2: each calculation with
  // its input and its answer.
  grid->addWidget(NamedLabel("APDXLabel", this, true), 0, 0);
  grid->addWidget(NamedLabel("APDXApTdbLabel", this), 0, 1, Qt::AlignRight);
  grid->addWidget(tdb_, 0, 2);
  grid->addWidget(tdbUnit_, 0, 3);
  grid->addWidget(NamedLabel("APDXApRHLabel1", this), 1, 0);
  grid->addWidget(NamedLabel("APDXApTdpLabel2", this), 1, 1, Qt::AlignRight);
  grid->addWidget(tdp_, 1, 2);
  grid->addWidget(tdpUnit_, 1, 3);
  grid->addWidget(NamedLabel("APDXApRHLabel2", this), 1, 4, Qt::AlignRight);
  grid->addWidget(rhAnswer_, 1, 5);
  grid->addWidget(NamedLabel("APDXApTdpLabel1", this), 2, 0);
  grid->addWidget(rh_, 2, 2);
  grid->addWidget(rhUnit_, 2, 3);
  auto* tdpResult = new QLabel(this);
  tdpResult->setObjectName("APDXApTdpResultLabel");
  grid->addWidget(tdpResult, 2, 4, Qt::AlignRight);
  grid->addWidget(tdpAnswer_, 2, 5);
  grid->setColumnStretch(6, 1);

  for (QLineEdit* e : {tdb_, tdp_, rh_})
    connect(e, &QLineEdit::textChanged, this, &PsychroPanel::recompute);
  relabelUnits();
  // The dew-point answer is introduced like the humidity's: "Dew-Point Temperature =".
  tdpResult->setText(state_.lang.caption("QORAForm.APDXApTdpLabel2") + QStringLiteral(" ="));
}

void PsychroPanel::relabelUnits() {
  const int sys = state_.settings.unitSystem();
  tdbUnit_->setText(state_.lang.UnitLabel(sys, kQTemperature));
  tdpUnit_->setText(state_.lang.UnitLabel(sys, kQTemperature));
  rhUnit_->setText(state_.lang.UnitLabel(sys, kQRelHumidity));
  recompute();
}

void PsychroPanel::recompute() {
  const int sys = state_.settings.unitSystem();
  const PsychroAnswers a = ComputePsychro(
      state_.settings.calcContext(), {tdb_->text(), tdp_->text(), rh_->text()},
      state_.lang.UnitLabel(sys, kQRelHumidity), state_.lang.UnitLabel(sys, kQTemperature));
  rhAnswer_->setText(a.relativeHumidity);
  tdpAnswer_->setText(a.dewPoint);
}

QString PsychroPanel::relativeHumidityAnswer() const {
  return rhAnswer_->text();
}

QString PsychroPanel::dewPointAnswer() const {
  return tdpAnswer_->text();
}

}  // namespace qora
