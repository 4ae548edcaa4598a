#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Installs the Debian 12 packages needed to build, run and test Zelvo and Wendra.
# Idempotent and quiet when everything is present; uses sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libnlopt-dev
  xvfb xauth imagemagick poppler-utils
  fonts-dejavu-core fonts-wqy-microhei
  qt6-svg-dev clang-14 libclang-rt-14-dev strace x11-utils
  desktop-file-utils appstream libxml2-utils dpkg-dev fakeroot file ngspice
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
