#!/usr/bin/env bash
# Reliability check, run by hand: a child process saves patients and prescription lines through the
# program's own save functions and is killed with SIGKILL at random moments, <kills> times. After each
# kill every data file must pass integrity_check and every save the child reported done must be there.
# Ends with one line: kills N saves S missing M damaged D.
#
#   tools/crash-test.sh 200
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kills="${1:-100}"
build="${VIRESKA_BUILD_DIR:-$root/build/test}"

source "$root/scripts/packages.sh"
install_missing_packages "${VIRESKA_BUILD_PACKAGES[@]}" >&2
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIRESKA_BUILD_TESTS=ON >/dev/null
cmake --build "$build" --target store-writer >/dev/null
writer="$build/tests/store-writer"
export QT_QPA_PLATFORM=offscreen

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
missing=0
damaged=0
saves=0
for ((kill = 1; kill <= kills; kill++)); do
    "$writer" "$work" 1000000 "$kill" >"$work/log.$kill" 2>/dev/null &
    child=$!
    # Between 20 and 600 milliseconds: some kills land during start-up, most in the middle of a save.
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.3f", 0.02 + (r % 581) / 1000 }')"
    kill -KILL "$child" 2>/dev/null || true
    wait "$child" 2>/dev/null || true

    result="$("$writer" --verify "$work" "$work"/log.* 2>/dev/null || true)"
    read -r _ saves _ lost _ broken <<<"$result"
    missing=$((lost > missing ? lost : missing))
    damaged=$((broken > damaged ? broken : damaged))
done
echo "kills $kills saves $saves missing $missing damaged $damaged"
[ "$missing" -eq 0 ] && [ "$damaged" -eq 0 ]
