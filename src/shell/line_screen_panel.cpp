#include "shell/line_screen_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "model/app_state.h"
#include "shell/num_key_filter.h"

namespace qora {

namespace {

constexpr int kHoursMin = 1, kHoursMax = 48;
constexpr int kVisibleRows = 10;

bool IsList(FieldKind k) {
  return k != FieldKind::Number && k != FieldKind::Hours;
}
bool IsTyped(FieldKind k) {
  return k == FieldKind::KHotTyped || k == FieldKind::TsurfTyped;
}

// "ChillTsufThEdit" -> "ChillTsufThUnitLabel": the unit label is named after its control.
QString UnitLabelName(const char* control) {
  QString name = QString::fromLatin1(control);
  for (const char* suffix : {"ComboBox", "Edit", "TrackBar"}) {
    if (name.endsWith(QLatin1String(suffix))) {
      name.chop(static_cast<int>(qstrlen(suffix)));
      break;
    }
  }
  return name + QStringLiteral("UnitLabel");
}

std::string TypedKey(const char* key) {
  return std::string(key) + kTypedKeySuffix;
}

}  // namespace

LinePanel::LinePanel(AppState& state, const PanelDesc& desc, QWidget* parent)
    : QFrame(parent), state_(state), desc_(desc) {
  setObjectName(QString::fromLatin1(desc.name));
  build();
}

void LinePanel::build() {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 2);
  row->setSpacing(8);
  fields_.reserve(desc_.fields.size());
  for (const FieldDesc& f : desc_.fields) {
    Field field{&f};
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    field.caption = new QLabel(this);
    if (f.label) field.caption->setObjectName(QString::fromLatin1(f.label));
    column->addWidget(field.caption);
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    field.control = makeControl(f);
    line->addWidget(field.control);
    if (f.unitCode != 0 || f.kind == FieldKind::Hours) {
      field.unit = new QLabel(this);
      field.unit->setObjectName(UnitLabelName(f.control));
      line->addWidget(field.unit);
    }
    line->addStretch(1);
    column->addLayout(line);
    row->addLayout(column);
    fields_.push_back(field);
  }
  row->addStretch(1);

  // Connected after the fields vector is complete: the lambdas keep pointers into it.
  for (const Field& field : fields_) {
    const Field* fp = &field;
    if (auto* combo = qobject_cast<QComboBox*>(field.control)) {
      connect(combo, &QComboBox::currentIndexChanged, this,
              [this, fp](int i) { comboChosen(*fp, i); });
      connect(combo, &QComboBox::activated, this, [this, fp](int i) { comboChosen(*fp, i); });
      if (combo->isEditable()) {
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, fp](const QString& t) { comboTyped(*fp, t); });
      }
    } else if (auto* edit = qobject_cast<QLineEdit*>(field.control)) {
      connect(edit, &QLineEdit::textEdited, this, [this, fp](const QString& t) {
        if (filling_) return;
        state_.settings.setText(desc_.section, KeyName::runtime(fp->desc->key), t);
        changed();
      });
    } else if (auto* slider = qobject_cast<QSlider*>(field.control)) {
      connect(slider, &QSlider::valueChanged, this, [this, fp](int v) { hoursMoved(*fp, v); });
    }
  }
}

QWidget* LinePanel::makeControl(const FieldDesc& f) {
  QWidget* w = nullptr;
  if (IsList(f.kind)) {
    auto* combo = new QComboBox(this);
    combo->setMaxVisibleItems(kVisibleRows);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumWidth(72);
    if (IsTyped(f.kind)) {
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setCompleter(nullptr);  // a half-typed number must not jump to an entry
    }
    w = combo;
  } else if (f.kind == FieldKind::Number) {
    auto* edit = new QLineEdit(this);
    edit->setFixedWidth(56);
    InstallNumKeyPress(edit);
    w = edit;
  } else {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(kHoursMin, kHoursMax);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(6);
    slider->setFixedWidth(160);
    w = slider;
  }
  w->setObjectName(QString::fromLatin1(f.control));
  return w;
}

QWidget* LinePanel::control(const char* key) const {
  for (const Field& f : fields_) {
    if (qstrcmp(f.desc->key, key) == 0) return f.control;
  }
  return nullptr;
}

QStringList LinePanel::listFor(FieldKind kind) const {
  const int u = state_.settings.unitSystem();
  const ParamTables& t = state_.params;
  switch (kind) {
    case FieldKind::PipeSizeList:
      return PipeSizeNames(t, state_.settings.pipeType(), u);
    case FieldKind::RhList:
      return NonEmpty(t.rh);
    case FieldKind::KChilledList:
      return NonEmpty(t.kChilled[u - 1]);
    case FieldKind::KHotList:
    case FieldKind::KHotTyped:
      return NonEmpty(t.kHot[u - 1]);
    case FieldKind::TsurfList:
    case FieldKind::TsurfTyped:
      return NonEmpty(t.tsurf[u - 1]);
    case FieldKind::TubeList:
      return NonEmpty(state_.insul.tube[u - 1][0]);
    case FieldKind::SheetList:
      return NonEmpty(state_.insul.sheet[u - 1][0]);
    case FieldKind::RValueList:
      return NonEmpty(t.rValue[u - 1][0]);
    default:
      return {};
  }
}

QString LinePanel::captionFor(const FieldDesc& f) const {
  const LanguageTexts& lang = state_.lang;
  const int u = state_.settings.unitSystem();
  QString text;
  switch (f.caption) {
    case CaptionKind::SizeUnit:
      text = lang.MsgText(4).trimmed();
      if (text.isEmpty()) text = QString::fromUtf8(f.fallback);
      return text + " (" + lang.UnitLabel(u, 4) + ")";
    case CaptionKind::TsurfUnit:
      text = lang.MsgText(25).trimmed();
      if (text.isEmpty()) text = QString::fromUtf8(f.fallback);
      return text + "," + lang.UnitLabel(u, 1);
    case CaptionKind::Role:
      break;
  }
  if (!f.label) return {};
  text = lang.caption(QStringLiteral("QORAForm.") + QString::fromLatin1(f.label));
  // A layout placeholder ("-k value") is a caption the language file did not replace.
  if (text.startsWith(u'-')) text.remove(0, 1);
  return text.isEmpty() ? QString::fromUtf8(f.fallback) : text;
}

void LinePanel::setUp() {
  const bool wasReady = ready_;
  ready_ = false;
  filling_ = true;
  for (Field& f : fields_) setUpField(f);
  filling_ = false;
  ready_ = wasReady;
}

void LinePanel::setUpField(Field& field) {
  const FieldDesc& f = *field.desc;
  Settings& s = state_.settings;
  const int u = s.unitSystem();
  field.caption->setText(captionFor(f));
  field.caption->setVisible(f.label != nullptr || f.caption != CaptionKind::Role);
  if (field.unit && f.unitCode != 0) field.unit->setText(state_.lang.UnitLabel(u, f.unitCode));

  if (auto* combo = qobject_cast<QComboBox*>(field.control)) {
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(listFor(f.kind));
    const int pos = s.integer(desc_.section, KeyName::runtime(f.key));
    combo->setCurrentIndex(pos >= 0 && pos < combo->count() ? pos : -1);
    // A typed value does not survive a set-up: the box shows its list position again.
    if (IsTyped(f.kind)) {
      s.setText(desc_.section, KeyName::runtime(TypedKey(f.key)), QString());
      combo->setEditText(combo->currentIndex() >= 0 ? combo->currentText() : QString());
    }
  } else if (auto* edit = qobject_cast<QLineEdit*>(field.control)) {
    const QString text = s.text(desc_.section, KeyName::runtime(f.key));
    if (edit->text() != text) edit->setText(text);  // keeps the cursor while typing
  } else if (auto* slider = qobject_cast<QSlider*>(field.control)) {
    const QSignalBlocker block(slider);
    const int stored = s.integer(desc_.section, KeyName::runtime(f.key));
    slider->setValue(stored);
    // The track bar holds only 1..48; the setting follows what it shows.
    if (slider->value() != stored)
      s.setInteger(desc_.section, KeyName::runtime(f.key), slider->value());
    showHours(field, slider->value());
  }
}

void LinePanel::changed() {
  if (ready_) emit edited();
}

void LinePanel::comboChosen(const Field& field, int index) {
  if (filling_ || index < 0) return;
  Settings& s = state_.settings;
  const bool typed = IsTyped(field.desc->kind);
  if (s.integer(desc_.section, KeyName::runtime(field.desc->key)) == index &&
      (!typed || s.text(desc_.section, KeyName::runtime(TypedKey(field.desc->key))).isEmpty())) {
    return;  // the same choice again (activated after currentIndexChanged)
  }
  s.setInteger(desc_.section, KeyName::runtime(field.desc->key), index);
  if (typed) s.setText(desc_.section, KeyName::runtime(TypedKey(field.desc->key)), QString());
  changed();
}

void LinePanel::comboTyped(const Field& field, const QString& text) {
  if (filling_) return;
  auto* combo = static_cast<QComboBox*>(field.control);
  Settings& s = state_.settings;
  const int match = combo->findText(text.trimmed());
  s.setInteger(desc_.section, KeyName::runtime(field.desc->key), match);
  s.setText(desc_.section, KeyName::runtime(TypedKey(field.desc->key)),
            match >= 0 ? QString() : text);
  changed();
}

void LinePanel::hoursMoved(const Field& field, int hours) {
  showHours(field, hours);
  if (filling_) return;
  state_.settings.setInteger(desc_.section, KeyName::runtime(field.desc->key), hours);
  changed();
}

void LinePanel::showHours(const Field& field, int hours) {
  // Hint: the position with no decimals followed directly by the time unit ("12hr.").
  const QString unit = state_.lang.UnitLabel(state_.settings.unitSystem(), 10);
  field.control->setToolTip(QString::number(hours) + unit);
  if (field.unit) field.unit->setText(QString::number(hours) + " " + unit);
}

}  // namespace qora
