#!/usr/bin/env bash
# Installs what is needed, builds with the sanitizers and runs every test through CTest.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/tools/setup-debian.sh"

build="$top/build-test"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTHERMBOOK_SANITIZE=ON -DTHERMBOOK_WERROR=ON
cmake --build "$build" --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
