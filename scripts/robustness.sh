#!/usr/bin/env bash
# The robustness checks CI runs after scripts/test.sh: the whole suite built with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer (any finding fails its test), then every
# fuzz target of tests/fuzz run over its corpus for a fixed number of inputs (a finding
# fails the script).
#   FUZZ_RUNS        inputs per target (default 20000)
#   SANITIZE_BUILD   build folder (default build-sanitize)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
build=${SANITIZE_BUILD:-build-sanitize}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNWELL_SANITIZE=ON -DTARNWELL_FUZZ=ON -DTARNWELL_BENCH=OFF "${launcher[@]}"
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=abort_on_error=0:detect_stack_use_after_return=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

runs=${FUZZ_RUNS:-20000}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in tests/fuzz/corpus/*/; do
  name=$(basename "$target")
  dict=()
  [ -f "tests/fuzz/$name.dict" ] && dict=(-dict="tests/fuzz/$name.dict")
  mkdir -p "$scratch/$name"
  echo "fuzz_$name: $runs inputs"
  # New inputs go to the scratch folder, the committed corpus is only read.
  "$build"/bin/fuzz_"$name" -runs="$runs" -seed=1 -max_len=4096 -detect_leaks=0 \
    -print_final_stats=1 \
    "${dict[@]}" -artifact_prefix="$scratch/$name-" "$scratch/$name" "$target" \
    2> "$scratch/$name.log" || { tail -n 60 "$scratch/$name.log"; exit 1; }
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$scratch/$name.log"
done
