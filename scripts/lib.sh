# Shared by the scripts: install the Debian packages that are missing, nothing else.
# shellcheck shell=bash

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}" >&2
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# What building and running needs; the X tools serve the end-to-end tests and the headless demo.
FOLIONIX_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins
                   libgl-dev libxcb1-dev pkg-config qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core fonts-urw-base35
                   xvfb xauth openbox xdotool x11-utils x11-apps imagemagick)

build_folionix() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}
