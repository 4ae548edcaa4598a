#!/usr/bin/env bash
# Start-up time of the real program: from exec to the moment its event loop
# first waits with nothing left to do, i.e. the main window (and the splash)
# shown and painted. Taken from the system calls of the main thread (strace),
# so the program needs no switch or variable for it. Runs under xvfb-run.
#   bench/startup_time.sh <build>/apps/zelvo/zelvo [design.zvc] [runs]
set -euo pipefail
program=$(realpath "$1")
design=${2:-}
runs=${3:-9}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/run"

cat > "$work/measure.sh" <<'INNER'
program=$1 design=$2 runs=$3 work=$4
for i in $(seq "$runs"); do
  strace -f --seccomp-bpf -ttt -T -e trace=execve,poll,ppoll -o "$work/trace" \
    "$program" $design &
  tracer=$!
  sleep 3
  # End the program by its own id: the first line of the trace names it.
  kill -TERM "$(awk 'NR == 1 { print $1 }' "$work/trace")" 2>/dev/null || true
  wait "$tracer" 2>/dev/null || true
  # The first wait of the main thread on more than one descriptor that lasts
  # over 100 ms is the idle event loop.
  awk '
    /execve\(/ && !t0 { pid = $1; t0 = $2 }
    $1 == pid && ($3 ~ /^poll\(/ || $3 ~ /^ppoll\(/) && /\}, \{fd=/ {
      d = $NF; gsub(/[<>]/, "", d)
      if (d + 0 > 0.1) { printf "%.0f\n", ($2 - t0) * 1000; exit }
    }' "$work/trace"
done
INNER

xvfb-run -a -s "-screen 0 1600x1000x24" env XDG_CONFIG_HOME="$work/cfg" \
  XDG_RUNTIME_DIR="$work/run" bash "$work/measure.sh" "$program" "$design" "$runs" "$work" \
  > "$work/times" 2>/dev/null

sort -n "$work/times" | awk '
  { t[NR] = $1 }
  END { if (NR == 0) { print "no measurement"; exit 1 }
        printf "start-up to idle after the first paint: median %d ms (runs: %d, min %d, max %d)\n",
               t[int((NR + 1) / 2)], NR, t[1], t[NR] }'
