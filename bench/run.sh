#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them.
#   bash bench/run.sh [BUILD_DIR]      (default: build-release beside the repository)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/../build-release}

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORSTATION_BENCH=ON -DORSTATION_TESTS=OFF
cmake --build "$build" -j2 --target bench_translate bench_lookup bench_save bench_startup bench_report bench_patient_list bench_posting bench_schedule bench_charge_entry bench_board bench_operation_record bench_chart bench_requests

for bench in bench_translate bench_lookup bench_save bench_startup bench_report bench_patient_list bench_posting bench_schedule bench_charge_entry bench_board bench_operation_record bench_chart bench_requests; do
  echo "== $bench"
  "$build/bench/$bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done
