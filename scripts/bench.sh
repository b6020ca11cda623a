#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: generation and reading
# beside the snprintf baseline (in one binary), verlo-gcode as a process
# beside the baseline's process, and the window's benchmarks under the
# offscreen platform. Reports; never fails on a goal. The figures go to
# build-bench/results/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVERLO_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench -j2
out=build-bench/results
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

echo "== generation and reading (lines per second; compare Generate with Baseline)"
build-bench/bench/verlo_bench --benchmark_min_time=0.5 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_out="$out/generation.json" \
  --benchmark_out_format=json

echo "== verlo-gcode as a process beside the baseline's process"
process() {
  local name=$1
  shift
  build-bench/bench/verlo_baseline_process --prepare "$out/$name.templates" "$@"
  hyperfine --warmup 3 --runs 20 -N --export-json "$out/process-$name.json" \
    -n "verlo-gcode $name" "build-bench/verlo-gcode $*" \
    -n "baseline $name" "build-bench/bench/verlo_baseline_process $out/$name.templates"
}
process rectangle-pocket rectangle-pocket Edit_xd_=20,8 Edit_yd_=20,8 Edit_sz_=1 ScrollBar1=10 \
  CheckBox_szc_=0 Edit_szc_=0,0202
process thread-milling thread-milling Edit_zm_=0,01 Edit_ml_=10 Edit_m_=1 Edit_szc_=0,0101 \
  CheckBox1=1 CheckBox2=1

if [[ -x build-bench/bench/verlo_window_bench ]]; then
  echo "== the window (offscreen)"
  build-bench/bench/verlo_window_bench --benchmark_out="$out/window.json" \
    --benchmark_out_format=json
  echo "== start-up to the first shown window, beside a bare Qt window"
  hyperfine --warmup 3 --runs 20 -N --export-json "$out/startup.json" \
    -n "verlo-varazslok" "build-bench/bench/verlo_startup_probe program" \
    -n "bare Qt window" "build-bench/bench/verlo_startup_probe bare"
fi
