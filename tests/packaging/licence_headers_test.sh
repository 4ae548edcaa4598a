#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Every source, build and script file begins (after its shebang, if any) with
# the licence line and the copyright line.
#   licence_headers_test.sh <source>
set -euo pipefail
cd "$1"

# The tracked files in a git work tree; in a tree without git (an unpacked
# release) every file, build trees (marked by their CMakeCache.txt) left out.
if ! list=$(git ls-files 2>/dev/null) || [ -z "$list" ]; then
  prune=(-name .git)
  while IFS= read -r build; do
    prune+=(-o -path "$build")
  done < <(find . -name CMakeCache.txt -printf '%h\n' 2>/dev/null)
  list=$(find . \( "${prune[@]}" \) -prune -o -type f -print 2>/dev/null | sed 's|^\./||')
fi

sources=()
while IFS= read -r f; do
  # A file that is listed but cannot be read (deleted, no permission) is not judged.
  [ -f "$f" ] && [ -r "$f" ] || continue
  case $f in
    *.cpp | *.h | *.h.in | *.cmake | CMakeLists.txt | */CMakeLists.txt | Makefile | */Makefile | \
      *.sh | *.py | *.qrc | .ci/*) sources+=("$f") ;;
    # Scripts without a telling name: executable, with a shebang.
    *) [ -x "$f" ] && [ "$(head -c 2 "$f")" = '#!' ] && sources+=("$f") ;;
  esac
done <<<"$list"

# An empty list would pass without judging anything.
[ ${#sources[@]} -gt 100 ] || { echo "FAIL: only ${#sources[@]} source files found in $1"; exit 1; }
# awk never sees an empty file, so those are judged here.
bad=0
for f in "${sources[@]}"; do
  [ -s "$f" ] || { echo "FAIL: $f is empty, without licence and copyright lines"; bad=1; }
done
awk '
  function judge() {
    if (name != "" && !(spdx && copyright)) {
      print "FAIL: no licence and copyright lines at the head of " name
      bad = 1
    }
  }
  FNR == 1 { judge(); name = FILENAME; spdx = copyright = 0; first = /^#!/ ? 2 : 1 }
  FNR >= first && FNR <= first + 1 {
    if ($0 ~ /^(\/\/|#|<!--) SPDX-License-Identifier: GPL-3\.0-or-later( -->)?$/) spdx = 1
    if ($0 ~ /^(\/\/|#|<!--) Copyright \(C\) [0-9][0-9, -]* The Zelvo developers( -->)?$/) copyright = 1
  }
  END { judge(); exit bad }' "${sources[@]}" || bad=1
[ $bad -eq 0 ] || exit 1
echo "licence headers: ${#sources[@]} files ok"
