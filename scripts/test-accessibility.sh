#!/usr/bin/env bash
# molvera through a screen reader's eyes: the program under Xvfb on a private session bus and
# AT-SPI bus, both started here and ended when the check ends, read and driven by a real AT-SPI
# client (tests/atspi/check_molvera.py). Links are opened by an xdg-open of the check's own,
# which only writes the address down.
#   test-accessibility.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$build"
fi

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT

mkdir -m 700 "$work/runtime" "$work/bin" "$work/data"
# The program's reagent book is made in a data folder of the check's own.
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data"
# The check reads the English program, whatever the desktop's language.
export LANGUAGE=en
cat >"$work/bin/xdg-open" <<OPEN
#!/bin/sh
echo "\$1" >>"$work/opened"
OPEN
chmod +x "$work/bin/xdg-open"

{ read -r address; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
pids+=("$bus")
export DBUS_SESSION_BUS_ADDRESS=$address
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=("$!")
# The launcher answers on the session bus once its AT-SPI bus is up.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.05
done
dbus-send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true

PATH="$work/bin:$PATH" /usr/bin/python3 "$root/tests/atspi/check_molvera.py" \
    "$build/ui/molvera" "$work/opened"
