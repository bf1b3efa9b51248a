// Conversion between the inch-pound (1), SI (2) and metric-kcal (3) systems, and the
// built-in unit vocabulary.
#include "engine/units.h"

#include "engine/number_text.h"

namespace qora {

namespace {

// Factors as the program has always used them (rounded, so a round trip through all
// three systems drifts in the fourth or fifth figure).
constexpr Real kFiveNinths = 5.0L / 9.0L;         // °F step -> °C step
constexpr Real kKPerSI = 0.144L;                  // Btu·in/(h·ft²·°F) -> W/(m·K)
constexpr Real kKPerKcal = 0.124L;                // Btu·in/(h·ft²·°F) -> kcal/(m·h·°C)
constexpr Real kKSIToKcal = 0.8611111111111111L;  // 0.124 / 0.144
constexpr Real kKKcalToSI = 1.161290322580645L;   // 0.144 / 0.124
constexpr Real kHPerSI = 5.674L;                  // Btu/(h·ft²·°F) -> W/(m²·K)
constexpr Real kHPerKcal = 4.875L;                // Btu/(h·ft²·°F) -> kcal/(h·m²·°C)
constexpr Real kHSIToKcal = 0.8591822347550229L;  // 4.875 / 5.674
constexpr Real kHKcalToSI = 1.163897435897436L;   // 5.674 / 4.875
constexpr Real kMmPerInch = 25.4L;
constexpr Real kKmhPerMph = 1.609L;
constexpr Real kFlowPerGpm = 0.2271L;          // US gal/min -> m³/h
constexpr Real kBtuhFtPerWm = 1.039368L;       // W/m -> Btu/(h·ft)
constexpr Real kKcalhmPerBtuhFt = 0.82677L;    // Btu/(h·ft) -> kcal/(h·m)
constexpr Real kKcalToSIQl = 0.85931828136L;   // 1.039368 × 0.82677
constexpr Real kWm2PerBtuhFt2 = 3.152744L;     // Btu/(h·ft²) -> W/m²
constexpr Real kKcalm2PerBtuhFt2 = 2.711352L;  // Btu/(h·ft²) -> kcal/(h·m²)
constexpr Real kWm2PerBtuhFt2Alt = 3.152774L;  // the figure used between SI and kcal

// Column of the conversion table for a pair of distinct systems.
enum class Pair { k12, k21, k13, k31, k23, k32 };

Pair PairOf(int from, int to) {
  if (from == 1) return to == 2 ? Pair::k12 : Pair::k13;
  if (from == 2) return to == 1 ? Pair::k21 : Pair::k23;
  return to == 1 ? Pair::k31 : Pair::k32;
}

}  // namespace

// Unhandled pairs (lengths, times and resistances have no factors, and no caller converts
// them) return the marker rather than a number that looks converted.
Real ConvertUnits(int code, int from, int to, Real x) {
  if (from == to) return x;
  if (from < 1 || from > 3 || to < 1 || to > 3) return kNotFound;
  const Pair p = PairOf(from, to);
  switch (code) {
    case kQTemperature:
      switch (p) {
        case Pair::k12:
        case Pair::k13:
          return (x - 32) * kFiveNinths;
        case Pair::k21:
        case Pair::k31:
          return x * 1.8L + 32;
        default:
          return x;  // °C in both metric systems
      }
    case kQConductivity:
      switch (p) {
        case Pair::k12:
          return x * kKPerSI;
        case Pair::k21:
          return x / kKPerSI;
        case Pair::k13:
          return x * kKPerKcal;
        case Pair::k31:
          return x / kKPerKcal;
        case Pair::k23:
          return x * kKSIToKcal;
        case Pair::k32:
          return x * kKKcalToSI;
      }
      break;
    case kQSurfaceCoef:
      switch (p) {
        case Pair::k12:
          return x * kHPerSI;
        case Pair::k21:
          return x / kHPerSI;
        case Pair::k13:
          return x * kHPerKcal;
        case Pair::k31:
          return x / kHPerKcal;
        case Pair::k23:
          return x * kHSIToKcal;
        case Pair::k32:
          return x * kHKcalToSI;
      }
      break;
    case kQThickness:
      switch (p) {
        case Pair::k12:
        case Pair::k13:
          return x * kMmPerInch;
        case Pair::k21:
        case Pair::k31:
          return x / kMmPerInch;
        default:
          return x;  // mm in both metric systems
      }
    case kQRelHumidity:
      return x;
    case kQWindSpeed:
      switch (p) {
        case Pair::k12:
        case Pair::k13:
          return x * kKmhPerMph;
        case Pair::k21:
        case Pair::k31:
          return x / kKmhPerMph;
        default:
          return x;  // km/h in both metric systems
      }
    case kQFlow:
      switch (p) {
        case Pair::k12:
        case Pair::k13:
          return x * kFlowPerGpm;
        case Pair::k21:
        case Pair::k31:
          return x / kFlowPerGpm;
        default:
          return x;  // m³/h in both metric systems
      }
    case kQHeatPerLength:
      switch (p) {
        case Pair::k12:
          return x / kBtuhFtPerWm;
        case Pair::k21:
          return x * kBtuhFtPerWm;
        case Pair::k13:
          return x * kKcalhmPerBtuhFt;
        case Pair::k31:
          return x / kKcalhmPerBtuhFt;
        case Pair::k23:
          return x * kBtuhFtPerWm * kKcalhmPerBtuhFt;
        case Pair::k32:
          return x / kKcalToSIQl;
      }
      break;
    case kQHeatPerArea:
      switch (p) {
        case Pair::k12:
          return x * kWm2PerBtuhFt2;
        case Pair::k21:
          return x / kWm2PerBtuhFt2;
        case Pair::k13:
          return x * kKcalm2PerBtuhFt2;
        case Pair::k31:
          return x / kKcalm2PerBtuhFt2;
        case Pair::k23:
          return x * kKcalm2PerBtuhFt2 / kWm2PerBtuhFt2Alt;
        case Pair::k32:
          return x * kWm2PerBtuhFt2Alt / kKcalm2PerBtuhFt2;
      }
      break;
    default:
      break;
  }
  return kNotFound;
}

// The 0.0001 added before writing three decimals makes a value a hair below a
// thousandth show the upper figure; it is also why a round trip 2 -> 3 -> 1 -> 2 turns
// 9.0 into 8.999. Commas are not removed here (unlike StrToValue); text that is not a
// number reads as 0.
std::string ConvertUnitsText(std::string_view text, int code, int from, int to) {
  const Real x = ParseDecimal(text).value_or(0);
  return TrimZeros(ValueToStr(1, 3, ConvertUnits(code, from, to, x) + 0.0001L));
}

std::string ConvertTypedValue(std::string_view text, int code, int from, int to) {
  const std::optional<Real> x = ParseTyped(text);
  if (!x || from == to) return std::string(text);
  constexpr Real kMetresPerFoot = 0.3048L;
  Real y = *x;
  if (code == kQLength) {
    if (from == kInchPound) y = *x * kMetresPerFoot;
    if (to == kInchPound) y = *x / kMetresPerFoot;
  } else if (code != kQTime) {
    y = ConvertUnits(code, from, to, *x);
    if (y == kNotFound) return std::string(text);
  }
  // Inches need a fourth decimal for millimetres to come back whole (40 mm is 1.5748 in),
  // conductivities a fifth (0.045 W/(m·K) is 0.03875 kcal/(m·h·°C)).
  const int decimals = code == kQConductivity ? 5 : code == kQThickness && to == kInchPound ? 4 : 3;
  return TrimZeros(ValueToStr(1, decimals, y));
}

const std::array<std::string, 3> kBuiltinUnitSystemNames = {"Eng. Unit ", " SI Unit  ",
                                                            "kCal Unit"};

const std::array<std::string, 12> kBuiltinQuantityNames = {"T,Temperature",
                                                           "k,Thermal Conductivity",
                                                           "h,Convection Coefficient",
                                                           "t,Thickness",
                                                           "RH,Relative Humidity",
                                                           "Wind,Wind Speed",
                                                           "Length,Length of Pipe",
                                                           "Flow Rate",
                                                           "Q,Energy per Length",
                                                           "t,Time",
                                                           "Q,Energy per Area",
                                                           "R,Resistant"};

const std::array<std::array<std::string, 12>, 3> kBuiltinUnitLabels = {{
    {"°F", "Btu.in/hr.sqft.°F", "Btu/hr.sqft.°F", "in.", "%", "Mile/hr.", "ft.", "GPM", "Btu/hr.ft",
     "hr.", "Btu/hr.sqft", "hr.sqft.°F/Btu"},
    {"°C", "W/m.°C", "W/m².°C", "mm.", "%", "Km/hr.", "m.", "cu.m./hr.", "W/m", "hr.", "W/m²",
     "°C.sq.m./W"},
    {"°C", "kCal/hr.m.°C", "kCal/hr.m².°C", "mm.", "%", "km/hr.", "m.", "cu.m./hr.", "kCal/hr.m.",
     "hr.", "kCal/hr.m²", "hr.sq.m.°C/kCal"},
}};

}  // namespace qora
