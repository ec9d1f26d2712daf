#!/usr/bin/env bash
# Builds the engine benchmarks in the native (Release) preset and runs them.
# Extra arguments go to the benchmark program, e.g. --benchmark_repetitions=5.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset native >/dev/null
cmake --build --preset native --target engine_bench -j2
build/native/tools/bench/engine_bench "$@"
