# Installs the Debian packages the build and the tests need, only those that are missing.
# Sourced by run.sh and test.sh.

ohmara_packages_build=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-liberation2)
ohmara_packages_test=(xvfb xauth xdotool x11-utils clang libclang-rt-14-dev
    desktop-file-utils appstream dpkg-dev file
    dbus-daemon libglib2.0-bin at-spi2-core python3-pyatspi)
ohmara_packages_bench=(valgrind libxcb1-dev procps)

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
