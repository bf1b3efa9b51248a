// Inside the R-value analyses: the tables the charts read, by 1-based row in one unit
// system, and the compute and describe functions of the two charts.
#pragma once

#include <QString>

#include "charts/analysis.h"

namespace qora {

struct AppState;

namespace rvalue {

class RValueTables {
 public:
  RValueTables(const AppState& state, int unit);

  // Tubes 1..40: label and inside diameter; nominal thicknesses 1..12: label and value;
  // R-values 1..10: label and value; the actual wall of thickness row r on tube c. Empty
  // outside the tables.
  QString tubeLabel(int c) const;
  QString tubeInside(int c) const;
  QString sheetLabel(int r) const;
  QString sheetValue(int r) const;
  QString rValueLabel(int r) const;
  QString rValueValue(int r) const;
  QString actualThickness(int r, int c) const;

  // How many entries the lists of the screen hold (labelled entries).
  int filledTubes() const;
  int filledSheets() const;
  int filledRValues() const;

 private:
  const AppState& state_;
  int unit_;
};

ComputeResult ComputeRAtK(const AppState& state);
ComputeResult ComputeThicknessAtR(const AppState& state);
ChartWording DescribeRAtK(const ChartData& data, const AppState& state);
ChartWording DescribeThicknessAtR(const ChartData& data, const AppState& state);

}  // namespace rvalue
}  // namespace qora
