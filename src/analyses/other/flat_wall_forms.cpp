// The duct and the operating-equipment forms: the least insulation on a flat cold wall that
// keeps its outer surface at the dew point of the room air, and (equipment) the heat the
// room gives through that insulation.
#include <cmath>

#include "analyses/other/form_computes.h"
#include "analyses/other/form_rules.h"
#include "engine/number_text.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora {

namespace {

// A flat wall goes to the surface-coefficient routine as a pipe of this diameter.
constexpr Real kFlatWallDiameter = 99999;

// The dew point when the table has the air's temperature and its vapour pressure;
// kNoValue when either lookup falls outside it (the routine would give its marker, which
// is no temperature).
Real DewPointInTable(const CalcContext& ctx, Real tdb, Real rh) {
  const Real pSat =
      SatPressureLookup('F', ConvertUnits(kQTemperature, ctx.unitSystem, kInchPound, tdb));
  if (pSat == kNotFound || SatPressureLookup('P', pSat * rh / 100) == kNotFound) return kNoValue;
  return DewPoint(ctx, tdb, rh);
}

class Checks {
 public:
  explicit Checks(FormResult& r) : r_(r) {}
  bool require(bool cond, const char* why) {
    if (!cond && r_.refusal.empty()) r_.refusal = why;
    return cond;
  }

 private:
  FormResult& r_;
};

// Every input is read as the screen holds it; an empty text reads as 0. The answer is
// refused ("N/A") only where no finite thickness answers the question: an unchosen or
// non-positive k or relative humidity, a humidity above 100 %, a dew point outside the
// psychrometric table, a surface coefficient that is not positive, or saturated air over a
// wall colder than the air (no thickness keeps such a surface dry).
FormResult ComputeFlatWall(const AppState& state, FormId id, const char* section) {
  const Settings& s = state.settings;
  const CalcContext ctx = FormContext(s);
  const int u = ctx.unitSystem;
  FormResult r;
  r.form = id;
  r.unitSystem = u;
  const auto number = [&](KeyName key) { return StrToValue(s.text(section, key).toStdString()); };
  const Real tdb = number("Tdb");
  const Real top = number("Top");
  const Real ha = number("Hair");
  const QString rhText = ListEntry(state.params.rh, s.integer(section, "%RH"));
  const QString kText = ListEntry(state.params.kChilled[u - 1], s.integer(section, "k"));
  const Real rh = StrToValue(rhText.toStdString());
  const Real k = StrToValue(kText.toStdString());

  Checks check(r);
  check.require(!rhText.isEmpty(), "rh-not-selected");
  check.require(rh > 0, "rh-not-positive");
  check.require(rh <= 100, "rh-above-100");
  check.require(!kText.isEmpty(), "k-not-selected");
  check.require(k > 0 && std::isfinite(k), "k-not-positive");
  if (r.refusal.empty()) {
    r.dewPoint = DewPointInTable(ctx, tdb, rh);
    check.require(!std::isnan(r.dewPoint), "dew-point-not-found");
  }
  if (r.refusal.empty()) {
    const Real h = SurfaceCoef(ctx, ha, kFlatWallDiameter, r.dewPoint, tdb);
    if (std::isfinite(h)) r.surfaceCoef = h;
    check.require(h > 0 && std::isfinite(h), "ha-not-positive");
    check.require(r.dewPoint < tdb || top >= r.dewPoint, "saturated-air");
  }
  if (r.refusal.empty()) {
    const Real t = FlatThickness(ctx, tdb, r.dewPoint, top, k, r.surfaceCoef);
    r.computed = check.require(std::isfinite(t), "thickness-not-finite");
    if (r.computed) r.thickness = t;
  }
  r.answer = FlatAnswerText(u, r.thickness);
  if (id == FormId::Operating) {
    // q = (Tdb − Top) · A · k·h / (t'·h + k) for A = 1 (ft² or m²): the gain through the
    // least thickness t, also when that thickness is too large to be offered.
    if (r.computed) {
      const Real q = HeatFlow(ctx, r.thickness, r.surfaceCoef, tdb, k, top, 1);
      if (std::isfinite(q)) r.heatGain = q;
    }
    r.heatGainText = HeatGainText(r.heatGain);
  }
  return r;
}

}  // namespace

FormResult ComputeDuctForm(const AppState& state) {
  return ComputeFlatWall(state, FormId::Duct, kSecDuct);
}

FormResult ComputeOperatingForm(const AppState& state) {
  return ComputeFlatWall(state, FormId::Operating, kSecOperating);
}

}  // namespace qora
