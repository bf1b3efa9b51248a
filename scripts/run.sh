#!/usr/bin/env bash
# Installs what is missing, builds the program (release) and starts it with its shipped
# default data. Arguments are passed to the program (e.g. --screen 1024x768).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQORA_BUILD_TESTS=OFF >/dev/null
cmake --build build/release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting under Xvfb" >&2
  exec xvfb-run -a build/release/bin/qora2000 "$@"
fi
exec build/release/bin/qora2000 "$@"
