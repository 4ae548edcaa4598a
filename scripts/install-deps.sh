#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zelvo developers
# Installs the Debian 12 packages needed to build, run and test Zelvo and Wendra.
# Idempotent and quiet when everything is present; uses sudo only when not root.
# Without root or sudo it installs nothing and names the packages to install.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libnlopt-dev
  xvfb xauth imagemagick poppler-utils
  fonts-dejavu-core fonts-wqy-microhei
  clang-14 libclang-rt-14-dev strace x11-utils
  desktop-file-utils appstream libxml2-utils dpkg-dev fakeroot file ngspice lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Nothing installed (or nothing could be): say what to install, and stop
# before the build that would fail for want of it.
refuse() {
  echo "Missing Debian packages: ${missing[*]}" >&2
  echo "$1" >&2
  echo "Install them as root, then run the command again:" >&2
  echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
  exit 1
}

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  refuse "This user is not root and there is no sudo, so nothing was installed."
fi
echo "Installing: ${missing[*]}"
# Passed through env: sudo would drop it from the environment.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
  refuse "Could not update the package lists."
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
  refuse "Could not install them."
