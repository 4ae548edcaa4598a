#!/usr/bin/env bash
# Start-up of Zelvo against a bare Qt main window, in alternating runs under
# xvfb-run: time from exec to the moment the event loop first waits with
# nothing left to do (the window shown and painted), and peak resident memory
# at that point. Taken from the system calls of the main thread (strace), so
# neither program needs a switch or variable for it.
#   bench/startup_time.sh <build>/apps/zelvo/zelvo <build>/bench/bare_window [design.zvc] [runs]
set -euo pipefail
zelvo=$(realpath "$1")
bare=$(realpath "$2")
design=${3:-}
runs=${4:-9}
for tool in strace xvfb-run; do
  command -v "$tool" >/dev/null || { echo "startup_time: $tool is not installed"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"

cat > "$work/measure.sh" <<'INNER'
# One run: prints "<ms> <peak KiB>".
measure() {
  strace -f --seccomp-bpf -ttt -T -e trace=execve,poll,ppoll -o "$work/trace" "$@" &
  tracer=$!
  sleep 3
  # The traced program's id is on the first line of the trace.
  pid=$(awk 'NR == 1 { print $1; exit }' "$work/trace")
  peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill -TERM "$pid" 2>/dev/null || true
  wait "$tracer" 2>/dev/null || true
  # The first wait of the main thread that lasts over 100 ms is the idle
  # event loop (the bare window waits on one descriptor, Zelvo on several).
  awk -v peak="$peak" '
    /execve\(/ && !t0 { pid = $1; t0 = $2 }
    $1 == pid && ($3 ~ /^poll\(/ || $3 ~ /^ppoll\(/) {
      d = $NF; gsub(/[<>]/, "", d)
      if (d + 0 > 0.1) { printf "%.0f %d\n", ($2 - t0) * 1000, peak; exit }
    }' "$work/trace"
}
for i in $(seq "$runs"); do
  measure "$bare" | sed 's/^/bare /'
  measure "$zelvo" $design | sed 's/^/zelvo /'
done
INNER

xvfb-run -a -s "-screen 0 1600x1000x24" env work="$work" zelvo="$zelvo" bare="$bare" \
  design="$design" runs="$runs" XDG_CONFIG_HOME="$work/cfg" XDG_RUNTIME_DIR="$work/run" \
  bash "$work/measure.sh" > "$work/times" 2>/dev/null

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
    printf "exec to first painted window (median of %d / %d runs): bare %.0f ms, zelvo %.0f ms, ratio %.2f\n", nb, nz, b, z, z / b
    printf "peak RSS (median): bare %.1f MiB, zelvo %.1f MiB, ratio %.2f\n", bk / 1024, zk / 1024, (bk > 0 ? zk / bk : 0)
  }' "$work/times"
