#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# The Debian package: control data, file list, dependencies this system can
# satisfy, and the installed program, unpacked into a throwaway root, starts
# under a virtual display with a design file and ends cleanly. Everything
# that names the release names the project's version, and lintian finds
# nothing to warn about.
#   debian_package_test.sh <build> <expected file list> <project version>
set -euo pipefail
build=$(realpath "$1")
expected=$(realpath "$2")
version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog fakeroot xvfb-run xwininfo xmllint; do
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
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project's is $version"
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

# The changelog, the AppStream data, the manual pages and the program itself
# name the package's release; --version needs no display.
doc=$work/root/usr/share
zcat "$doc/doc/zelvo/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] || fail "changelog version"
for app in Zelvo Wendra; do
  release=$(xmllint --xpath 'string(//releases/release[1]/@version)' "$doc/metainfo/org.zelvo.$app.metainfo.xml")
  [ "$release" = "$version" ] || fail "$app's AppStream release is '$release'"
  xmllint --xpath "//project_license[text()='GPL-3.0-or-later']" "$doc/metainfo/org.zelvo.$app.metainfo.xml" \
    >/dev/null || fail "$app's AppStream data lacks the project licence"
done
for page in zelvo wendra; do
  zcat "$doc/man/man1/$page.1.gz" | head -n 1 | grep -q "\"${page^} $version\"" || fail "$page.1's version"
done
about=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$work/root/usr/bin/zelvo" --version) ||
  fail "zelvo --version failed without a display"
[ "$(head -n 1 <<<"$about")" = "zelvo $version" ] || fail "zelvo --version says: $about"
grep -q 'GPL-3.0-or-later' <<<"$about" && grep -q 'ABSOLUTELY NO WARRANTY' <<<"$about" ||
  fail "zelvo --version names no licence: $about"

# The copyright file is machine-readable: every licence that a Files
# paragraph names is given in a paragraph of its own, the GPL by reference.
copyright=$doc/doc/zelvo/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
awk 'BEGIN { RS = ""; FS = "\n" }
  { files = 0; name = ""
    for (i = 1; i <= NF; i++) {
      if ($i ~ /^Files:/) files = 1
      if ($i ~ /^License:/) { name = $i; sub(/^License: */, "", name) }
    }
    if (files) named[name] = 1; else if (name != "") given[name] = 1 }
  END { for (n in named) if (!(n in given)) { print "FAIL: licence " n " is not given"; bad = 1 }
        if (!("GPL-3+" in named)) { print "FAIL: no files under GPL-3+"; bad = 1 }
        exit bad }' "$copyright"
grep -q '"/usr/share/common-licenses/GPL-3"' "$copyright" || fail "the GPL is not referred to"

# What packagers check. Nothing at warning level or above is overridden.
# Info tags seen and kept: binary-has-unneeded-section .comment (CPack strips
# with plain strip, the section is a few bytes of compiler identification);
# hardening-no-bindnow and hardening-no-fortify-functions (the programs are
# built with the project's own flags, not dpkg-buildflags' hardening set, which
# would change every object of every build, tests and sanitizer runs included);
# spelling-error-in-binary "Absolut" (a message text kept word for word).
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --display-info "$deb" || fail "lintian"
else
  echo "lintian is not installed: the package's lint check is left out"
fi

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
