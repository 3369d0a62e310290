#!/usr/bin/env bash
# The sanitizer check: builds the engines, the CLI, the tests and the fuzz targets with clang,
# AddressSanitizer and UndefinedBehaviorSanitizer (any report is fatal) into build-sanitize/,
# runs the whole test suite there, then each fuzz target for a bounded time over its corpus
# (tests/fuzz/seeds/<target>/, with tests/fuzz/<target>.dict or else zoltcalc.dict): every
# fuzz_* target that tests/fuzz/CMakeLists.txt builds, the sheet's round trip and find/replace
# among them. A finding fails the script with the reproducer printed. CI (.ci/run) runs it
# after the normal tests.
#
#   scripts/sanitize.sh [SECONDS]   seconds per fuzz target (default 45; 0 skips fuzzing)
#
# Running one target for longer by hand is in the README ("Sanitizers and fuzzing").
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-45}
build=build-sanitize

. scripts/lib/packages.sh
. scripts/lib/run_tests.sh
require_packages clang libclang-rt-dev
launcher=$(command -v ccache || true)

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_COMPILER_LAUNCHER="$launcher" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" \
  -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizers" \
  -DZOLT_FUZZ=ON -DZOLT_WITH_BENCH=OFF -DZOLT_STATIC_CLI_RUNTIME=OFF >/dev/null
cmake --build "$build" -j2

# No strict_string_checks: libxkbcommon (the window tests under X) hands strndup names that
# are not NUL-terminated, which strndup allows.
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/fuzz/lsan.supp:print_suppressions=0
run_tests "$build"

[ "$seconds" -gt 0 ] || exit 0
findings=$(mktemp -d)
trap 'rm -rf "$findings"' EXIT
for fuzzer in "$build"/fuzz/fuzz_*; do
  target=${fuzzer##*/fuzz_}
  corpus="$findings/corpus-$target"
  mkdir -p "$corpus"
  dict=tests/fuzz/$target.dict
  [ -f "$dict" ] || dict=tests/fuzz/zoltcalc.dict
  echo "== fuzz_$target: $seconds s over tests/fuzz/seeds/$target"
  if ! QT_QPA_PLATFORM=offscreen "$fuzzer" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
      -dict="$dict" -artifact_prefix="$findings/$target-" -print_final_stats=1 \
      "$corpus" "tests/fuzz/seeds/$target" >"$findings/$target.log" 2>&1; then
    tail -n 60 "$findings/$target.log"
    for reproducer in "$findings/$target"-*; do
      echo "== reproducer $reproducer (base64):"
      base64 "$reproducer"
      echo "== as text:"
      cat -v "$reproducer"; echo
    done
    echo "fuzz_$target found a fault; rerun with: $fuzzer FILE"
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$findings/$target.log" || true
done
