#!/usr/bin/env bash
# Installs the Debian packages Vorel needs, only those that are missing.
set -euo pipefail

# The last line serves the accessibility tests: the events a screen reader
# hears, under a virtual X server, and the bridge to it (AT-SPI).
packages=(g++ cmake ninja-build pkg-config zlib1g-dev libgtest-dev libgmock-dev
          libbenchmark-dev libpng-dev qt6-base-dev qt6-multimedia-dev qt6-base-dev-tools
          qt6-charts-dev libqt6charts6 qt6-l10n-tools qt6-tools-dev
          libqt6svg6 qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho
          fonts-dejavu-core fonts-noto-cjk libutf8proc-dev libsqlite3-dev libsqlite3-0
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav poppler-utils
          qt6-base-private-dev xvfb xauth dbus at-spi2-core python3-pyatspi "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg -s "$p" >/dev/null 2>&1 || ! dpkg -s "$p" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
