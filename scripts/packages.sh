# Debian/Ubuntu packages Vireska needs, and a function that installs the missing ones.
# Sourced by run.sh and test.sh.

# What the built program needs at run time beside the libraries it links: Qt's French texts and the
# fonts. The Debian package (packaging/Packaging.cmake) reads this list.
VIRESKA_RUNTIME_PACKAGES=(
    qt6-translations-l10n
    fonts-crosextra-carlito fonts-liberation2 fonts-dejavu-core
)
VIRESKA_BUILD_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libsqlite3-dev
    "${VIRESKA_RUNTIME_PACKAGES[@]}"
)
VIRESKA_TEST_PACKAGES=(poppler-utils)
# Building the Debian package (dpkg-shlibdeps finds the libraries' packages).
VIRESKA_PACKAGING_PACKAGES=(dpkg-dev)

# Installs the given packages that are not installed yet (apt-get, as root or through sudo).
install_missing_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "Vireska: these packages are missing and apt-get is not available: ${missing[*]}" >&2
        return 1
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Vireska: installing ${missing[*]} needs root rights (run as root or install sudo)." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Vireska: installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
