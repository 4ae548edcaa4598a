#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# The Debian package: control data, file list, dependencies this system can
# satisfy, and the installed program, unpacked into a throwaway root, starts
# under a virtual display with a design file and ends cleanly.
#   debian_package_test.sh <build> <expected file list>
set -euo pipefail
build=$(realpath "$1")
expected=$(realpath "$2")
for tool in cpack dpkg-deb dpkg-shlibdeps fakeroot xvfb-run xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/zelvo_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single zelvo_*_amd64.deb: $(ls "$work/out")"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zelvo ] || fail "Package: $(field Package)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# Every dependency is a package this Debian knows and has installed.
for pkg in $(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/|.*//; s/ //g'); do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
    fail "dependency $pkg is not installed here"
done

# Same files as `cmake --install`, all under /usr, owned by root.
diff -u "$expected" <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print "FAIL: not owned by root: " $0; bad = 1 } END { exit bad }'
dpkg-deb -x "$deb" "$work/root"
! file "$work/root/usr/bin/zelvo" | grep -q 'not stripped' || fail "the program is not stripped"

# A design with one data point (25 - j10 ohm at 1 GHz).
design=$work/Amp\ Input.zvc
printf '%s\r\n' '[DATAPOINTS]' 'NR=1' 'START=1' 'R=0,25' 'X=0,-10' 'F=0,1E+09' '' \
  '[Z0]' 'Z0=50' '' '[HISTORY]' 'NR=1' 'TYP=0,DATAPOINT' >"$design"
mkdir -m 700 "$work/run"
cat >"$work/start.sh" <<'INNER'
"$1" "$2" & pid=$!
sleep 6
kill -0 "$pid" 2>/dev/null && echo ALIVE
xwininfo -root -tree | grep -F "\"Zelvo-Chart $2\"" >/dev/null && echo TITLE
kill -TERM "$pid"
wait "$pid"
echo "EXIT $?"
INNER
out=$(XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/cfg \
  xvfb-run -a -s "-screen 0 1280x800x24" bash "$work/start.sh" "$work/root/usr/bin/zelvo" "$design" 2>&1)
grep -q '^ALIVE$' <<<"$out" || fail "the installed program did not stay up: $out"
grep -q '^TITLE$' <<<"$out" || fail "the design file was not opened: $out"
grep -q '^EXIT 0$' <<<"$out" || fail "the installed program did not end cleanly: $out"
[ -f "$work/cfg/zelvo/zelvo.ini" ] || fail "no settings written at exit"
echo "debian package: ok"
