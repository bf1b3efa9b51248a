#include "shell/main_bar.h"

#include <string_view>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include "model/app_state.h"
#include "shell/brand.h"
#include "shell/language_apply.h"
#include "shell/picture_render.h"
#include "toolkit/picture.h"

namespace qora {

const QStringList& CalculatorPrograms() {
  static const QStringList names = {"gnome-calculator", "kcalc",         "galculator",
                                    "mate-calc",        "qalculate-gtk", "xcalc"};
  return names;
}

QString FindCalculator(const QStringList& searchPaths) {
  for (const QString& name : CalculatorPrograms()) {
    const QString path = QStandardPaths::findExecutable(name, searchPaths);
    if (!path.isEmpty()) return path;
  }
  return {};
}

namespace {

// The brand logo at the right end of the bar.
class CornerLogo : public QWidget {
 public:
  CornerLogo(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName("ConnerImage");
    setFixedSize(152, 40);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QString name = IsSecondBrand(state_.settings.langIndex()) ? "Logop2.svg" : "Logop.svg";
    // The logo is drawn for light grounds: it sits on a white plate in the dark bar.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    DrawPictureInto(p, QRectF(rect()).adjusted(8, 4, -8, -4),
                    LoadPicture(state_.picturePath(name)));
  }

 private:
  AppState& state_;
};

}  // namespace

MainBar::MainBar(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("MainBarPanel");
  setFixedHeight(kHeight);
  setStyleSheet(QStringLiteral(R"(
QPushButton { color: white; background: #1f4a7a; border: 1px solid #0b2340; border-radius: 4px;
              padding: 6px 8px; font-weight: bold; }
QPushButton:hover { background: #2d639e; }
QPushButton:pressed { background: #0f2c4d; }
QPushButton:disabled { color: #8ea3ba; background: #2a4460; }
QPushButton#UnitSpdBtn { background: #f0a830; color: #14365f; min-width: 96px; }
QLabel#BarMessage { color: #ffd27a; font-weight: bold; }
)"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 6, 8, 4);
  row->setSpacing(6);
  connect(addButton("RetMainBitBtn", tr("Return to Mainmenu"), tr("Return to Mainmenu")),
          &QPushButton::clicked, this, &MainBar::returnClicked);
  connect(addButton("ConfigBitBtn", tr("Parameters"), tr("Parameters")), &QPushButton::clicked,
          this, &MainBar::paramsClicked);
  QPushButton* k = addButton("kCalcBitBtn", tr("k Value"), tr("k Value"));
  connect(k, &QPushButton::clicked, this, &MainBar::kValueClicked);
  connect(addButton("InsuSizeBitBtn", tr("Insulation Size"), tr("Insulation Size")),
          &QPushButton::clicked, this, &MainBar::insulSizeClicked);
  connect(addButton("InsCostBitBtn", tr("Insulation Cost"), tr("Insulation Cost")),
          &QPushButton::clicked, this, &MainBar::insulCostClicked);
  connect(addButton("CalcBitBtn", tr("Calculator"), tr("Calculator")), &QPushButton::clicked, this,
          [this] { startCalculator(); });
  message_ = new QLabel(this);
  message_->setObjectName("BarMessage");
  row->addWidget(message_, 1);
  messageTimer_ = new QTimer(this);
  messageTimer_->setObjectName("BarMessageTimer");
  messageTimer_->setSingleShot(true);
  messageTimer_->setInterval(kMessageMs);
  connect(messageTimer_, &QTimer::timeout, this, [this] {
    message_->clear();
    message_->setToolTip({});
  });
  unit_ = new QPushButton(this);
  unit_->setObjectName("UnitSpdBtn");
  unit_->setFocusPolicy(Qt::NoFocus);
  row->addWidget(unit_);
  connect(unit_, &QPushButton::clicked, this, &MainBar::unitClicked);
  row->addSpacing(12);
  corner_ = new CornerLogo(state_, this);
  row->addWidget(corner_);
}

QPushButton* MainBar::addButton(const char* name, const QString& text, const QString& hint) {
  auto* b = new QPushButton(text, this);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setFocusPolicy(Qt::NoFocus);
  layout()->addWidget(b);
  return b;
}

void MainBar::setUnitCaption(const QString& caption) {
  unit_->setText(caption.trimmed());
}

void MainBar::applyLanguage() {
  ApplyLanguage(*this, state_.lang, QStringLiteral("QORAForm"));
  // The return button shows its hint as its caption; in the translated editions every
  // button does, so the bar reads the edition's words (the English captions are shorter
  // than the English hints and stay).
  const int edition = state_.settings.langIndex();
  const bool translated = edition >= 2 && edition <= 5;
  for (const char* name : {"RetMainBitBtn", "ConfigBitBtn", "kCalcBitBtn", "InsuSizeBitBtn",
                           "InsCostBitBtn", "CalcBitBtn"}) {
    auto* b = findChild<QPushButton*>(name);
    const bool ret = std::string_view(name) == "RetMainBitBtn";
    if (b && (ret || translated) && !b->toolTip().isEmpty()) b->setText(b->toolTip());
  }
}

bool MainBar::startCalculator(const QStringList& searchPaths) {
  const QString program = FindCalculator(searchPaths);
  if (program.isEmpty() || !QProcess::startDetached(program, {})) {
    // Short enough for the room between the buttons; the list of programs is the hint.
    message_->setText(tr("No calculator found"));
    message_->setToolTip(
        tr("Install one of: %1").arg(CalculatorPrograms().join(QStringLiteral(", "))));
    messageTimer_->start();
    return false;
  }
  messageTimer_->stop();
  message_->clear();
  message_->setToolTip({});
  return true;
}

QString MainBar::message() const {
  return message_->text();
}

void MainBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(0x1c, 0x44, 0x72));
  g.setColorAt(1, QColor(0x0b, 0x23, 0x40));
  p.fillRect(rect(), g);
  p.setPen(QColor(0xf0, 0xa8, 0x30));
  p.drawLine(0, 0, width(), 0);
}

}  // namespace qora
