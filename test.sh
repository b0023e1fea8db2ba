#!/usr/bin/env bash
# Installs what is missing, builds Vireska with its tests and runs the whole test suite headless.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
source "$root/scripts/packages.sh"

install_missing_packages "${VIRESKA_BUILD_PACKAGES[@]}" "${VIRESKA_TEST_PACKAGES[@]}"
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRESKA_BUILD_TESTS=ON >/dev/null
cmake --build "$root/build/test"

cd "$root/build/test"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"
