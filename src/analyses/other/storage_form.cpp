// The storage-tank form: the least insulation on a box, cylinder or sphere of chilled or
// hot water so that the water, starting at the storage temperature, has not passed the end
// temperature after the storage time.
#include <cmath>

#include "analyses/other/form_computes.h"
#include "analyses/other/form_rules.h"
#include "engine/number_text.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "model/app_state.h"

namespace qora {

namespace {

// A flat wall goes to the surface-coefficient routine as a pipe of this diameter.
constexpr Real kFlatWallDiameter = 99999;

struct Tank {
  bool positive = false;  // every dimension of the shape greater than 0
  Real area = 0;          // whole outer surface, whatever the filling
  Real volume = 0;        // geometric volume
};

// Lengths in the active system's length unit (ft or m); area and volume in its square
// and cube.
Tank TankOf(const Settings& s, int shape) {
  const auto dim = [&](KeyName key) { return StrToValue(s.text(kSecStorage, key).toStdString()); };
  Tank t;
  switch (shape) {
    case 1: {
      const Real d = dim("CylDiameter"), l = dim("CylLength");
      t.positive = d > 0 && l > 0;
      t.area = CylinderArea(d, l);
      t.volume = CylinderVolume(d, l);
      break;
    }
    case 2: {
      const Real d = dim("SphDiameter");
      t.positive = d > 0;
      t.area = SphereArea(d);
      t.volume = SphereVolume(d);
      break;
    }
    default: {
      const Real w = dim("BoxWidth"), h = dim("BoxHeight"), l = dim("BoxLength");
      t.positive = w > 0 && h > 0 && l > 0;
      t.area = BoxArea(h, w, l);
      t.volume = BoxVolume(h, w, l);
      break;
    }
  }
  return t;
}

}  // namespace

// Checks in the screen's order; the first that fails names the refusal and the answer is
// "N/A". All temperature comparisons are strict: chilled water Tst < Tend < Tdb, hot
// water Tdb < Tend < Tst. Beyond the screen's own checks: no water (a percentage of 0 or
// less), more than a full tank, a storage time that is not positive, an unchosen or
// non-positive k and a thickness that is not finite are refused too.
FormResult ComputeStorageForm(const AppState& state) {
  const Settings& s = state.settings;
  const CalcContext ctx = FormContext(s);
  const int u = ctx.unitSystem;
  FormResult r;
  r.form = FormId::Storage;
  r.unitSystem = u;
  r.shape = TankShape(s);
  r.answer = TankAnswerText(u, kNoValue);
  const auto refuse = [&r](const char* why) {
    r.refusal = why;
    return r;
  };

  const Tank tank = TankOf(s, r.shape);
  if (!tank.positive) return refuse("dimension-not-positive");
  if (std::isfinite(tank.area)) r.area = tank.area;

  const auto text = [&](KeyName key) { return s.text(kSecStorage, key).trimmed(); };
  const auto number = [](const QString& t) { return StrToValue(t.toStdString()); };
  const QString tdbText = text("Tdb"), tstText = text("Tst"), tendText = text("Tend");
  const QString hoursText = text("Time-hr"), percentText = text("Percent");
  const QString haText = text("Hair");
  if (tdbText.isEmpty()) return refuse("tdb-empty");
  if (tstText.isEmpty()) return refuse("tst-empty");
  if (tendText.isEmpty()) return refuse("tend-empty");
  if (hoursText.isEmpty()) return refuse("hours-empty");
  if (percentText.isEmpty()) return refuse("percent-empty");
  if (ctx.factorBy == 1 && haText.isEmpty()) return refuse("ha-empty");
  const Real tdb = number(tdbText), tst = number(tstText), tend = number(tendText);
  const bool chilled = s.storageChilled();
  if (chilled && !(tst < tend && tend < tdb)) return refuse("temperatures-out-of-order");
  if (!chilled && !(tdb < tend && tend < tst)) return refuse("temperatures-out-of-order");

  const Real percent = number(percentText);
  if (!(percent > 0)) return refuse("no-water");
  if (percent > 100) return refuse("percent-above-100");
  r.volume = tank.volume * percent / 100;
  if (!std::isfinite(r.volume)) r.volume = kNoValue;
  const Real hours = number(hoursText);
  if (!(hours > 0)) return refuse("hours-not-positive");

  const auto& kList = chilled ? state.params.kChilled[u - 1] : state.params.kHot[u - 1];
  const QString kText = ListEntry(kList, s.integer(kSecStorage, "k"));
  if (kText.isEmpty()) return refuse("k-not-selected");
  const Real k = StrToValue(kText.toStdString());
  if (!(k > 0) || !std::isfinite(k)) return refuse("k-not-positive");

  // The surface is taken at the storage temperature for the calculated coefficient.
  const Real h = SurfaceCoef(ctx, number(haText), kFlatWallDiameter, tst, tdb);
  if (!(h > 0) || !std::isfinite(h)) return refuse("ha-not-positive");
  r.surfaceCoef = h;

  const std::optional<Real> t =
      TankThickness(ctx, tank.area, r.volume, tdb, tst, tend, k, h, hours);
  if (!t || !std::isfinite(r.area) || std::isnan(r.volume)) return refuse("thickness-not-finite");
  r.computed = true;
  r.thickness = *t;
  r.answer = TankAnswerText(u, *t);
  return r;
}

}  // namespace qora
