# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build and the tests need, only those that are missing.
# Sourced by run.sh and test.sh.

ohmara_packages_build=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libxcb1-dev
    fonts-liberation2)
ohmara_packages_test=(clang-format black xvfb openbox xfwm4 kwin-x11 kwin-wayland kwin-style-breeze mutter xwayland
    qt6-wayland pipewire wireplumber gstreamer1.0-pipewire gstreamer1.0-tools gstreamer1.0-plugins-base
    xdotool python3-xlib clang libclang-rt-dev
    desktop-file-utils appstream dpkg-dev file lintian
    dbus-bin dbus-daemon libglib2.0-bin at-spi2-core python3-pyatspi
    orca speech-dispatcher speech-dispatcher-espeak-ng)
ohmara_packages_bench=(valgrind procps xvfb)

ohmara_install() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

ohmara_build() {
    cmake --preset release >/dev/null
    cmake --build --preset release
}
