#!/usr/bin/env bash
# Installs what is needed, builds the game and runs every test.
#   scripts/test.sh             ordinary build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

dir=build
flags=(-DKVARNEL_BENCH=ON) # built, not run: they keep compiling
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  flags=(-DKVARNEL_SANITIZE=ON -DKVARNEL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

cmake -S . -B "$dir" -G Ninja -DKVARNEL_WERROR=ON "${flags[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure -j 2
