#!/usr/bin/env bash
# Builds the libFuzzer targets over the readers with clang and runs each for a while.
#   scripts/fuzz.sh [seconds]   seconds per target, 60 when not given
# Each target starts from a copy of fuzz/corpus/<target>, so the runs never grow the repository's
# corpus. Any crash, hang, leak, over-allocation or broken property fails the script; the input
# that caused it is kept in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: scripts/fuzz.sh [seconds]" >&2
  exit 2
fi

# What the configure step needs (Qt is found even though the targets do not link it), then clang
# and its runtime: libclang-rt-14-dev holds libclang_rt.fuzzer and FuzzedDataProvider.h.
bash scripts/install-deps.sh clang-14 libclang-rt-14-dev

targets=(maze_file options_file seed best_times maze_code kept_game)
cmake -S . -B build-fuzz -G Ninja -DKVARNEL_WERROR=ON -DKVARNEL_FUZZ=ON -DKVARNEL_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14
cmake --build build-fuzz -j2 --target "${targets[@]/%/_fuzzer}"

# A smaller quarantine than ASan's 256 MB default, so that freed memory held for use-after-free
# checks does not by itself reach the RSS limit below.
export ASAN_OPTIONS=quarantine_size_mb=32:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=()
for t in "${targets[@]}"; do
  corpus="$work/$t"
  findings="build-fuzz/findings/$t"
  mkdir -p "$findings"
  cp -r "fuzz/corpus/$t" "$corpus"
  echo "== $t: $seconds s"
  # The readers never need more than a few megabytes at once: any single allocation of 16 MB or
  # more is an over-allocation, and 256 MB of memory in all is a leak or a runaway.
  if ! "build-fuzz/fuzz/${t}_fuzzer" "$corpus" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=256 -malloc_limit_mb=16 -print_final_stats=1 \
      -artifact_prefix="$findings/" 2>"$work/$t.log"; then
    tail -n 60 "$work/$t.log"
    failed+=("$t")
  else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' "$work/$t.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)" >&2
  exit 1
fi
echo "fuzzing found nothing"
