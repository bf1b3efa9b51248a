// What a chart shows besides its values: the heading, the axis units and decimals, the
// legend, the reference lines and the marks. An analysis describes it from the same state
// its values were computed from and keeps it with them, so the screen, the printed page
// and the table show the same texts as the values they stand beside.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "engine/real.h"

namespace qora {

// A condition line under the title: rows 1.. counted down from the title, column 0 at
// the left (ambient conditions), 1 at the centre (operating conditions).
struct HeadingLine {
  int row = 1;
  int column = 0;
  QString text;
};

// Which side of its line a reference label stands on.
enum class LabelSide { Above, Below };

// A red line across the plot at a temperature, with its label.
struct ReferenceLine {
  Real value = 0;
  QString label;
  LabelSide side = LabelSide::Above;
};

// Chilled charts stack their legend places upward from the bottom of the plot, hot charts
// downward from its top.
enum class LegendDirection { Upward, Downward };

struct ChartWording {
  QString title;
  std::vector<HeadingLine> lines;
  QString footer;  // the horizontal axis' caption

  // Axes. The tick labels take at least these decimals (more when a step needs them).
  int xDecimals = 0;
  int yDecimals = 1;
  QString xUnit;  // unit label of the abscissa (thickness, length, time)
  QString yUnit;  // unit label of the ordinate, shown above the axis in brackets

  // Thickness (or R) over pipe sizes or tubes: one curve per list position 1..12.
  LegendDirection direction = LegendDirection::Upward;
  QString legendHeading;
  std::array<QString, 12> curveLabels;
  std::vector<QString> sizeNames;  // by pipe-size position 1..40

  // One curve: curveE (energy, cost) instead of curveY (temperatures).
  bool plotE = false;
  std::vector<ReferenceLine> references;

  // Overall cost: the thickness marks of chartResults column 1 (by row; empty: no mark),
  // the two stocked series' labels and the economic thickness.
  std::array<QString, 10> markLabels;
  QString insulationLabel, totalLabel, resultText;
};

}  // namespace qora
