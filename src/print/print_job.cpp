#include "print/print_job.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "print/graph_printout.h"
#include "toolkit/page_canvas.h"

namespace qora {

namespace {

// Fine enough for hairlines, small enough to write a page in a few milliseconds.
constexpr int kPdfDpi = 600;

QString& PrintDirectory() {
  static QString dir;
  return dir;
}

QString NextFileIn(const QString& dir, const QString& title) {
  const QDir d(dir);
  for (int n = 1;; ++n) {
    const QString path = d.filePath(QStringLiteral("%1-%2.pdf").arg(title).arg(n));
    if (!QFileInfo::exists(path)) return path;
  }
}

}  // namespace

void SetPrintToDirectory(const QString& dir) {
  PrintDirectory() = dir;
}
QString PrintToDirectory() {
  return PrintDirectory();
}

bool PrintOnDevice(QPagedPaintDevice& device, PageOrientation orientation, const QString& title,
                   int sheets, const SheetRenderer& render) {
  // The title must be set before the document begins.
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setDocName(title);
  if (auto* pdf = dynamic_cast<QPdfWriter*>(&device)) pdf->setTitle(title);
  // Calibration and page set-up: the canvas measures the device, lays the logical page on
  // the sheet and begins the document.
  const std::unique_ptr<PageCanvas> page = orientation == PageOrientation::Portrait
                                               ? BeginPortraitPage(device)
                                               : BeginLandscapePage(device);
  if (!page->isActive()) return false;
  for (int i = 0; i < std::max(1, sheets); ++i) {
    if (i > 0 && !page->newPage()) return false;
    render(*page, i);
  }
  return page->finish();
}

bool PrintOnDevice(QPagedPaintDevice& device, PageOrientation orientation, const QString& title,
                   const PageRenderer& render) {
  return PrintOnDevice(device, orientation, title, 1, [&](Canvas& page, int) { render(page); });
}

bool WritePdfPages(const QString& file, PageOrientation orientation, const QString& title,
                   int sheets, const SheetRenderer& render) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("QORA2000"));
    pdf.setResolution(kPdfDpi);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    if (!PrintOnDevice(pdf, orientation, title, sheets, render)) return false;
  }
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (out.write(buffer.data()) != buffer.data().size()) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

bool WritePdfPage(const QString& file, PageOrientation orientation, const QString& title,
                  const PageRenderer& render) {
  return WritePdfPages(file, orientation, title, 1, [&](Canvas& page, int) { render(page); });
}

bool RunPrintJob(QWidget* parent, PageOrientation orientation, const QString& title, int sheets,
                 const SheetRenderer& render) {
  if (!PrintDirectory().isEmpty()) {
    QDir().mkpath(PrintDirectory());
    return WritePdfPages(NextFileIn(PrintDirectory(), title), orientation, title, sheets, render);
  }
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  return PrintOnDevice(printer, orientation, title, sheets, render);
}

bool RunPrintJob(QWidget* parent, PageOrientation orientation, const QString& title,
                 const PageRenderer& render) {
  return RunPrintJob(parent, orientation, title, 1, [&](Canvas& page, int) { render(page); });
}

bool PrintChart(QWidget* parent, const ChartData* chart, const AppState& state) {
  return RunPrintJob(parent, PageOrientation::Landscape, QString::fromLatin1(kGraphJobTitle),
                     [&](Canvas& page) { PrintAnalysisGraph(page, chart, state); });
}

bool WriteChartPdf(const ChartData& chart, const AppState& state, const QString& file) {
  return WritePdfPage(file, PageOrientation::Landscape, QString::fromLatin1(kGraphJobTitle),
                      [&](Canvas& page) { PrintAnalysisGraph(page, &chart, state); });
}

}  // namespace qora
