#include "shell/k_value_dialog.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "analyses/rvalue/k_line.h"
#include "engine/number_text.h"
#include "engine/surface.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "shell/language_apply.h"
#include "shell/num_key_filter.h"
#include "shell/shell_style.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

using namespace kline;

QString Fixed(int decimals, Real v) {
  return QString::fromStdString(ValueToStr(0, decimals, v));
}

// The picture of the unit system: kGrh.bmp for inch-pound, kGrh2.bmp and kGrh3.bmp for
// the metric systems (their k line runs over their own axes).
QString PictureName(int unit) {
  return unit == kInchPound ? QStringLiteral("kGrh.bmp") : QStringLiteral("kGrh%1.bmp").arg(unit);
}

QTableWidget* SmallTable(const char* name, QWidget* parent) {
  auto* t = new QTableWidget(2, 6, parent);
  t->setObjectName(name);
  t->horizontalHeader()->hide();
  t->verticalHeader()->hide();
  t->horizontalHeader()->setDefaultSectionSize(90);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setFocusPolicy(Qt::NoFocus);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setFixedSize(6 * 90 + 2, 2 * t->verticalHeader()->defaultSectionSize() + 2);
  return t;
}

}  // namespace

struct KValueDialog::Private {
  AppState& state;
  QLabel* head3 = nullptr;
  QLabel* image = nullptr;
  QLabel* point = nullptr;
  QLabel* moveT = nullptr;
  QLabel* moveK = nullptr;
  QLabel* tmeanCaption = nullptr;
  QTableWidget* table1 = nullptr;
  QTableWidget* table2 = nullptr;
  QLineEdit* tmean = nullptr;
  QLabel* tmeanUnit = nullptr;
  QLabel* kValue = nullptr;
  QImage picture;
  int centreX = kMinX;
  bool dragging = false;
  int pressGlobalX = 0, pressCentreX = 0;
  explicit Private(AppState& s) : state(s) {}
  CalcContext ctx() const { return state.settings.calcContext(); }
  int unit() const { return state.settings.unitSystem(); }
};

KValueDialog::KValueDialog(AppState& state, QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      d_(new Private(state)) {
  setObjectName("kCalcDlg");
  setWindowTitle(QStringLiteral("QORALINE k Value"));
  setModal(false);
  ApplyDialogStyle(*this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 8, 10, 8);
  outer->setSpacing(4);
  const auto heading = [&](const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setProperty("role", "heading");
    outer->addWidget(l);
    return l;
  };
  heading("Head1StaticText", tr("Thermal Conductivity of QORALINE Insulation"));
  heading("Head2StaticText", QString());
  d_->head3 = heading("Head3StaticText", QString());

  auto* panel = new QWidget(this);
  panel->setObjectName("kCalcPanel");
  panel->setFixedSize(kPictureWidth, kPictureHeight);
  d_->image = new QLabel(panel);
  d_->image->setObjectName("kCalcImage");
  d_->image->setGeometry(0, 0, kPictureWidth, kPictureHeight);
  d_->point = new QLabel(panel);
  d_->point->setObjectName("PointShape");
  d_->point->setFixedSize(kPointSize, kPointSize);
  d_->point->setCursor(Qt::PointingHandCursor);
  d_->point->setStyleSheet(
      QStringLiteral("QLabel { background: red; border: 1px solid black; border-radius: 8px; }"));
  d_->point->installEventFilter(this);
  d_->moveT = new QLabel(panel);
  d_->moveT->setObjectName("MoveTLabel");
  d_->moveK = new QLabel(panel);
  d_->moveK->setObjectName("MovekLabel");
  outer->addWidget(panel, 0, Qt::AlignHCenter);
  d_->tmeanCaption = new QLabel(this);
  d_->tmeanCaption->setObjectName("TmeanStaticText");
  outer->addWidget(d_->tmeanCaption, 0, Qt::AlignHCenter);

  d_->table1 = SmallTable("kTbl1StrGrd", this);
  d_->table2 = SmallTable("kTbl2StrGrd", this);
  outer->addWidget(d_->table1, 0, Qt::AlignHCenter);
  outer->addWidget(d_->table2, 0, Qt::AlignHCenter);

  auto* row = new QHBoxLayout;
  auto* tmeanLabel = new QLabel(tr("Mean Temperature"), this);
  tmeanLabel->setObjectName("TmeanLabel");
  d_->tmean = new QLineEdit(this);
  d_->tmean->setObjectName("TmeanEdit");
  d_->tmean->setFixedWidth(70);
  d_->tmean->setAlignment(Qt::AlignRight);
  InstallNumKeyPress(d_->tmean);
  d_->tmeanUnit = new QLabel(this);
  d_->tmeanUnit->setObjectName("TmeanULabel");
  d_->kValue = new QLabel(this);
  d_->kValue->setObjectName("kValLabel");
  d_->kValue->setMinimumWidth(140);
  row->addWidget(tmeanLabel);
  row->addWidget(d_->tmean);
  row->addWidget(d_->tmeanUnit);
  row->addSpacing(16);
  row->addWidget(d_->kValue);
  row->addStretch();
  auto* close = new QPushButton(tr("Close"), this);
  close->setObjectName("CloseBitBtn");
  close->setAutoDefault(false);
  row->addWidget(close);
  outer->addLayout(row);
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
  connect(d_->tmean, &QLineEdit::textChanged, this, [this] { showTypedK(); });
  refresh();
}

KValueDialog::~KValueDialog() {
  delete d_;
}

void KValueDialog::showEvent(QShowEvent* event) {
  refresh();
  QDialog::showEvent(event);
}

void KValueDialog::refresh() {
  const LanguageTexts& lang = d_->state.lang;
  const int u = d_->unit();
  d_->head3->setText(lang.MsgText(54) + ", " + lang.UnitLabel(u, kQConductivity));
  d_->tmeanCaption->setText(lang.MsgText(55) + " (" + lang.UnitLabel(u, kQTemperature) + ")");
  d_->tmeanUnit->setText(lang.UnitLabel(u, kQTemperature));
  drawPicture();
  fillTables();
  showTypedK();
  movePointTo(kMinX);
  d_->moveT->clear();
  d_->moveK->clear();
}

void KValueDialog::drawPicture() {
  const int u = d_->unit();
  const Picture pic = LoadPicture(d_->state.picturePath(PictureName(u)));
  QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (!pic.image().isNull()) {
    QPainter p(&image);
    p.drawImage(QRect(0, 0, kPictureWidth, kPictureHeight), pic.image());
  }
  {
    ImageCanvas c(image);
    SetPicFont(c, d_->state.lang.Font(2), 9, kRegular, kBlack);
    SetPicBrush(c, kWhite, BrushStyle::Solid);
    const Axes a = AxesOf(u);
    for (int i = 0; i <= 7; ++i) {
      PicText(c, HAlign::Centre, VAlign::Bottom, Fixed(0, a.tStart + i * a.tStep), ColumnX(i),
              kTLabelBottom);
    }
    for (int j = 0; j <= 8; ++j) {
      PicText(c, HAlign::Right, VAlign::Middle, Fixed(4, a.kStart + j * a.kStep), kKLabelRight,
              KRowY(j));
    }
  }
  d_->picture = image;
  d_->image->setPixmap(QPixmap::fromImage(image));
}

void KValueDialog::fillTables() {
  const int u = d_->unit();
  const QString tUnit = d_->state.lang.UnitLabel(u, kQTemperature);
  const bool ip = u == kInchPound;
  const std::array<std::pair<QTableWidget*, Real>, 2> tables = {
      {{d_->table1, ip ? -80 : -50}, {d_->table2, ip ? 40 : 10}}};
  const Real step = ip ? 20 : 10;
  for (const auto& [table, start] : tables) {
    for (int col = 0; col < 6; ++col) {
      const Real t = start + col * step;
      const auto cell = [&](int row, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        table->setItem(row, col, item);
      };
      cell(0, Fixed(1, t) + tUnit);
      cell(1, Fixed(4, kAtMeanTemperature(d_->ctx(), t)));
    }
  }
}

void KValueDialog::showTypedK() {
  const QString text = d_->tmean->text();
  if (text.isEmpty()) {
    d_->kValue->clear();
    return;
  }
  const Real k = kAtMeanTemperature(d_->ctx(), StrToValue(text.toStdString()));
  d_->kValue->setText(d_->state.lang.MsgText(53) + " " + Fixed(4, k));
}

void KValueDialog::movePointTo(int x) {
  const int u = d_->unit();
  d_->centreX = ClampX(x);
  const double y = LineY(u, d_->centreX);
  const int left = d_->centreX - kPointSize / 2;
  const int top = static_cast<int>(std::nearbyint(y - kPointSize / 2.0));
  d_->point->move(left, top);
  const Real t = MeanTemperatureAt(u, d_->centreX);
  const Real k = kAtMeanTemperature(d_->ctx(), t);
  const LanguageTexts& lang = d_->state.lang;
  d_->moveT->setText(Fixed(1, t) + " " + lang.UnitLabel(u, kQTemperature));
  d_->moveK->setText(Fixed(4, k) + " " + lang.UnitLabel(u, kQConductivity));
  d_->moveT->adjustSize();
  d_->moveK->adjustSize();
  d_->moveT->move(left + 20, top + 10);
  d_->moveK->move(left + 20, top + 10 + d_->moveT->height());
}

QPoint KValueDialog::pointCentre() const {
  return d_->point->geometry().center() + QPoint(1, 1);
}

const QImage& KValueDialog::picture() const {
  return d_->picture;
}

bool KValueDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched != d_->point) return QDialog::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease) {
    return QDialog::eventFilter(watched, event);
  }
  const auto* m = static_cast<QMouseEvent*>(event);
  switch (type) {
    case QEvent::MouseButtonPress:
      d_->dragging = true;
      d_->pressGlobalX = static_cast<int>(m->globalPosition().x());
      d_->pressCentreX = d_->centreX;
      return true;
    case QEvent::MouseMove:
      if (d_->dragging) {
        movePointTo(d_->pressCentreX + static_cast<int>(m->globalPosition().x()) -
                    d_->pressGlobalX);
      }
      return true;
    case QEvent::MouseButtonRelease:
      d_->dragging = false;
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

}  // namespace qora
