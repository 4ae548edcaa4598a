#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Starts a program in the user's display; without one, runs it under Xvfb,
# writes a screenshot and says where it is.
set -euo pipefail
program=$1; shift
name=$(basename "$program")

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
fi

shot="$(pwd)/build/${name}-screenshot.png"
echo "No display found (DISPLAY is not set): running $name under xvfb-run instead."
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
  "$0" "${@:3}" & pid=$!
  sleep 6
  import -window root "$1"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' "$program" "$shot" placeholder "$@"
echo "Screenshot of $name written to $shot"
