// The widgets of a form screen and their layout: a title bar as on the chart screens, then
// a card centred on the screen with the picture on the left, the inputs, the help box and
// the answer on the right, and the return and print buttons along its foot.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analyses/other/form_texts.h"
#include "model/app_state.h"
#include "shell/form_screen_parts.h"
#include "shell/form_widgets.h"
#include "shell/ha_help.h"
#include "shell/language_apply.h"
#include "shell/num_key_filter.h"

namespace qora {

namespace {

// Point size of the body text relative to the screen's base size.
constexpr const char* kScale = "qoraScale";

template <class W>
W* Named(W* w, const char* name, double scale = 1.0) {
  w->setObjectName(QString::fromLatin1(name));
  w->setProperty(kScale, scale);
  return w;
}

QString StyleSheet() {
  return QStringLiteral(R"(
qora--FormScreen { background: #eef2f6; }
QLabel[role="title"] { background: #000080; color: white; font-weight: bold; }
QFrame#FormCard { background: white; border: 1px solid #b8c6d6; border-radius: 6px; }
QFrame#FormCard QLabel { background: transparent; }
QFrame#FormInputs, QFrame#StorDimFrame { background: #f4f7fa; border: 1px solid #d3dce6;
                                         border-radius: 4px; }
QFrame#FormAnswers { background: #e9eef4; border: 1px solid #8aa0b8; border-left: 5px solid #14365f;
                     border-radius: 4px; }
QLabel[role="answerCaption"] { color: #14365f; font-weight: bold; }
QLabel[role="answer"] { color: #0000ff; font-weight: bold; }
QLabel[role="astm"] { color: #1a4f8b; font-weight: bold; }
QStackedWidget { background: transparent; }
QPushButton[role="formButton"] { background: #e9eef4; color: #14365f; border: 1px solid #8aa0b8;
                                 border-radius: 4px; padding: 5px 16px; font-weight: bold; }
QPushButton[role="formButton"]:hover { background: #d7e3f0; }
QPushButton[role="formButton"]:pressed { background: #c4d4e6; }
QPushButton#DuctPrintBitBtn, QPushButton#StoragePrintBitBtn, QPushButton#OprtPrintBitBtn {
  background: #14365f; color: white; border-color: #0b2340; }
QPushButton#DuctPrintBitBtn:hover, QPushButton#StoragePrintBitBtn:hover,
QPushButton#OprtPrintBitBtn:hover { background: #1f4b80; }
)");
}

}  // namespace

void FormScreen::Private::build(FormScreen& screen) {
  screen.setObjectName(QString::fromLatin1(def.panelName));
  screen.setAttribute(Qt::WA_StyledBackground);
  screen.setStyleSheet(StyleSheet());
  auto* column = new QVBoxLayout(&screen);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  title = Named(new QLabel(&screen), def.title, 1.1);
  title->setProperty("role", "title");
  title->setAlignment(Qt::AlignCenter);
  // At least 26 pixels, taller where the edition's face needs it.
  title->setMinimumHeight(26);
  title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  column->addWidget(title);
  column->addStretch(1);

  card = Named(new QFrame(&screen), "FormCard");
  auto* centre = new QHBoxLayout;
  centre->addStretch(1);
  centre->addWidget(card);
  centre->addStretch(1);
  column->addLayout(centre);
  column->addStretch(1);

  auto* cardColumn = new QVBoxLayout(card);
  cardColumn->setContentsMargins(16, 16, 16, 14);
  cardColumn->setSpacing(12);
  auto* upper = new QHBoxLayout;
  upper->setSpacing(16);
  cardColumn->addLayout(upper);

  picture = Named(new PictureBox(card), "FormImage");
  picture->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  upper->addWidget(picture);
  auto* right = new QVBoxLayout;
  right->setSpacing(10);
  upper->addLayout(right, 1);

  auto* inputs = Named(new QFrame(card), "FormInputs");
  auto* inputsColumn = new QVBoxLayout(inputs);
  inputsColumn->setContentsMargins(12, 10, 12, 10);
  inputsColumn->setSpacing(8);
  right->addWidget(inputs);

  // Storage tank: shape and service, then the panel of the shape's dimensions.
  std::array<QGridLayout*, 3> shapeGrids{};
  if (def.id == FormId::Storage) {
    auto* service = new QHBoxLayout;
    service->setSpacing(14);
    shape = Named(new QComboBox(card), "StorageComboBox");
    chill = Named(new QRadioButton(card), "ChillRadio");
    hot = Named(new QRadioButton(card), "HotRadio");
    service->addWidget(shape);
    service->addWidget(chill);
    service->addWidget(hot);
    service->addStretch(1);
    inputsColumn->addLayout(service);
    auto* dimFrame = Named(new QFrame(card), "StorDimFrame");
    auto* dimLayout = new QVBoxLayout(dimFrame);
    dimLayout->setContentsMargins(8, 6, 8, 6);
    shapePanels = new QStackedWidget(dimFrame);
    dimLayout->addWidget(shapePanels);
    const char* panelNames[] = {"StorSqPanel", "StorCylPanel", "StorSphPanel"};
    for (int i = 0; i < 3; ++i) {
      auto* panel = Named(new QWidget(shapePanels), panelNames[i]);
      shapeGrids[i] = new QGridLayout(panel);
      shapeGrids[i]->setContentsMargins(0, 0, 0, 0);
      shapeGrids[i]->setHorizontalSpacing(8);
      shapeGrids[i]->setVerticalSpacing(6);
      shapeGrids[i]->setColumnStretch(3, 1);
      shapeGrids[i]->setRowStretch(3, 1);  // fewer rows than the box's three sit at the top
      shapePanels->addWidget(panel);
    }
    inputsColumn->addWidget(dimFrame);
  }

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  grid->setColumnStretch(3, 1);
  inputsColumn->addLayout(grid);
  std::array<int, 4> nextRow{};  // the three shape panels, then the common grid
  for (const FormField& f : def.fields) {
    FormFieldRow r{&f};
    const std::size_t panel = f.shape >= 0 ? static_cast<std::size_t>(f.shape) : 3;
    QWidget* parent = f.shape >= 0 ? shapePanels->widget(f.shape) : card;
    QGridLayout* g = f.shape >= 0 ? shapeGrids[panel] : grid;
    const int at = nextRow[panel]++;
    r.caption = Named(new QLabel(parent), f.label);
    if (f.kind == FormFieldKind::Number || f.kind == FormFieldKind::SurfaceCoef) {
      auto* edit = Named(new QLineEdit(parent), f.control);
      edit->setAlignment(Qt::AlignRight);
      InstallNumKeyPress(edit);
      r.control = edit;
    } else {
      auto* combo = Named(new QComboBox(parent), f.control);
      combo->setMaxVisibleItems(10);
      r.control = combo;
    }
    r.unit = Named(new QLabel(parent), f.unitName);
    g->addWidget(r.caption, at, 0);
    g->addWidget(r.control, at, 1);
    g->addWidget(r.unit, at, 2);
    if (f.kind == FormFieldKind::SurfaceCoef) {
      astm = Named(new QLabel(parent), def.astmName);
      astm->setProperty("role", "astm");
      astm->hide();
      g->addWidget(astm, at, 1, 1, 2);
    }
    rows.push_back(r);
  }

  help = Named(new QPlainTextEdit(card), def.helpName, 0.95);
  StyleHaHelp(*help);
  help->setFocusPolicy(Qt::NoFocus);
  right->addWidget(help);
  right->addStretch(1);

  auto* answerBox = Named(new QFrame(card), "FormAnswers");
  auto* answerGrid = new QGridLayout(answerBox);
  answerGrid->setContentsMargins(14, 10, 14, 10);
  answerGrid->setHorizontalSpacing(12);
  answerGrid->setColumnStretch(0, 1);
  for (const FormAnswer& a : def.answers) {
    FormAnswerRow r{&a};
    r.caption = Named(new QLabel(answerBox), a.label);
    r.caption->setProperty("role", "answerCaption");
    r.caption->setWordWrap(true);
    r.value = Named(new ClickLabel(answerBox), a.valueName, 1.9);
    r.value->setProperty("role", "answer");
    r.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.value->setCursor(Qt::PointingHandCursor);
    r.unit = Named(new QLabel(answerBox), a.unitName, 1.1);
    const int at = static_cast<int>(answers.size());
    answerGrid->addWidget(r.caption, at, 0);
    answerGrid->addWidget(r.value, at, 1);
    answerGrid->addWidget(r.unit, at, 2);
    answers.push_back(r);
  }
  cardColumn->addWidget(answerBox);

  auto* buttons = new QHBoxLayout;
  back = Named(new QPushButton(card), def.returnName);
  print = Named(new QPushButton(card), def.printName);
  for (QPushButton* b : {back, print}) {
    b->setAutoDefault(false);
    b->setProperty("role", "formButton");
    b->setCursor(Qt::PointingHandCursor);
  }
  buttons->addWidget(back);
  buttons->addStretch(1);
  buttons->addWidget(print);
  cardColumn->addLayout(buttons);

  // Faces and hints of the edition by component name; captions are set with the units.
  ApplyLanguage(screen, state.lang, QStringLiteral("QORAForm"));
}

void FormScreen::Private::scaleFor(int width) {
  screenWidth = width;
  // 10.5 points on a 1024-pixel screen, growing to 15 on a 1920-pixel one.
  double base = std::clamp(10.5 + 4.5 * (width - 1024) / 896.0, 9.0, 16.0);
  applyScale(base);
  // A script with tall lines (Thai) can need more height than the screen has: smaller type
  // then, rather than captions cut at their top and bottom.
  QWidget* screen = card->parentWidget();
  // Only a screen that is shown has its real height.
  const auto tooTall = [screen] {
    screen->layout()->invalidate();
    return screen->isVisible() && screen->layout()->minimumSize().height() > screen->height();
  };
  while (base > 8.0 && tooTall()) {
    base -= 0.5;
    applyScale(base);
  }
}

void FormScreen::Private::applyScale(double base) {
  for (QWidget* w : card->parentWidget()->findChildren<QWidget*>()) {
    const QVariant scale = w->property(kScale);
    if (!scale.isValid()) continue;
    QFont f = w->font();
    f.setPointSizeF(base * scale.toDouble());
    w->setFont(f);
  }
  const double s = base / 10.5;
  picture->setFixedWidth(static_cast<int>(std::lround(330 * s)));
  picture->setMinimumHeight(static_cast<int>(std::lround(300 * s)));
  // Inputs wide enough for a long number; captions in one column across the panels.
  int captionWidth = 0;
  const int controlWidth = card->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 28;
  for (const FormFieldRow& r : rows) {
    const QString caption = FormCaption(state.lang, r.field->label, r.field->fallback);
    captionWidth = std::max(captionWidth, r.caption->fontMetrics().horizontalAdvance(caption));
    r.control->setFixedWidth(controlWidth);
  }
  // A dimension panel sits inset by its frame (margin and border): its captions are that
  // much narrower, so every input starts at the same x.
  constexpr int kDimInset = 9;
  for (const FormFieldRow& r : rows) {
    r.caption->setMinimumWidth(captionWidth + 6 - (r.field->shape >= 0 ? kDimInset : 0));
  }
}

}  // namespace qora
