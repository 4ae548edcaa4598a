#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# `cmake --install` into a temporary root puts exactly the expected files in
# place, and what the desktop entries name (program, icon) is among them.
#   install_test.sh <build> <expected file list>
set -euo pipefail
build=$1
expected=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(cd "$root" && find . -type f | sed 's|^\./|/|' | sort)

fail() { echo "FAIL: $*"; exit 1; }
for entry in "$root"/usr/share/applications/*.desktop; do
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -x "$root/usr/bin/$program" ] || fail "$(basename "$entry") starts '$program', which is not installed"
  for size in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no $size px icon '$icon'"
    # The theme's folder names promise the size; a wrong one looks blurred.
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not $size x $size"
  done
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon '$icon'"
done
gzip -t "$root"/usr/share/man/man1/*.gz "$root"/usr/share/doc/zelvo/changelog.gz
echo "install: ok"
