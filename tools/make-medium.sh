#!/usr/bin/env bash
# Builds Vireska in Release and makes an installation medium in the given folder: the installer `setup`
# beside the folder DataFile, which holds everything setup installs (the program Vireska, its icon and an
# empty data folder; the program creates its 23 files there on first start).
# Usage: tools/make-medium.sh <folder>
set -euo pipefail
if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: tools/make-medium.sh <folder>" >&2
    exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/packages.sh"

install_missing_packages "${VIRESKA_BUILD_PACKAGES[@]}" "${VIRESKA_PACKAGING_PACKAGES[@]}"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target Vireska setup

medium="$1"
mkdir -p "$medium"
medium="$(cd "$medium" && pwd)"
# DataFile is made anew, so a medium never carries data files left from an earlier one.
rm -rf "$medium/DataFile"
mkdir -p "$medium/DataFile"
install -m 755 "$build/src/installer/setup" "$medium/setup"
install -m 755 "$build/src/Vireska" "$medium/DataFile/Vireska"
install -m 644 "$root/assets/pictures/program-icon.png" "$medium/DataFile/Vireska.png"
mkdir -m 700 "$medium/DataFile/data"

echo "Installation medium ready in $medium: start $medium/setup"
