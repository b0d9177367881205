#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (in build-fuzz/) and runs each in turn
# on a copy of its corpus, one at a time.
#
#   fuzz/run.sh [SECONDS] [HARNESS...]         each harness for SECONDS (default 20)
#   fuzz/run.sh --runs N [HARNESS...]          each harness for N executions
#
# Prints per harness the result, the executions, the time, exec/s, the coverage and
# the corpus size. Exits non-zero when a harness found a crash; the input that
# caused it stays in build-fuzz/fuzz-runs/<harness>/crashes/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${NOKTARIS_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
# Fastest first.
ALL=(numbers version pics grafy config catalogue bmp jpeg)

limit=(-max_total_time=20)
if [ "${1:-}" = "--runs" ]; then
  limit=(-runs="${2:?--runs needs a number}")
  shift 2
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  limit=(-max_total_time="$1")
  shift
fi
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=("${ALL[@]}")

# The program's own packages (scripts/common.sh), clang and libFuzzer's runtime.
# The runtime's package carries clang's major version in its name
# (libclang-rt-14-dev on Debian 12), so it is asked for by the clang installed.
# shellcheck source=../scripts/common.sh
source "$ROOT/scripts/common.sh"
NOKTARIS_PACKAGES+=(clang)
ensure_packages
clang_major="$(clang -dumpversion | cut -d. -f1)"
NOKTARIS_PACKAGES=("libclang-rt-${clang_major}-dev")
ensure_packages

targets=()
for name in "${harnesses[@]}"; do targets+=("${name}_fuzz"); done
echo "Building ${targets[*]} in $BUILD (log: $BUILD/fuzz-build.log)"
mkdir -p "$BUILD"
if ! {
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOKTARIS_FUZZ=ON \
      -DNOKTARIS_BUILD_TESTS=OFF -DNOKTARIS_BUILD_BENCHMARKS=OFF
  fi
  cmake --build "$BUILD" -j"$(nproc)" --target "${targets[@]}"
} >"$BUILD/fuzz-build.log" 2>&1; then
  tail -40 "$BUILD/fuzz-build.log"
  exit 1
fi

# Largest input per harness: a text field, small text files, small pictures.
max_len() {
  case "$1" in
    numbers | version) echo 256 ;;
    jpeg | bmp) echo 16384 ;;
    *) echo 8192 ;;
  esac
}

# No single allocation past this: a picture is allocated only as large as its file
# could hold (16 KB of JPEG: 8 megapixels at most, 32 MB; 16 KB of run-length coded
# bitmap: 2 megapixels of 8 bits).
malloc_limit() {
  case "$1" in
    jpeg | bmp) echo 64 ;;
    *) echo 2560 ;;
  esac
}

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$ROOT/.ci/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen

failed=0
printf '%-10s %-7s %12s %8s %9s %7s %12s\n' harness result executions seconds exec/s cov corpus
for name in "${harnesses[@]}"; do
  work="$BUILD/fuzz-runs/$name"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/crashes"
  # The fuzzer adds what it finds to the copy, never to the repository's corpus.
  cp -r "$ROOT/fuzz/corpus/$name/." "$work/corpus/"
  dict=()
  [ -f "$ROOT/fuzz/$name.dict" ] && dict=(-dict="$ROOT/fuzz/$name.dict")
  start=$(date +%s)
  status=0
  "$BUILD/fuzz/${name}_fuzz" "${limit[@]}" "${dict[@]}" -max_len="$(max_len "$name")" \
    -rss_limit_mb=2560 -malloc_limit_mb="$(malloc_limit "$name")" -timeout=30 -print_final_stats=1 -artifact_prefix="$work/crashes/" \
    "$work/corpus" >"$work/log" 2>&1 || status=$?
  seconds=$(($(date +%s) - start))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$work/log" | tail -1 | cut -d' ' -f2)
  corpus=$(find "$work/corpus" -type f | wc -l)
  result=ok
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/crashes")" ]; then
    result=CRASH
    failed=1
  fi
  printf '%-10s %-7s %12s %8s %9s %7s %12s\n' "$name" "$result" "${runs:-?}" "$seconds" "${rate:-?}" "${cov:-?}" \
    "$corpus files"
  if [ "$result" = CRASH ]; then
    grep -m3 -E 'ERROR|does not hold|runtime error|Test unit written' "$work/log" | sed 's/^/    /' || true
    echo "    log: $work/log"
  fi
done
exit "$failed"
