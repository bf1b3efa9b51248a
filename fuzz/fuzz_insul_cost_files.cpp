// QORAInsu.qdt and QORAcost.qdt from the same bytes; costs are always finite numbers.
#include <cmath>

#include "fuzz_home.h"
#include "model/insul_tables.h"
#include "model/language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qora;
  static const LanguageTexts names = BuiltinLanguageTexts();
  const QString path = fuzz::WriteInput("input.qdt", data, size);
  InsulTables insul;
  fuzz::Require(ReadInsulFile(insul, path));
  for (const auto& unit : insul.tubeThickness)
    for (const auto& row : unit)
      for (const QString& cell : row) fuzz::Require(cell.size() <= 10);
  fuzz::Require(WriteInsulFile(insul, names, fuzz::HomeDir() + "/insul.qdt"));

  CostTables costs;
  fuzz::Require(ReadCostFile(costs, path));
  for (const auto* table : {&costs.ips, &costs.copper})
    for (const auto& column : *table)
      for (Real v : column) fuzz::Require(std::isfinite(v));
  fuzz::Require(WriteCostFile(costs, fuzz::HomeDir() + "/cost.qdt"));
  CostTables back;
  fuzz::Require(ReadCostFile(back, fuzz::HomeDir() + "/cost.qdt"));
  return 0;
}
