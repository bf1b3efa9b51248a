// The print-job procedure behind every print button: the print dialog (cancel does
// nothing at all), then the printer's calibration, the page set-up, the job title, one
// page from the renderer, the end of the document. A process-wide "print to folder" mode
// sends every job to a PDF file instead, without a dialog (tests and batch use).
#pragma once

#include <QString>
#include <functional>

#include "toolkit/page_canvas.h"

class QWidget;
class QPagedPaintDevice;

namespace qora {

class Canvas;
struct AppState;
struct ChartData;

inline constexpr const char* kGraphJobTitle = "QORA2000-GRAPH";

using PageRenderer = std::function<void(Canvas& page)>;
// Draws sheet `index` (0-based) of a job of several sheets.
using SheetRenderer = std::function<void(Canvas& page, int index)>;

// Every later job goes to DIR/<title>-<n>.pdf, n the smallest counter from 1 whose file
// does not exist yet (so no earlier output is overwritten). An empty dir shows the print
// dialog again.
void SetPrintToDirectory(const QString& dir);
QString PrintToDirectory();

// Runs one print job; true when a document was produced, false when the dialog was
// cancelled or the output could not be written.
bool RunPrintJob(QWidget* parent, PageOrientation orientation, const QString& title,
                 const PageRenderer& render);
// The job after the dialog: title, calibration and page set-up, one page, end. False when
// the device could not begin a document.
bool PrintOnDevice(QPagedPaintDevice& device, PageOrientation orientation, const QString& title,
                   const PageRenderer& render);
// One A4 page as a PDF file, written atomically (a failed write leaves an old file whole).
bool WritePdfPage(const QString& file, PageOrientation orientation, const QString& title,
                  const PageRenderer& render);

// The same three for a job of `sheets` sheets (at least one), the same logical page on each.
bool RunPrintJob(QWidget* parent, PageOrientation orientation, const QString& title, int sheets,
                 const SheetRenderer& render);
bool PrintOnDevice(QPagedPaintDevice& device, PageOrientation orientation, const QString& title,
                   int sheets, const SheetRenderer& render);
bool WritePdfPages(const QString& file, PageOrientation orientation, const QString& title,
                   int sheets, const SheetRenderer& render);

// The print buttons of the chilled- and hot-water screens: the chart the screen drew last
// (nullptr before the first one: the frame alone), landscape, "QORA2000-GRAPH".
bool PrintChart(QWidget* parent, const ChartData* chart, const AppState& state);
// The same page as a PDF file (qora2000-cli chart ... --pdf FILE).
bool WriteChartPdf(const ChartData& chart, const AppState& state, const QString& file);

}  // namespace qora
