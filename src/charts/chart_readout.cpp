#include "charts/chart_readout.h"

#include <cmath>

#include "charts/chart_drawers.h"
#include "engine/number_text.h"
#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora {

namespace {

void Visit(ReadoutHit& best, int px, int py, int mx, int my, int curve, int index, int series) {
  const double dx = px - mx, dy = py - my;
  const int distance = static_cast<int>(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
  if (distance < best.distance) {
    best.found = true;
    best.distance = distance;
    best.x = px;
    best.y = py;
    best.curve = curve;
    best.index = index;
    best.series = series;
  }
}

}  // namespace

ReadoutHit NearestPoint(const ChartData& d, const PixelTables& p, const AxesRect& box, int mx,
                        int my) {
  ReadoutHit best;
  switch (KindOf(d.analysis)) {
    case ChartKind::Grid:
      for (int r = d.curveFrom; r >= 1 && r <= d.curveTo && r <= kMaxCurves; ++r) {
        for (int j = d.sizeFrom; j >= 1 && j <= d.sizeTo && j <= 40; ++j) {
          Visit(best, box.x0 + p.columnX[j - 1], box.y1 - p.cellY[r - 1][j - 1], mx, my, r, j, 0);
        }
      }
      break;
    case ChartKind::Curve:
      for (int i = 0; i < 41; ++i) {
        Visit(best, box.x0 + p.pointX[i], box.y1 - p.pointY[i], mx, my, 0, i, 0);
      }
      break;
    case ChartKind::Overall: {
      const std::array<const std::array<int, 15>*, 3> series = {
          &p.stockEnergyY, &p.stockInsulationY, &p.stockTotalY};
      for (int s = 0; s < 3; ++s) {
        for (int n = 0; n < 15; ++n) {
          const int y = (*series[s])[n];
          if (p.stockX[n] >= kOutsideBox || y >= kOutsideBox) continue;
          Visit(best, box.x0 + p.stockX[n], box.y1 - y, mx, my, 0, n, s);
        }
      }
      break;
    }
  }
  return best;
}

namespace {

QString V(int decimals, Real v) {
  return QString::fromStdString(ValueToStr(0, decimals, v));
}

}  // namespace

QString ReadoutText(const ChartData& d, const AppState& state, const ReadoutHit& hit) {
  if (!hit.found) return {};
  const LanguageTexts& lang = state.lang;
  const int u = d.unitSystem;
  const bool ip = u == kInchPound;
  auto unit = [&](int code) { return lang.UnitLabel(u, code); };
  const QString costUnit =
      state.settings.text(kSecParams, "currency") + "/" + unit(kQLength) + lang.MsgText(21);
  const int i = hit.index;
  switch (d.analysis) {
    case AnalysisId::ChilledKConst:
    case AnalysisId::ChilledRHConst:
    case AnalysisId::HotKConst:
    case AnalysisId::HotTConst:
      return " " + V(ip ? 2 : 1, d.chartResults[hit.curve - 1][hit.index - 1]) + " " +
             unit(kQThickness);
    case AnalysisId::ChilledTsurf:
    case AnalysisId::HotTsurf:
      return V(ip ? 2 : 0, d.curveX[i]) + " " + unit(kQThickness) + "=" +
             V(ip ? 1 : 0, d.curveY[i]) + unit(kQTemperature);
    case AnalysisId::ChilledTline:
    case AnalysisId::HotTline:
      return V(1, d.curveX[i]) + " " + unit(kQLength) + "=" + V(1, d.curveY[i]) +
             unit(kQTemperature);
    case AnalysisId::ChilledTtime:
    case AnalysisId::HotTtime:
      return V(2, d.curveX[i]) + " hr" + "=" + V(1, d.curveY[i]) + unit(kQTemperature);
    case AnalysisId::ChilledEnergy:
    case AnalysisId::HotHeatLoss: {
      const int td = ip ? 2 : (d.analysis == AnalysisId::HotHeatLoss ? 1 : 0);
      return V(td, d.curveX[i]) + " " + unit(kQThickness) + "=" + V(1, d.curveE[i]) + " " +
             unit(kQHeatPerLength);
    }
    case AnalysisId::ChilledEnergyCost:
    case AnalysisId::HotHeatLossCost: {
      const int td = ip ? 2 : (d.analysis == AnalysisId::HotHeatLossCost ? 1 : 0);
      return V(td, d.curveX[i]) + " " + unit(kQThickness) + "=" + V(1, d.curveE[i]) + " " +
             costUnit;
    }
    case AnalysisId::RValueKConst:
      return " " + V(ip ? 2 : 4, d.chartResults[hit.curve - 1][hit.index - 1]) + " " +
             unit(kQResistance);
    case AnalysisId::RValueRConst:
      return " " + V(ip ? 2 : 1, d.chartResults[hit.curve - 1][hit.index - 1]) + " " +
             unit(kQThickness);
    case AnalysisId::ChilledOverall:
    case AnalysisId::HotOverall: {
      const std::array<const std::array<Real, 15>*, 3> series = {
          &d.stockEnergyCost, &d.stockInsulationCost, &d.stockTotalCost};
      const QString thickness = ip ? V(2, StockThickness(u, i)) : V(0, InsulThicknessMM[i]);
      return thickness + " " + unit(kQThickness) + "=" + V(1, (*series[hit.series])[i]) + " " +
             costUnit;
    }
  }
  return {};
}

}  // namespace qora
