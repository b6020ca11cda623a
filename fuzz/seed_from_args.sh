#!/usr/bin/env bash
# Writes a page fuzz seed from a golden case's args (the page, then NAME=VALUE
# and create lines): the page's settable controls in form order with their
# default values and the case's values, one round of lines per create.
# Usage: fuzz/seed_from_args.sh build/verlo-gcode tests/golden/PAGE/CASE/args
set -euo pipefail
gcode=$1
args=$2
"$gcode" "$(head -n1 "$args")" --controls | awk -F'\t' -v args="$args" '
  function round(  i) {
    for (i = 1; i <= n; ++i) printf "%s%s", (rounds || i > 1 ? "\n" : ""), value[name[i]]
    ++rounds
  }
  NR > 1 && $2 ~ /^(edit|check|radio|scroll)/ { name[++n] = $1; value[$1] = $3 }
  END {
    getline line < args
    while ((getline line < args) > 0) {
      if (line == "create") { round(); continue }
      eq = index(line, "=")
      value[substr(line, 1, eq - 1)] = substr(line, eq + 1)
    }
    if (!rounds) round()
  }'
