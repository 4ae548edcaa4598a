#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# The translations against the sources, in one place for the update target and
# the test, so that both see the same strings.
#   lupdate.sh LUPDATE SOURCE_DIR update   rewrites translations/*.ts
#   lupdate.sh LUPDATE SOURCE_DIR check    fails on any string without a
#                                          finished translation or a stale entry
set -euo pipefail
lupdate=$1
root=$2
mode=$3
# The layers below the interface ask a Texts for what a user reads; its
# translate() calls are collected like Qt's own.
sources=("$root/src/ui" "$root/src/render" "$root/src/model" "$root/src/core" "$root/src/optimise"
         "$root/apps/zelvo")
alias=(-tr-function-alias QT_TRANSLATE_NOOP+=translatable)
status=0
shopt -s nullglob
for ts in "$root"/translations/*.ts; do
  if [ "$mode" = update ]; then
    "$lupdate" -silent -locations none -no-obsolete "${alias[@]}" "${sources[@]}" -ts "$ts"
    continue
  fi
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  cp "$ts" "$tmp/check.ts"
  # Strings gone from the sources stay behind as "vanished"; new ones arrive
  # as "unfinished": either means the file is not in step with the code.
  "$lupdate" -silent -locations none "${alias[@]}" "${sources[@]}" -ts "$tmp/check.ts"
  bad=$(grep -c -E 'type="(unfinished|vanished|obsolete)"' "$tmp/check.ts" || true)
  if [ "$bad" != 0 ]; then
    echo "$(basename "$ts"): $bad entries unfinished or stale:"
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$tmp/check.ts" | grep '<source>' | head -40
    status=1
  fi
  rm -rf "$tmp"
  trap - EXIT
done
exit $status
