// Canvas on a printed page (QPrinter or QPdfWriter): units are millimetres of the logical
// page (portrait 200 × 280, landscape 280 × 200), counted from the logical page's own
// top-left corner; the logical page is centred on the sheet and converted to device dots
// with MmToDots at the device's real resolution.
#pragma once

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>
#include <memory>

#include "toolkit/canvas.h"

class QPen;

namespace qora {

struct CanvasState;

enum class PageOrientation { Portrait, Landscape };

class PageCanvas : public Canvas {
 public:
  // Sets the device's orientation and full-page mode, then begins painting on it.
  PageCanvas(QPagedPaintDevice& device, PageOrientation orientation);
  ~PageCanvas() override;  // ends painting (the document)
  int printerDpi() const;

  // A PDF file of A4 (or Letter) sheets at `dpi`, written atomically: the file appears (or
  // replaces an older one) only when finish() or the destructor completes the document.
  static std::unique_ptr<PageCanvas> toPdf(const QString& fileName, PageOrientation orientation,
                                           QPageSize sheet = QPageSize(QPageSize::A4),
                                           int dpi = 600);

  // False when the device could not be opened for painting (nothing is drawn then).
  bool isActive() const;
  // Starts the next sheet with the same logical page; the pen, brush and font stay.
  bool newPage();
  // Ends the document; for toPdf, commits the file. False when nothing was written.
  bool finish();
  // Where the logical page lies on the sheet, in device dots, and the scale applied when a
  // sheet is too small for it (1 on A4; slightly less on Letter, which is 0.6 mm short).
  QPointF pageOffsetDots() const;
  double fitScale() const;

  QSizeF size() const override;
  double screenPixel() const override;
  void setFont(const QString& face, double pointSize, unsigned style, Colour colour,
               bool defaultCharset = false) override;
  void setBrush(Colour colour, BrushStyle style) override;
  void setPen(Colour colour, PenStyle style, double width) override;
  void setPenColour(Colour colour) override;
  Colour fontColour() const override;
  double fontSize() const override;
  void setFontSize(double pointSize) override;
  void line(double x1, double y1, double x2, double y2) override;
  void rect(double x1, double y1, double x2, double y2) override;
  void roundRect(double x1, double y1, double x2, double y2, double w, double h) override;
  void fill(double x1, double y1, double x2, double y2, Colour colour) override;
  QSizeF textSize(const QString& text) const override;
  double textHeight(const QString& text) const override;
  void text(double x, double y, const QString& text) override;
  void textTransparent(double x, double y, const QString& text, Colour colour) override;
  void drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) override;

 private:
  // begin = false leaves the device unpainted (a file that could not be opened).
  PageCanvas(QPagedPaintDevice& device, PageOrientation orientation, bool begin);
  struct State;
  std::unique_ptr<State> d_;
};

// The device pen of a page at `dpi` for the canvas state's pen. A dashed or dotted pen
// narrower than a screen pixel (dpi / 96 dots) prints one screen pixel wide with the
// screen's dash lengths, so a hairline grid is as dotted on paper as on the screen (a
// pattern one device dot long would print as a faint solid hairline). Other pens are
// their own width in dots.
QPen PagePen(const CanvasState& s, int dpi);

// BeginPortraitPage / BeginLandscapePage defaults: font Liberation Sans 12 pt black regular,
// brush white solid, pen black solid 0.5 mm. PageCanvas applies them on construction.
void SetPageDefaults(Canvas& page);

// The page set-up of a print job: the logical page on the device with the defaults above.
std::unique_ptr<PageCanvas> BeginPortraitPage(QPagedPaintDevice& device);
std::unique_ptr<PageCanvas> BeginLandscapePage(QPagedPaintDevice& device);

}  // namespace qora
