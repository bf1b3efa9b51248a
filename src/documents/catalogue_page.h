// The product catalogue on screen: ten chapters of text, pictures and tables from the
// language file "prd.qdt" and the picture folder, drawn in pixels on a page as wide as the
// canvas. The same chapters are printed by print/catalogue_printout.
#pragma once

namespace qora {

class Canvas;
class PageSources;

inline constexpr int kCatalogueChapters = 10;

// Draws chapter `tab` (0..9) for a screen `screenWidth` pixels wide, which sets the base
// font size; returns the height the page needs (its last y + 20). Another tab draws the
// page set-up (logo) only.
double RenderCataloguePage(Canvas& pic, PageSources& src, int tab, int screenWidth);

}  // namespace qora
