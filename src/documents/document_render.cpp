#include "documents/document_render.h"

#include <algorithm>
#include <cmath>

#include "documents/appendix_page.h"
#include "documents/catalogue_page.h"
#include "documents/conversion_page.h"
#include "documents/measure_canvas.h"
#include "documents/page_sources.h"
#include "model/language.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"

namespace qora {

namespace {

constexpr int kScrollBarRoom = 20;  // pixels
// A page taller than this is cut off: no chapter comes near it, and a corrupt file must
// not make a picture of gigabytes.
constexpr int kMaxPageHeight = 30000;

template <std::size_t N>
QStringList ToList(const std::array<QString, N>& a) {
  return QStringList(a.begin(), a.end());
}

}  // namespace

int ChapterCount(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::Catalogue:
      return kCatalogueChapters;
    case DocumentKind::Appendix:
      return kAppendixChapters;
    case DocumentKind::Conversion:
      return kConversionPages;
  }
  return 0;
}

QStringList ChapterTitles(const LanguageTexts& lang, DocumentKind kind) {
  switch (kind) {
    case DocumentKind::Catalogue:
      return ToList(lang.catalogueTitles);
    case DocumentKind::Appendix:
      return ToList(lang.appendixTitles);
    case DocumentKind::Conversion:
      return ToList(lang.conversionTitles);
  }
  return {};
}

int PageWidthForScreen(int screenWidth) {
  return std::max(kMinPageWidth, screenWidth - kScrollBarRoom);
}

double RenderDocumentPage(Canvas& pic, PageSources& src, DocumentKind kind, int tab,
                          int screenWidth) {
  switch (kind) {
    case DocumentKind::Catalogue:
      return RenderCataloguePage(pic, src, tab, screenWidth);
    case DocumentKind::Appendix:
      return RenderAppendixPage(pic, src, tab);
    case DocumentKind::Conversion:
      return RenderConversionPage(pic, src, tab, screenWidth);
  }
  return 0;
}

QImage RenderDocumentImage(PageSources& src, DocumentKind kind, int tab, int screenWidth,
                           int pageWidth) {
  const int width = std::max(kMinPageWidth, pageWidth);
  MeasureCanvas measure(QSizeF(width, kMaxPageHeight));
  const double needed = RenderDocumentPage(measure, src, kind, tab, screenWidth);
  const int height =
      std::isfinite(needed) ? std::clamp(int(std::ceil(needed)), 1, kMaxPageHeight) : 1;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    ImageCanvas canvas(image);
    RenderDocumentPage(canvas, src, kind, tab, screenWidth);
  }
  return image;
}

QImage RenderDocumentImage(const AppState& state, DocumentKind kind, int tab, int screenWidth,
                           int pageWidth) {
  PageSources src(state);
  return RenderDocumentImage(src, kind, tab, screenWidth, pageWidth);
}

}  // namespace qora
