#!/usr/bin/env bash
# Builds Korvinth and runs every test: the release build with its suites (the
# end-to-end run of the program among them) and a short run of the
# benchmarks, the fuzz targets for a bounded time, then the whole suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
# The program as the README's first command builds it (Release), with the
# suites and the benchmarks beside it; the end-to-end suite runs that binary.
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# The offscreen cases first, then the end-to-end run: a fault in the rules
# fails in seconds, before the real program starts. (Left to itself, CTest
# starts the test it has timed as costliest first.)
offscreen_then_end_to_end() {
  ctest --test-dir "$1" --output-on-failure -j "$jobs" -LE end_to_end
  ctest --test-dir "$1" --output-on-failure -L end_to_end
}
offscreen_then_end_to_end build
build/bin/korvinth_bench --benchmark_min_time=0.01 >/dev/null

# The fuzz targets, built with clang and run for a bounded time each on a
# copy of the seed corpus kept in the repository.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKORVINTH_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
for run in gif_split:60:gif export_name:20:name level_text:20:level; do
  IFS=: read -r target seconds corpus <<<"$run"
  work=build-fuzz/corpus/$corpus
  mkdir -p "$work"
  cp fuzz/corpus/"$corpus"/* "$work"/
  echo "fuzzing $target for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=0 build-fuzz/bin/"$target"_fuzz -max_total_time="$seconds" -rss_limit_mb=2048 \
    -print_final_stats=0 "$work" >build-fuzz/"$target".log 2>&1 || { tail -n 40 build-fuzz/"$target".log; exit 1; }
done

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVINTH_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  offscreen_then_end_to_end build-sanitize
