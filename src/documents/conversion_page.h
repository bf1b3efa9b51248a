// The unit-conversion pages: eighteen quantities from the language file "cnv.qdt", written
// with the rich-text codes; Length and Temperature add a conversion table in banded
// column frames.
#pragma once

namespace qora {

class Canvas;
class PageSources;

inline constexpr int kConversionPages = 18;
inline constexpr int kLengthTab = 11, kTemperatureTab = 14;

// Draws quantity `tab` (0..17, section "@CONV" + (tab + 1)) for a screen `screenWidth`
// pixels wide, which sets the font size; returns the height the page needs.
double RenderConversionPage(Canvas& pic, PageSources& src, int tab, int screenWidth);

}  // namespace qora
