#include "toolkit/page_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <optional>

#include "toolkit/canvas_state.h"
#include "toolkit/draw.h"
#include "toolkit/font_families.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

constexpr double kLongSideMm = 280, kShortSideMm = 200;

// The resolution a device reports, or, when it reports none, the one its "O" in a
// Courier-metric monospaced face at 20 pt measures to.
int DeviceDpi(QPagedPaintDevice& device, QPainter& painter) {
  const int reported = device.logicalDpiY();
  if (reported > 0) return reported;
  QFont courier(QStringLiteral("Liberation Mono"));
  courier.setPointSize(20);
  const QFontMetricsF m(courier, painter.isActive() ? painter.device() : nullptr);
  return CalibratePrinter(m.height());
}

}  // namespace

QPen PagePen(const CanvasState& s, int dpi) {
  const int width = std::max(0, MmToDots(dpi, s.penWidth));
  const int pixel = std::max(1, MmToDots(dpi, 25.4 / 96));
  const bool styled = s.penStyle != PenStyle::Solid && s.penStyle != PenStyle::Clear;
  if (!styled || width >= pixel) return CanvasPen(s, width);
  // The screen's one-pixel pen, scaled: dash lengths count in pen widths.
  QPen pen = CanvasPen(s, 1, true);
  pen.setWidth(pixel);
  return pen;
}

struct PageCanvas::State {
  QPagedPaintDevice* device = nullptr;
  std::unique_ptr<QSaveFile> file;  // toPdf only, declared before the writer that uses it
  std::unique_ptr<QPdfWriter> ownedWriter;
  QPainter painter;
  int dpi = 600;
  QSizeF pageMm;
  QPointF offset;
  double scale = 1;
  bool finished = false;
  bool written = false;

  CanvasState s;
  std::optional<FontCache> fonts;  // made once the resolution is known
  const FontCache::Entry* font = nullptr;
  QPen pen;

  const QFontMetricsF& metrics() const { return font->metrics; }
  void rebuildFont() {
    if (!fonts) fonts.emplace(dpi);
    font = &fonts->get(s);
    if (painter.isActive()) painter.setFont(font->font);
  }
  void rebuildPen() { pen = PagePen(s, dpi); }
  QBrush brush() const {
    return s.brushStyle == BrushStyle::Solid ? QBrush(ToQColor(s.brushColour)) : QBrush();
  }
  // Millimetres of the logical page to dots; false for a coordinate that is not usable.
  bool dots(double mm, int& out) const {
    if (!std::isfinite(mm)) return false;
    out = MmToDots(dpi, std::clamp(mm, -1e5, 1e5));
    return true;
  }
  bool dotRect(double x1, double y1, double x2, double y2, QRect& r) const {
    int a, b, c, e;
    if (!dots(x1, a) || !dots(y1, b) || !dots(x2, c) || !dots(y2, e)) return false;
    r = QRect(std::min(a, c), std::min(b, e), std::abs(c - a), std::abs(e - b));
    return true;
  }
  void placePage() {
    const QPageLayout layout = device->pageLayout();
    const QSizeF sheet = layout.fullRect(QPageLayout::Millimeter).size() / 25.4 * dpi;
    const double w = MmToDots(dpi, pageMm.width()), h = MmToDots(dpi, pageMm.height());
    // A logical page larger than the sheet is shrunk just enough to stay on it.
    scale = std::min({1.0, sheet.width() / w, sheet.height() / h});
    offset = QPointF(std::nearbyint((sheet.width() - w * scale) / 2),
                     std::nearbyint((sheet.height() - h * scale) / 2));
    if (!painter.isActive()) return;
    painter.resetTransform();
    painter.translate(offset);
    if (scale < 1) painter.scale(scale, scale);
  }
};

PageCanvas::PageCanvas(QPagedPaintDevice& device, PageOrientation orientation)
    : PageCanvas(device, orientation, true) {}

PageCanvas::PageCanvas(QPagedPaintDevice& device, PageOrientation orientation, bool begin)
    : d_(std::make_unique<State>()) {
  d_->device = &device;
  const bool portrait = orientation == PageOrientation::Portrait;
  d_->pageMm = portrait ? QSizeF(kShortSideMm, kLongSideMm) : QSizeF(kLongSideMm, kShortSideMm);

  // The whole sheet is the painting area, so no printer margin shifts the logical page.
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
  QPageLayout layout = device.pageLayout();
  layout.setMode(QPageLayout::FullPageMode);
  layout.setOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
  layout.setMargins(QMarginsF(0, 0, 0, 0));
  device.setPageLayout(layout);

  if (begin && d_->painter.begin(&device)) {
    d_->painter.setRenderHint(QPainter::Antialiasing, true);
    d_->painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  }
  d_->dpi = DeviceDpi(device, d_->painter);
  d_->placePage();
  SetPageDefaults(*this);
}

PageCanvas::~PageCanvas() {
  finish();
}

std::unique_ptr<PageCanvas> PageCanvas::toPdf(const QString& fileName, PageOrientation orientation,
                                              QPageSize sheet, int dpi) {
  auto file = std::make_unique<QSaveFile>(fileName);
  const bool open = file->open(QIODevice::WriteOnly);
  auto writer = std::make_unique<QPdfWriter>(file.get());
  writer->setResolution(std::clamp(dpi, 72, 2400));
  writer->setPageSize(sheet.isValid() ? sheet : QPageSize(QPageSize::A4));
  writer->setCreator(QStringLiteral("QORA2000"));
  // An unopened file leaves the painter inactive: the canvas then draws nothing and
  // finish() reports the failure.
  std::unique_ptr<PageCanvas> page(new PageCanvas(*writer, orientation, open));
  page->d_->file = std::move(file);
  page->d_->ownedWriter = std::move(writer);
  return page;
}

bool PageCanvas::isActive() const {
  return d_->painter.isActive();
}

bool PageCanvas::newPage() {
  if (!d_->painter.isActive() || !d_->device->newPage()) return false;
  d_->placePage();
  return true;
}

bool PageCanvas::finish() {
  if (d_->finished) return d_->written;
  d_->finished = true;
  const bool painted = d_->painter.isActive() && d_->painter.end();
  d_->written = painted;
  if (d_->file) {
    d_->written = painted && d_->file->isOpen() && d_->file->commit();
    if (!d_->written && d_->file->isOpen()) d_->file->cancelWriting();
  }
  return d_->written;
}

int PageCanvas::printerDpi() const {
  return d_->dpi;
}
QPointF PageCanvas::pageOffsetDots() const {
  return d_->offset;
}
double PageCanvas::fitScale() const {
  return d_->scale;
}
double PageCanvas::screenPixel() const {
  return 25.4 / 96;
}

QSizeF PageCanvas::size() const {
  return d_->pageMm;
}

void PageCanvas::setFont(const QString& face, double pointSize, unsigned style, Colour colour,
                         bool defaultCharset) {
  if (d_->s.setFont(face, pointSize, style, colour, defaultCharset)) d_->rebuildFont();
}

void PageCanvas::setBrush(Colour colour, BrushStyle style) {
  d_->s.setBrush(colour, style);
}

void PageCanvas::setPen(Colour colour, PenStyle style, double width) {
  d_->s.setPen(colour, style, width);
  d_->rebuildPen();
}

void PageCanvas::setPenColour(Colour colour) {
  d_->s.penColour = colour;
  d_->rebuildPen();
}

Colour PageCanvas::fontColour() const {
  return d_->s.fontColour;
}
double PageCanvas::fontSize() const {
  return d_->s.pointSize;
}

void PageCanvas::setFontSize(double pointSize) {
  if (d_->s.pointSize == pointSize) return;
  d_->s.pointSize = pointSize;
  d_->rebuildFont();
}

void PageCanvas::line(double x1, double y1, double x2, double y2) {
  int a, b, c, e;
  if (!d_->painter.isActive() || !d_->dots(x1, a) || !d_->dots(y1, b) || !d_->dots(x2, c) ||
      !d_->dots(y2, e)) {
    return;
  }
  d_->painter.setPen(d_->pen);
  d_->painter.drawLine(a, b, c, e);
}

void PageCanvas::rect(double x1, double y1, double x2, double y2) {
  QRect r;
  if (!d_->painter.isActive() || !d_->dotRect(x1, y1, x2, y2, r)) return;
  d_->painter.setPen(d_->pen);
  d_->painter.setBrush(d_->brush());
  d_->painter.drawRect(QRectF(r));
}

void PageCanvas::roundRect(double x1, double y1, double x2, double y2, double w, double h) {
  QRect r;
  if (!d_->painter.isActive() || !d_->dotRect(x1, y1, x2, y2, r) || !std::isfinite(w) ||
      !std::isfinite(h)) {
    return;
  }
  d_->painter.setPen(d_->pen);
  d_->painter.setBrush(d_->brush());
  d_->painter.drawRoundedRect(QRectF(r), MmToDots(d_->dpi, std::fabs(w)) / 2.0,
                              MmToDots(d_->dpi, std::fabs(h)) / 2.0);
}

void PageCanvas::fill(double x1, double y1, double x2, double y2, Colour colour) {
  QRect r;
  if (!d_->painter.isActive() || !d_->dotRect(x1, y1, x2, y2, r)) return;
  d_->painter.fillRect(r, ToQColor(colour));
}

double PageCanvas::textHeight(const QString&) const {
  return d_->metrics().height() * 25.4 / d_->dpi;
}

QSizeF PageCanvas::textSize(const QString& text) const {
  return QSizeF(d_->metrics().horizontalAdvance(text) * 25.4 / d_->dpi,
                d_->metrics().height() * 25.4 / d_->dpi);
}

void PageCanvas::text(double x, double y, const QString& text) {
  int px, py;
  if (!d_->painter.isActive() || text.isEmpty() || !d_->dots(x, px) || !d_->dots(y, py)) return;
  if (d_->s.brushStyle == BrushStyle::Solid) {
    d_->painter.fillRect(
        QRectF(px, py, d_->metrics().horizontalAdvance(text), d_->metrics().height()),
        ToQColor(d_->s.brushColour));
  }
  d_->painter.setPen(ToQColor(d_->s.fontColour));
  d_->painter.drawText(QPointF(px, py + d_->metrics().ascent()), text);
}

void PageCanvas::textTransparent(double x, double y, const QString& text, Colour colour) {
  int px, py;
  if (!d_->painter.isActive() || text.isEmpty() || !d_->dots(x, px) || !d_->dots(y, py)) return;
  d_->painter.setPen(ToQColor(colour));
  d_->painter.drawText(QPointF(px, py + d_->metrics().ascent()), text);
}

void PageCanvas::drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) {
  QRect r;
  if (!d_->painter.isActive() || pic.isEmpty() || !d_->dotRect(x1, y1, x2, y2, r) || r.isEmpty()) {
    return;
  }
  if (!pic.image().isNull()) {
    d_->painter.drawImage(QRectF(r), pic.image());
  } else {
    pic.svg()->render(&d_->painter, QRectF(r));
  }
}

void SetPageDefaults(Canvas& page) {
  page.setFont(QString::fromLatin1(kLatinFace), 12, kRegular, kBlack, false);
  page.setBrush(kWhite, BrushStyle::Solid);
  page.setPen(kBlack, PenStyle::Solid, 0.5);
}

std::unique_ptr<PageCanvas> BeginPortraitPage(QPagedPaintDevice& device) {
  return std::make_unique<PageCanvas>(device, PageOrientation::Portrait);
}

std::unique_ptr<PageCanvas> BeginLandscapePage(QPagedPaintDevice& device) {
  return std::make_unique<PageCanvas>(device, PageOrientation::Landscape);
}

}  // namespace qora
