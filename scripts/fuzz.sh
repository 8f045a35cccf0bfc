#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
# Usage: scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVEXLUNE_FUZZ=ON -DVEXLUNE_TESTS=OFF -DVEXLUNE_GUI=OFF >/dev/null
cmake --build "$build" -j2
shopt -s nullglob
targets=("$build"/fuzz/fuzz_*)
for target in "${targets[@]}"; do
  name=$(basename "$target")
  corpus=$(mktemp -d)
  [[ -d fuzz/corpus/$name ]] && cp -r fuzz/corpus/"$name"/. "$corpus"/
  echo "== $name for ${seconds}s"
  "$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 2>&1 | tail -n 3
  status=${PIPESTATUS[0]}
  rm -rf "$corpus"
  if ((status != 0)); then
    echo "fuzz target $name failed" >&2
    exit "$status"
  fi
done
echo "fuzzed ${#targets[@]} targets for ${seconds}s each"
