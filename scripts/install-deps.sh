#!/usr/bin/env bash
# Installs the Debian packages Velmar needs to build, package, run and test, skipping
# those already present. Uses sudo when not run as root. --test adds what the
# tests need, --desktops what the whole desktop matrix adds to them
# (tests/desktop/desktop-matrix.sh), --bench what the frame-rate comparison needs.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    libwxgtk3.2-dev libgl-dev libglu1-mesa-dev libsoil-dev libftgl-dev
    libfontconfig-dev fonts-dejavu-core libmpv-dev libgtk-3-dev libxrandr-dev
    # The catalogs, menu entries and listing in every language (msgfmt reads
    # the listing's rules from appstream); the toolkit's own words in them;
    # and letters for the help text in Chinese and Japanese.
    gettext appstream wx3.2-i18n fonts-noto-cjk
    # scripts/build-deb.sh: Debian's build flags, and what CPack finds the
    # package's dependencies with.
    dpkg-dev file
)
if [[ "${1:-}" == "--test" || "${1:-}" == "--desktops" ]]; then
    # The desktops the tests run the program on: window managers, a panel, a
    # Wayland compositor with Xwayland, and the session bus some of them need.
    packages+=(openbox xfwm4 tint2 weston xwayland dbus dbus-daemon)
    packages+=(libgtest-dev xvfb xauth xdotool x11-utils imagemagick clang libclang-rt-14-dev lame
               desktop-file-utils man-db groff-base lintian libxml2-utils)
    # The languages the whole-program tests speak.
    packages+=(locales)
    # The local time a whole-program test shows the tank at.
    packages+=(faketime)
    # A sound server the whole-program test kills and starts again.
    packages+=(pulseaudio pulseaudio-utils)
    # Two monitors side by side: a real X server with the dummy driver, and xrandr.
    packages+=(xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils)
fi
if [[ "${1:-}" == "--desktops" ]]; then
    # KWin brings much of the KDE desktop with it: some 680 packages.
    packages+=(metacity mutter kwin-x11)
fi
# bench/compare-peer.sh runs the program against xscreensaver's glschool.
if [[ "${1:-}" == "--bench" ]]; then
    packages+=(xvfb xauth python3 xscreensaver-gl)
fi

as_root=()
[[ "$(id -u)" -ne 0 ]] && as_root=(sudo)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the whole-program tests run the program in, where the system lacks them.
if [[ "${1:-}" == "--test" || "${1:-}" == "--desktops" ]]; then
    for locale in de_DE ja_JP; do
        locale -a | grep -qx "$locale.utf8" ||
            "${as_root[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    done
fi
