#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing molvera need.
# Idempotent: only what is missing is installed; sudo is used when not root.
set -euo pipefail

packages=(
    # build (the private Gui headers: the monkey test sends events the way the platform does)
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-svg-dev libqt6printsupport6 libgl-dev libcups2-dev
    # the reagent book: Qt SQL's SQLite driver; a lab book on a PostgreSQL server, and the tests'
    # own server
    libqt6sql6-sqlite libqt6sql6-psql postgresql
    # fonts the program uses in place of the old Windows faces
    fonts-comic-neue fonts-dejavu-core fonts-urw-base35
    # tests: a real X server, a real default printer, reading its PDFs back
    xvfb xauth xdotool cups printer-driver-cups-pdf poppler-utils
    # tests: a screen reader's view through a private AT-SPI bus; the desktop's dark theme
    dbus dbus-x11 at-spi2-core gir1.2-atspi-2.0 python3-gi qt6-gtk-platformtheme gnome-themes-extra
    # benchmarks: Google Benchmark, and hyperfine for the commands on the terminal
    libbenchmark-dev hyperfine
    # hoverlet's Qt Designer plugin (UiTools needs the OpenGL config), and the Debian packages:
    # building, lintian, AppStream and desktop entry checks, the window's app id under Wayland
    qt6-tools-dev libqt6opengl6-dev
    # translations, molvera's and hoverlet's: lupdate and lrelease, and Qt's own catalogues for its
    # dialogs and buttons; msgfmt with AppStream's rules for the menu entry and the metainfo
    qt6-l10n-tools qt6-translations-l10n gettext appstream
    build-essential debhelper dpkg-dev fakeroot lintian appstream desktop-file-utils
    weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
