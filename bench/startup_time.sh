#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Start-up of Zelvo against a bare Qt main window, in alternating runs under
# xvfb-run: the time from exec to the first flush of the painted main window
# to the display, and the peak resident memory once the program has settled.
# The flush is taken from Qt's own painting log ("qt.widgets.painting"), so
# neither program needs a switch of its own and both are measured alike.
#   bench/startup_time.sh <build>/apps/zelvo/zelvo <build>/bench/bare_window [design.zvc] [runs]
set -euo pipefail
zelvo=$(realpath "$1")
bare=$(realpath "$2")
design=${3:-}
runs=${4:-15}
command -v xvfb-run >/dev/null || { echo "startup_time: xvfb-run is not installed"; exit 1; }
work=$(mktemp -d)
# The lock of the single-instance check lives in the runtime folder, which a
# desktop keeps in memory (/run/user/<uid>); a disk folder would add a sync.
run=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work" "$run"' EXIT
chmod 700 "$run"

cat > "$work/measure.sh" <<'INNER'
# One run: prints "<ms> <peak KiB>", or nothing when no main window was flushed.
measure() {
  TZ=UTC QT_LOGGING_RULES="qt.widgets.painting=true" \
    QT_MESSAGE_PATTERN="%{time HH:mm:ss.zzz} %{message}" \
    bash -c 'echo "$EPOCHREALTIME" > "$0"; exec "$@"' "$work/t0" "$@" 2>"$work/log" &
  pid=$!
  # Until the first flush (or 10 s), then a second to settle (the splash).
  for _ in $(seq 100); do
    grep -q ' Flushing QRegion' "$work/log" 2>/dev/null && break
    sleep 0.1
  done
  sleep 1
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v t0="$(cat "$work/t0")" -v peak="$peak" '
    BEGIN { sub(/,/, ".", t0); t0 = t0 % 86400 }
    / Flushing QRegion.* of [A-Za-z:]*MainWindow\(/ {
      split($1, h, ":"); t = h[1] * 3600 + h[2] * 60 + h[3]
      if (t < t0 - 1) t += 86400 # past midnight
      printf "%.0f %d\n", (t - t0) * 1000, peak; exit
    }' "$work/log"
}
for i in $(seq "$runs"); do
  measure "$bare" | sed 's/^/bare /'
  measure "$zelvo" $design | sed 's/^/zelvo /'
done
INNER

xvfb-run -a -s "-screen 0 1600x1000x24" env work="$work" zelvo="$zelvo" bare="$bare" \
  design="$design" runs="$runs" XDG_CONFIG_HOME="$work/cfg" XDG_RUNTIME_DIR="$run" \
  bash -c 'source "$work/measure.sh"' > "$work/times" 2>/dev/null

awk '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  $1 == "bare"  { bt[++nb] = $2; bm[nb] = $3 }
  $1 == "zelvo" { zt[++nz] = $2; zm[nz] = $3 }
  END {
    if (nb == 0 || nz == 0) { print "startup_time: no measurement"; exit 1 }
    b = median(bt, nb); z = median(zt, nz); bk = median(bm, nb); zk = median(zm, nz)
    printf "exec to first painted main window (median of %d / %d runs): bare %.0f ms, zelvo %.0f ms, ratio %.2f\n", nb, nz, b, z, z / b
    printf "peak RSS (median): bare %.1f MiB, zelvo %.1f MiB, ratio %.2f\n", bk / 1024, zk / 1024, (bk > 0 ? zk / bk : 0)
  }' "$work/times"
