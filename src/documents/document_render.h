// The three reference documents as one family: their chapter counts and tab captions, and
// the whole page of a chapter as a picture (its height follows the content), drawn in two
// passes from one set of sources: the first finds the height, the second draws.
#pragma once

#include <QImage>
#include <QStringList>

namespace qora {

class Canvas;
class PageSources;
struct AppState;
struct LanguageTexts;

enum class DocumentKind { Catalogue, Appendix, Conversion };

int ChapterCount(DocumentKind kind);
// The tab captions: CatalogueTitles, AppendixTitles or ConversionTitles.
QStringList ChapterTitles(const LanguageTexts& lang, DocumentKind kind);

// The narrowest page drawn (pixels); a narrower view scrolls across it.
inline constexpr int kMinPageWidth = 200;

// Width of the page picture on a screen `screenWidth` pixels wide: the screen less the
// room of a vertical scroll bar.
int PageWidthForScreen(int screenWidth);

// Draws a chapter onto `pic` (white background not included); returns the page height.
double RenderDocumentPage(Canvas& pic, PageSources& src, DocumentKind kind, int tab,
                          int screenWidth);

// The whole page of a chapter, pageWidth pixels wide, on white.
QImage RenderDocumentImage(PageSources& src, DocumentKind kind, int tab, int screenWidth,
                           int pageWidth);
QImage RenderDocumentImage(const AppState& state, DocumentKind kind, int tab, int screenWidth,
                           int pageWidth);

}  // namespace qora
