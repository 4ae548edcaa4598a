#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# The desktop entries, AppStream data and file types pass the freedesktop
# checkers, and agree with each other on the names they share.
#   desktop_files_test.sh <source>/data <build>/data
set -euo pipefail
data=$1
# The AppStream data is written at configure time (it names the release).
generated=$2
for tool in desktop-file-validate appstreamcli xmllint; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

desktop-file-validate "$data"/org.zelvo.Zelvo.desktop "$data"/org.zelvo.Wendra.desktop
appstreamcli validate --no-net "$generated"/org.zelvo.Zelvo.metainfo.xml "$generated"/org.zelvo.Wendra.metainfo.xml
xmllint --noout "$data"/zelvo-mime.xml

fail() { echo "FAIL: $*"; exit 1; }
key() { sed -n "s/^$2=//p" "$data/$1"; }

# Every type the Zelvo entry opens is defined, with a case-blind glob.
mime=$data/zelvo-mime.xml
types=$(xmllint --xpath "//*[local-name()='mime-type']/@type" "$mime" | sed 's/ *type="\([^"]*\)"/\1;/g' | tr -d '\n')
[ "$(key org.zelvo.Zelvo.desktop MimeType)" = "$types" ] ||
  fail "MimeType= ($(key org.zelvo.Zelvo.desktop MimeType)) differs from the file types ($types)"
for ext in zvc s2p; do
  xmllint --xpath "//*[local-name()='glob'][@pattern='*.$ext' and not(@case-sensitive='true')]" \
    "$mime" >/dev/null 2>&1 ||
    fail "no case-blind glob for .$ext"
done
[ "$(key org.zelvo.Zelvo.desktop Exec)" = "zelvo %f" ] || fail "Zelvo must take the clicked file"
[ "$(key org.zelvo.Zelvo.desktop Categories)" = "Science;Electronics;Engineering;" ] ||
  fail "Zelvo's categories"

# Wendra shows its Chinese name in a Chinese desktop.
[ "$(key org.zelvo.Wendra.desktop 'Name\[zh_CN\]')" = "天线计算器" ] || fail "Wendra's Chinese name"
[ -n "$(key org.zelvo.Wendra.desktop 'Comment\[zh_CN\]')" ] || fail "Wendra's Chinese comment"

# The metainfo launches the entry of the same name.
for app in Zelvo Wendra; do
  launch=$(xmllint --xpath 'string(//launchable[@type="desktop-id"])' "$generated/org.zelvo.$app.metainfo.xml")
  [ "$launch" = "org.zelvo.$app.desktop" ] || fail "$app's metainfo launches '$launch'"
done
echo "desktop files: ok"
