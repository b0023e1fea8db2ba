#!/usr/bin/env bash
# Installs what is missing, builds Vireska in Release and starts it in $HOME/Vireska.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
source "$root/scripts/packages.sh"

install_missing_packages "${VIRESKA_BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/release" --target Vireska

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Vireska needs a graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi

mkdir -p "$HOME/Vireska"
cd "$HOME/Vireska"
exec "$root/build/release/src/Vireska"
