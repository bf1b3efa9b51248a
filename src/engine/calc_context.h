// The settings the engine reads: unit system, surface-coefficient mode and the texts of
// the wind, emissivity and economic fields, exactly as the user typed them. Texts are
// converted with StrToValue at the moment a routine uses them.
#pragma once

#include <string>

namespace qora {

struct CalcContext {
  int unitSystem = 1;        // 1 inch-pound, 2 SI, 3 metric-kcal
  int factorBy = 1;          // 1 surface coefficient typed in, 2 calculated (ASTM C680)
  int surfaceShape = 0;      // 0..6, index of the shape coefficient
  int emissivityChoice = 1;  // 1 no jacket, 2 jacket, 3 customised; other: emissivity 0
  std::string wind = "0.0";  // wind speed in the active system's speed unit
  std::string emNoJacket = "0.95";
  std::string emJacket = "0.05";
  std::string emCustom = "0.85";

  int energySource = 1;  // 1 electricity, 2 gas, 3 oil, 4 other
  std::string daysPerYear = "200";
  std::string hoursPerDay = "8";
  std::string elecCost = "3.0";
  std::string gasCost = "11.0";
  std::string gasEnergy = "6.0";
  std::string oilCost = "10.0";
  std::string oilEnergy = "7.0";
  std::string otherCost = "2.0";
};

}  // namespace qora
