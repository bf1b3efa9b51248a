// Insulation sizes (QORAInsu.qdt, 1764 lines) and installed costs (QORAcost.qdt, 1203
// lines), read and written by position.
#pragma once

#include <QString>
#include <array>

#include "engine/real.h"

namespace qora {

struct LanguageTexts;

struct InsulTables {
  std::array<std::array<std::array<QString, 12>, 2>, 3> sheet;           // [unit-1][col-1][row-1]
  std::array<std::array<std::array<QString, 40>, 2>, 3> tube;            // [unit-1][col-1][row-1]
  std::array<std::array<std::array<QString, 40>, 12>, 3> tubeThickness;  // [unit-1][r-1][c-1]
};
bool ReadInsulFile(InsulTables& t, const QString& path, int langIndex = 1);
bool WriteInsulFile(const InsulTables& t, const LanguageTexts& names, const QString& path);

struct CostTables {
  QString remark;
  // [pipe size column-1][thickness row-1]: cost per length for the stocked thicknesses
  std::array<std::array<Real, 15>, 40> ips{};
  std::array<std::array<Real, 15>, 40> copper{};
  // The table of a pipe type: 1 iron pipe (IPS), otherwise copper.
  const std::array<std::array<Real, 15>, 40>& forPipeType(int pipeType) const {
    return pipeType == 1 ? ips : copper;
  }
};
// If the file cannot be opened nothing changes (returns false).
bool ReadCostFile(CostTables& t, const QString& path, int langIndex = 1);
bool WriteCostFile(const CostTables& t, const QString& path);

}  // namespace qora
