#!/usr/bin/env bash
# Installs what is missing, builds everything (the benchmarks too, so that they keep
# compiling) with AddressSanitizer and UndefinedBehaviorSanitizer, runs the file-reader
# fuzz targets for a bounded time, and
# runs every test: on the offscreen Qt platform (no display needed), with only the fonts
# of the packages the set-up installs (scripts/test-fonts.sh), and under a decimal-comma
# locale (de_DE.UTF-8), so a test that depends on the machine's fonts or language fails
# here rather than on the next machine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORA_SANITIZE=ON \
  -DQORA_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j "$jobs"
export QT_QPA_PLATFORM=offscreen
# Leak reports would come from the platform's font and graphics libraries, not from us.
export ASAN_OPTIONS=detect_leaks=0
if [ -f scripts/fuzz.sh ]; then bash scripts/fuzz.sh; fi
FONTCONFIG_FILE=$(bash scripts/test-fonts.sh "$PWD/build/test/fontconfig")
export FONTCONFIG_FILE
export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
cd build/test
ctest -j "$jobs" --output-on-failure --timeout 300
