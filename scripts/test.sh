#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test (offscreen Qt platform).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORA_SANITIZE=ON \
  -DQORA_BUILD_BENCH=OFF >/dev/null
cmake --build build/test -j "$jobs"
export QT_QPA_PLATFORM=offscreen
# Leak reports would come from the platform's font and graphics libraries, not from us.
export ASAN_OPTIONS=detect_leaks=0
if [ -f scripts/fuzz.sh ]; then bash scripts/fuzz.sh; fi
cd build/test
ctest -j "$jobs" --output-on-failure --timeout 300
