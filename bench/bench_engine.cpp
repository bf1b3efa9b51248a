// Engine timings: the single calls a chart makes per point, the full grid of the
// condensation-thickness chart (10 humidity curves × 40 pipe sizes), with the coefficient at
// the bare diameter and at the insulated one, and the 41 points of a surface-temperature
// chart.
#include <benchmark/benchmark.h>

#include <array>

#include "engine/calc_context.h"
#include "engine/pipe_heat.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/thickness.h"

namespace {

// Outside diameters in mm of 40 nominal pipe sizes, 1/8" to 60".
constexpr std::array<long double, 40> kOutsideDiameterMm = {
    10.3L,  13.7L,  17.1L,   21.3L,   26.7L,   33.4L,   42.2L,   48.3L,   60.3L,   73.0L,
    88.9L,  101.6L, 114.3L,  127.0L,  141.3L,  168.3L,  219.1L,  273.0L,  323.8L,  355.6L,
    406.4L, 457.2L, 508.0L,  558.8L,  609.6L,  660.4L,  711.2L,  762.0L,  812.8L,  863.6L,
    914.4L, 965.2L, 1016.0L, 1066.8L, 1117.6L, 1168.4L, 1219.2L, 1320.8L, 1422.4L, 1524.0L};

constexpr std::array<long double, 10> kRelativeHumidity = {50, 55, 60, 65, 70, 75, 80, 85, 90, 95};

qora::CalcContext CalculatedSI() {
  qora::CalcContext ctx;
  ctx.unitSystem = 2;
  ctx.factorBy = 2;
  ctx.surfaceShape = 0;
  ctx.emissivityChoice = 1;
  ctx.wind = "0.0";
  ctx.emNoJacket = "0.95";
  return ctx;
}

void BM_DewPoint(benchmark::State& state) {
  const qora::CalcContext ctx = CalculatedSI();
  long double rh = 80;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rh);
    benchmark::DoNotOptimize(qora::DewPoint(ctx, 25, rh));
  }
}
BENCHMARK(BM_DewPoint);

void BM_SurfaceCoefCalculated(benchmark::State& state) {
  const qora::CalcContext ctx = CalculatedSI();
  long double d = 60.3L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(d);
    benchmark::DoNotOptimize(qora::SurfaceCoef(ctx, 0, d, 21.31L, 25));
  }
}
BENCHMARK(BM_SurfaceCoefCalculated);

void BM_CondensationThickness(benchmark::State& state) {
  const qora::CalcContext ctx = CalculatedSI();
  long double r1 = 30.15L;
  for (auto _ : state) {
    benchmark::DoNotOptimize(r1);
    benchmark::DoNotOptimize(qora::CondensationThickness(ctx, 25, 21.31L, 10, 0.035L, r1, 9));
  }
}
BENCHMARK(BM_CondensationThickness);

// As the constant-k chart computes it: a dew point per curve, then the surface
// coefficient at the dew point and the thickness for every pipe size.
void BM_CondensationGrid10x40(benchmark::State& state) {
  const qora::CalcContext ctx = CalculatedSI();
  std::array<std::array<long double, 40>, 10> results{};
  const long double tAmbient = 30;
  const long double tLine = 5;
  const long double k = 0.035L;
  for (auto _ : state) {
    for (size_t curve = 0; curve < kRelativeHumidity.size(); ++curve) {
      const long double dew = qora::DewPoint(ctx, tAmbient, kRelativeHumidity[curve]);
      for (size_t size = 0; size < kOutsideDiameterMm.size(); ++size) {
        const long double d = kOutsideDiameterMm[size];
        const long double h = qora::SurfaceCoef(ctx, 0, d, dew, tAmbient);
        results[curve][size] = qora::CondensationThickness(ctx, tAmbient, dew, tLine, k, d / 2, h);
      }
    }
    benchmark::DoNotOptimize(results);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CondensationGrid10x40)->Unit(benchmark::kMicrosecond);

// The same grid with the coefficient taken at each thickness's own outer diameter.
void BM_CondensationThicknessForGrid10x40(benchmark::State& state) {
  const qora::CalcContext ctx = CalculatedSI();
  std::array<std::array<long double, 40>, 10> results{};
  qora::PipeCase pipe;
  pipe.ambient = 30;
  pipe.line = 5;
  pipe.k = 0.035L;
  for (auto _ : state) {
    for (size_t curve = 0; curve < kRelativeHumidity.size(); ++curve) {
      const long double dew = qora::DewPoint(ctx, pipe.ambient, kRelativeHumidity[curve]);
      for (size_t size = 0; size < kOutsideDiameterMm.size(); ++size) {
        pipe.diameter = kOutsideDiameterMm[size];
        results[curve][size] = qora::CondensationThicknessFor(ctx, pipe, dew).value_or(0);
      }
    }
    benchmark::DoNotOptimize(results);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CondensationThicknessForGrid10x40)->Unit(benchmark::kMicrosecond);

// A surface-temperature chart and its heat read-out: 41 thicknesses from 0 to 100 mm on a
// 2" line at 200 °C in a room at 25 °C.
void BM_SurfaceAtAndHeat41(benchmark::State& state) {
  const qora::CalcContext ctx = CalculatedSI();
  const qora::PipeCase pipe{25, 200, 0.045L, 0, 60.3L};
  std::array<long double, 41> surface{}, heat{};
  for (auto _ : state) {
    for (size_t n = 0; n < surface.size(); ++n) {
      const long double t = 2.5L * static_cast<long double>(n);
      surface[n] = qora::SurfaceAt(ctx, pipe, t).temperature;
      heat[n] = qora::HeatPerLength(ctx, pipe, t);
    }
    benchmark::DoNotOptimize(surface);
    benchmark::DoNotOptimize(heat);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SurfaceAtAndHeat41)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
