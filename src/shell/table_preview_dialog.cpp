#include "shell/table_preview_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "model/app_state.h"
#include "print/table_preview.h"
#include "print/table_printout.h"
#include "shell/document_page_view.h"

namespace qora {

namespace {

constexpr int kDialogWidth = 640;
constexpr int kStripHeight = 40;

}  // namespace

int TablePreviewDialog::HeightForScreen(int screenHeight) {
  return std::clamp(screenHeight - 100, kStripHeight + 60, 900);
}

TablePreviewDialog::TablePreviewDialog(AppState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      state_(state),
      view_(new DocumentPageView(this)),
      print_(new QPushButton(this)),
      copy_(new QPushButton(this)),
      close_(new QPushButton(this)) {
  setObjectName("PreviewDlg");
  setWindowTitle(QString());
  setModal(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  setAutoFillBackground(true);
  view_->setObjectName("PvwScrollBox");
  print_->setObjectName("PrintBitBtn");
  print_->setText(QStringLiteral("Print"));
  print_->setToolTip(QStringLiteral("Print data"));
  copy_->setObjectName("CopyBitBtn");
  copy_->setText(QStringLiteral("Copy"));
  copy_->setToolTip(QStringLiteral("Copy the table for a spreadsheet"));
  close_->setObjectName("CloseBitBtn");
  close_->setText(QStringLiteral("Close"));

  auto* strip = new QWidget(this);
  strip->setObjectName("CtrlPanel");
  strip->setFixedHeight(kStripHeight);
  auto* buttons = new QHBoxLayout(strip);
  buttons->setContentsMargins(8, 4, 8, 4);
  buttons->addWidget(print_);
  buttons->addWidget(copy_);
  buttons->addStretch();
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  layout->addWidget(strip);

  connect(print_, &QPushButton::clicked, this, [this] { print(); });
  connect(copy_, &QPushButton::clicked, this, [this] { copyToClipboard(); });
  connect(close_, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  resize(kDialogWidth, HeightForScreen(768));
}

void TablePreviewDialog::openAnalysisTable(const std::optional<DataTable>& table,
                                           int screenHeight) {
  analysis_ = table.value_or(DataTable{});
  openWith(screenHeight);
}

void TablePreviewDialog::openRValueTable(const std::optional<DataTable>& table, int screenHeight) {
  rvalue_ = table.value_or(DataTable{});
  openWith(screenHeight);
}

DataTable TablePreviewDialog::shownTable() const {
  // Both requests at once only by a program error; the sheet then shows both, in order.
  if (analysis_ && !rvalue_) return *analysis_;
  if (rvalue_ && !analysis_) return *rvalue_;
  DataTable t;
  if (analysis_ && rvalue_) {
    t = *analysis_;
    for (const TableBlock& b : rvalue_->blocks) t.blocks.push_back(b);
  }
  return t;
}

void TablePreviewDialog::openWith(int screenHeight) {
  const int h = HeightForScreen(screenHeight);
  setFixedSize(kDialogWidth, h);
  // Centred on the window it belongs to (the full-screen main window), else the screen.
  QRect area;
  if (parentWidget()) {
    area = parentWidget()->window()->geometry();
  } else if (const QScreen* s = QGuiApplication::primaryScreen()) {
    area = s->geometry();
  }
  if (area.isValid()) move(area.center() - QPoint(kDialogWidth / 2, h / 2));
  redraw();
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
}

void TablePreviewDialog::redraw() {
  view_->setPage(RenderTablePreview(shownTable(), state_));
}

bool TablePreviewDialog::print() {
  if (!analysis_ && !rvalue_) return false;
  return PrintTable(this, shownTable(), state_);
}

void TablePreviewDialog::copyToClipboard() {
  if (!analysis_ && !rvalue_) return;
  auto* mime = new QMimeData;
  const QString csv = TableCsv(shownTable());
  // Spreadsheets take text/csv; plain text keeps the same records for editors.
  mime->setData(QStringLiteral("text/csv"), csv.toUtf8());
  mime->setText(csv);
  QGuiApplication::clipboard()->setMimeData(mime);
}

void TablePreviewDialog::done(int result) {
  // Close, Escape and the window's close all end the requests.
  analysis_.reset();
  rvalue_.reset();
  QDialog::done(result);
}

}  // namespace qora
