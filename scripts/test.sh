#!/usr/bin/env bash
# Sets up the machine, builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs each fuzz target for 20 seconds, then runs every test. Any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build/ci
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXLUNE_SANITIZE=ON -DVEXLUNE_BENCH=ON \
  -DVEXLUNE_MAKER_URL=http://127.0.0.1:28080 \
  -DVEXLUNE_BLOG_URL=http://127.0.0.1:28081 \
  -DVEXLUNE_SEARCH_URL=http://127.0.0.1:28082
cmake --build "$build" -j2
bash scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
ctest --test-dir "$build" --output-on-failure -j2
