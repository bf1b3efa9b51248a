// Start-up as a user meets it: the program folder beside the executable loaded (settings,
// tables, language texts), the main window with every dialog and screen built, the splash
// left, and the main menu painted, on the offscreen platform at 1920 × 1080.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>

#include "model/app_state.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"

namespace {

using namespace qora;

void BM_StartToFirstPaintedMenu(benchmark::State& st) {
  for (auto _ : st) {
    AppState state;
    LoadProgramState(state, QCoreApplication::applicationDirPath());
    MainWindow window(state);
    window.setFixedSize(1920, 1080);
    window.show();
    window.start();
    benchmark::DoNotOptimize(window.menu().grab());  // the menu painted once
  }
}
BENCHMARK(BM_StartToFirstPaintedMenu)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
