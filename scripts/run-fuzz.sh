#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Runs each fuzz target for SECONDS on its corpus: the seeds in fuzz/corpus
# (read only), the real Touchstone and one-port files of ../shared/testdata
# when present, and a work corpus in the build folder that keeps what earlier
# runs found.
#   run-fuzz.sh BUILD SECONDS [target ...]
set -euo pipefail
build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(design_reader settings_reader touchstone_reader one_port_reader number_reader command_args)
root=$(cd "$(dirname "$0")/.." && pwd)
testdata=${ZELVO_TESTDATA_DIR:-$root/../shared/testdata}

status=0
for name in "${targets[@]}"; do
  work=$build/fuzz-corpus/$name
  crashes=$build/fuzz-crashes/$name
  log=$build/fuzz-$name.log
  mkdir -p "$work" "$crashes"
  seeds=("$root/fuzz/corpus/$name")
  if [ "$name" = touchstone_reader ] && [ -d "$testdata/touchstone" ]; then
    seeds+=("$testdata/touchstone")
  fi
  if [ "$name" = one_port_reader ] && [ -d "$testdata/oneport" ]; then
    seeds+=("$testdata/oneport")
  fi
  echo "== $name: $seconds s"
  if ! "$build/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "!! $name found a fault; the input is in $crashes"
    status=1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
done
exit $status
