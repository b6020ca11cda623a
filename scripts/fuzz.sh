#!/usr/bin/env bash
# Builds the fuzz targets with clang 14 (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz and runs each from its seed corpus
# and regression inputs, one target a core at a time; all of them together
# take VERLO_FUZZ_SECONDS (default 120). A finding fails the run; its input is
# kept in build-fuzz/findings/<target>/ and belongs in
# fuzz/regressions/<target>/ with its fix.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DVERLO_FUZZ=ON -DVERLO_BUILD_GUI=OFF -DVERLO_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target verlo_fuzz_targets
mapfile -t targets < build-fuzz/fuzz_targets.txt
lanes=$(nproc)
((lanes <= ${#targets[@]})) || lanes=${#targets[@]}
rounds=$(((${#targets[@]} + lanes - 1) / lanes))
seconds=$((${VERLO_FUZZ_SECONDS:-120} / rounds))
((seconds > 0)) || seconds=1
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1

# Runs one target; its exit status goes to build-fuzz/<target>.status.
fuzz() {
  local t=$1 status=0
  local work=build-fuzz/corpus/$t findings=build-fuzz/findings/$t
  mkdir -p "$work" "$findings"
  local inputs=("$work" "fuzz/corpus/$t")
  [[ -d fuzz/regressions/$t ]] && inputs+=("fuzz/regressions/$t")
  build-fuzz/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "${inputs[@]}" >"build-fuzz/$t.log" 2>&1 || status=$?
  echo "$status" >"build-fuzz/$t.status"
}

for t in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= lanes)); do wait -n || true; done
  fuzz "$t" &
done
wait

failed=()
for t in "${targets[@]}"; do
  log=build-fuzz/$t.log
  if [[ $(cat "build-fuzz/$t.status") == 0 ]]; then
    echo "fuzz $t: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs in ${seconds} s, no finding"
  else
    echo "fuzz $t: FINDING (log $log, input in build-fuzz/findings/$t/)"
    # The report up to the input, without the deeper stack frames.
    awk '/fuzz check failed|ERROR:|runtime error/ { show = 1 }
         show && !/^ +#[1-9][0-9]/ { print } show && /^Base64:/ { exit }' "$log"
    failed+=("$t")
  fi
done
if ((${#failed[@]})); then
  echo "fuzz: findings in ${failed[*]}"
  exit 1
fi
