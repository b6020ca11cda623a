#!/usr/bin/env bash
# Builds the core, verlo-gcode, the core tests and the fuzz replays with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize (without
# the window) and runs them. Unoptimised: it builds in half the time and the
# checks are the same. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVERLO_SANITIZE=ON \
  -DVERLO_BUILD_GUI=OFF >/dev/null
cmake --build build-sanitize -j2
cd build-sanitize
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --output-on-failure -j2
