#!/usr/bin/env bash
# Builds the file-reader fuzz targets with clang (libFuzzer, AddressSanitizer) in
# build/fuzz and runs each for a bounded time, starting from the shipped files.
# Exits non-zero when a target finds a crash or a broken promise.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
  echo "fuzz.sh: clang is not installed; the fuzz targets are skipped"
  exit 0
fi

# clang without its libFuzzer runtime cannot build the targets either.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
  >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1; then
  echo "fuzz.sh: clang has no libFuzzer runtime; the fuzz targets are skipped"
  exit 0
fi

seconds=${QORA_FUZZ_SECONDS:-12}
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQORA_BUILD_FUZZ=ON -DQORA_BUILD_TESTS=OFF -DQORA_BUILD_BENCH=OFF -DQORA_SANITIZE=OFF \
  >/dev/null
targets=(fuzz_settings fuzz_param_file fuzz_insul_cost_files fuzz_message_file)
cmake --build "$build" --target "${targets[@]}" -j 2

# Seed corpora: the shipped files each reader is meant for. What earlier runs found is
# kept, so that every run starts where the last one stopped.
seed() {
  local dir=$1
  shift
  mkdir -p "$dir"
  for f in "$@"; do
    if [ -f "$f" ]; then cp "$f" "$dir/"; fi
  done
}
corpus=$build/corpus
printf '[QORA2000]\nUnits=2\nLanguage=5\n[PARAMETERS]\ncurrency=\xdf\n[STORAGE]\nk_CHILL=2\n' \
  >"$build/seed.ini"
seed "$corpus/fuzz_settings" "$build/seed.ini"
seed "$corpus/fuzz_param_file" data/QORApara.qdt
seed "$corpus/fuzz_insul_cost_files" data/QORAInsu.qdt data/QORAcost.qdt
seed "$corpus/fuzz_message_file" data/EN/EN-msg.qdt data/EN/EN-mnu.qdt

# Every input is written to a file and saved back; a memory-backed folder keeps the
# many small writes cheap.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

status=0
for t in "${targets[@]}"; do
  echo "fuzz.sh: $t for ${seconds}s"
  mkdir -p "$build/findings/$t"
  if ! ASAN_OPTIONS=detect_leaks=0 "$build/bin/$t" "$corpus/$t" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=16384 -print_final_stats=0 \
    -artifact_prefix="$build/findings/$t/" >"$build/$t.log" 2>&1; then
    echo "fuzz.sh: $t failed; see $build/$t.log and $build/findings/$t/"
    tail -n 30 "$build/$t.log"
    status=1
  fi
done
exit $status
