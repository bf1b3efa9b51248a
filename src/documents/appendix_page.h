// The engineering appendix: ten chapters from the language file "apd.qdt", their lines
// written with the rich-text codes (super- and subscripts, big and small characters,
// shadow); chapter 6 ends with the chart of the convection coefficient of air.
#pragma once

namespace qora {

class Canvas;
class PageSources;

inline constexpr int kAppendixChapters = 10;
// The chart at the end of chapter 6 (tab 5), drawn unscaled, and the room it takes.
inline constexpr const char* kConvectionChart = "ha.jpg";
inline constexpr double kConvectionChartRoom = 530;

// Draws chapter `tab` (0..9, section "@APDX" + (tab + 1)); returns the height the page
// needs.
double RenderAppendixPage(Canvas& pic, PageSources& src, int tab);

}  // namespace qora
