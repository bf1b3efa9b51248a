#include "shell/form_screen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTextLayout>
#include <cmath>

#include "analyses/other/form_rules.h"
#include "analyses/other/form_texts.h"
#include "model/app_state.h"
#include "print/form_printout.h"
#include "shell/form_screen_parts.h"
#include "shell/form_widgets.h"
#include "shell/ha_help.h"

namespace qora {

namespace {

// The picture of each form; the tank's by its shape.
QString PictureName(FormId id, int shape) {
  switch (id) {
    case FormId::Duct:
      return QStringLiteral("Duct.jpg");
    case FormId::Operating:
      return QStringLiteral("Equipment.jpg");
    case FormId::Storage:
      break;
  }
  static const char* tanks[] = {"TankBox.jpg", "TankCylinder.jpg", "TankSphere.jpg"};
  return QString::fromLatin1(tanks[shape]);
}

// The k box of the tank is red while it offers the hot-water list, in the window's colours
// while it offers the chilled-water list.
void ColourForService(QComboBox& box, bool hot) {
  box.setStyleSheet(hot ? QStringLiteral("QComboBox { background: #ff0000; color: white; "
                                         "border: 1px solid #8a0000; border-radius: 2px; "
                                         "padding: 1px 4px; }")
                        : QString());
}

// Five help lines as tall as the faces that draw them, so none is cut and nothing scrolls.
void FitHelp(QPlainTextEdit& help) {
  qreal line = help.fontMetrics().lineSpacing();
  for (const QString& text : help.toPlainText().split(u'\n')) {
    QTextLayout layout(text, help.font());
    layout.beginLayout();
    const QTextLine l = layout.createLine();
    layout.endLayout();
    if (l.isValid()) line = std::max(line, l.height());
  }
  help.setFixedHeight(static_cast<int>(std::ceil(line * 5)) + 14);
}

}  // namespace

FormScreen::FormScreen(AppState& state, const FormDef& def, QWidget* parent)
    : Screen(parent), d_(new Private(state, def)) {
  d_->build(*this);
  d_->scaleFor(d_->screenWidth);
  for (const FormFieldRow& r : d_->rows) {
    const KeyName key = KeyName::runtime(r.field->key);
    if (auto* edit = qobject_cast<QLineEdit*>(r.control)) {
      connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
        if (d_->filling) return;
        d_->state.settings.setText(d_->def.section, key, text);
        recompute();
      });
    } else if (auto* combo = qobject_cast<QComboBox*>(r.control)) {
      const auto chosen = [this, key](int index) {
        if (d_->filling || index < 0) return;
        d_->state.settings.setInteger(d_->def.section, key, index);
        recompute();
      };
      connect(combo, &QComboBox::currentIndexChanged, this, chosen);
    }
  }
  if (d_->shape) {
    connect(d_->shape, &QComboBox::currentIndexChanged, this, [this](int index) {
      if (d_->filling || index < 0) return;
      d_->state.settings.setInteger(kSecStorage, "Shape", index);
      setUp();
      recompute();
    });
    for (QRadioButton* radio : {d_->chill, d_->hot}) {
      connect(radio, &QRadioButton::toggled, this, [this, radio](bool on) {
        if (d_->filling || !on) return;
        d_->state.settings.setStorageChilled(radio == d_->chill);
        setUp();  // the k list of the service
        recompute();
      });
    }
  }
  for (FormAnswerRow& a : d_->answers) a.value->onClick = [this] { recompute(); };
  connect(d_->back, &QPushButton::clicked, this, &FormScreen::returnRequested);
  connect(d_->print, &QPushButton::clicked, this,
          [this] { PrintForm(this, d_->def, d_->last, d_->state); });
  setUp();
  recompute();
}

FormScreen::~FormScreen() {
  delete d_;
}

const FormDef& FormScreen::def() const {
  return d_->def;
}

const FormResult& FormScreen::lastResult() const {
  return d_->last;
}

QString FormScreen::pictureFile() const {
  return d_->picture->pictureFile();
}

void FormScreen::open(int screenWidth) {
  d_->scaleFor(screenWidth);
  // A tank without a shape the list names is a box.
  if (d_->shape) d_->state.settings.setInteger(kSecStorage, "Shape", TankShape(d_->state.settings));
  setUp();
  recompute();
}

void FormScreen::setUp() {
  Private& p = *d_;
  const AppState& st = p.state;
  const Settings& s = st.settings;
  const LanguageTexts& lang = st.lang;
  p.filling = true;
  p.title->setText(FormCaption(lang, p.def.title, p.def.titleFallback));
  const bool typedHa = s.factorBy() != 2;
  for (const FormFieldRow& r : p.rows) {
    const FormField& f = *r.field;
    r.caption->setText(FormCaption(lang, f.label, f.fallback));
    r.unit->setText(FieldUnitText(st, f));
    if (auto* edit = qobject_cast<QLineEdit*>(r.control)) {
      const QString text = s.text(p.def.section, KeyName::runtime(f.key));
      if (edit->text() != text) edit->setText(text);  // keeps the cursor while typing
    } else if (auto* combo = qobject_cast<QComboBox*>(r.control)) {
      const QSignalBlocker block(combo);
      combo->clear();
      combo->addItems(FieldList(st, f));
      const int pos = s.integer(p.def.section, KeyName::runtime(f.key));
      combo->setCurrentIndex(pos >= 0 && pos < combo->count() ? pos : -1);
      if (f.kind == FormFieldKind::KTankList) ColourForService(*combo, !s.storageChilled());
    }
    if (f.kind == FormFieldKind::SurfaceCoef) {
      r.control->setVisible(typedHa);
      r.unit->setVisible(typedHa);
    }
  }
  p.astm->setText(AstmText(lang));
  p.astm->setVisible(!typedHa);
  FillHaHelp(*p.help, lang, s.unitSystem());
  FitHelp(*p.help);
  for (const FormAnswerRow& a : p.answers) {
    a.caption->setText(FormCaption(lang, a.answer->label, a.answer->fallback));
  }
  p.back->setText(FormCaption(lang, "RetMainBitBtn", "Main Menu"));
  p.print->setText(lang.hint(QStringLiteral("QORAForm.") + QString::fromLatin1(p.def.printName)));
  if (p.print->text().isEmpty()) p.print->setText(QStringLiteral("Print this Page"));

  int shape = 0;
  if (p.shape) {
    shape = TankShape(s);
    const QSignalBlocker block(p.shape);
    p.shape->clear();
    for (const QString& name : lang.tankShapeNames) p.shape->addItem(name);
    p.shape->setCurrentIndex(shape);
    p.shapePanels->setCurrentIndex(shape);
    p.chill->setText(FormCaption(lang, "ChillRadio", "Chilled Water"));
    p.hot->setText(FormCaption(lang, "HotRadio", "Hot Water"));
    (s.storageChilled() ? p.chill : p.hot)->setChecked(true);
  }
  p.picture->setPictureFile(st.picturePath(PictureName(p.def.id, shape)));
  p.filling = false;
}

void FormScreen::recompute() {
  Private& p = *d_;
  p.last = p.def.compute(p.state);
  for (const FormAnswerRow& a : p.answers) {
    a.value->setText(AnswerValueText(*a.answer, p.last));
    const QString unit = AnswerUnitText(p.state, *a.answer, p.last);
    a.unit->setText(unit);
    a.unit->setVisible(!unit.isEmpty());
  }
  emit answered();
}

void FormScreen::afterSettingsLoad() {
  refresh();
}

void FormScreen::relabelUnits(int oldSystem) {
  (void)oldSystem;  // the main window converted the ha text already
  refresh();
}

void FormScreen::applyFactorBy() {
  setUp();
}

void FormScreen::refresh() {
  setUp();
  if (isVisible()) recompute();
}

FormScreen* MakeFormScreen(AppState& state, FormId id, QWidget* parent) {
  return new FormScreen(state, FormOf(id), parent);
}

}  // namespace qora
