#!/usr/bin/env bash
# Builds the Debian packages from a scratch copy of the tree and checks them without installing
# anything on the machine: lintian, their contents, the metainfo and desktop entry, then, unpacked
# into a scratch root, the options and the commands answered with no display, the window's app id
# under a headless Wayland compositor, the program started on the offscreen platform until its
# first window has painted, a program built against the unpacked libhoverlet-dev, a Designer form
# loaded through the unpacked Designer plugin, and hoverlet's about box in German from the
# unpacked library's own catalogue.
# Usage: test-packages.sh BUILD_DIR, a configured and built tree with the tests (scripts/test.sh).
# The packages are left in BUILD_DIR/packages.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
work=$build/packages
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
started=$SECONDS

fail() { echo "package check: $*" >&2; exit 1; }
step() { echo "== packages: $*"; }

rm -rf "$work"
mkdir -p "$work/source"
# dpkg-buildpackage writes the packages next to the tree it builds: a copy keeps them out of the
# clone's parent folder. The build folders and VCS data are left behind.
tar -C "$root" --exclude-vcs --exclude='./build*' --exclude=./.cache -cf - . |
    tar -C "$work/source" -xf -

step "dpkg-buildpackage -us -uc -b (log: $work/build.log)"
# The suite has run on these sources already; the package build only builds them.
if ! (cd "$work/source" &&
    DEB_BUILD_OPTIONS="nocheck noddebs parallel=$(nproc)" dpkg-buildpackage -us -uc -b) \
    >"$work/build.log" 2>&1; then
    tail -n 40 "$work/build.log" >&2
    fail "dpkg-buildpackage failed"
fi

step "lintian"
lintian --fail-on error --info "$work"/molvera_*.changes || fail "lintian reports errors"

# Checks read whole outputs: `grep -q` in a pipe would end the writer early, which pipefail
# counts as a failure.
deb() { ls "$work/$1"_*.deb; }
contents() { dpkg-deb -c "$(deb "$1")" | awk '{print $6}'; }
expect() {
    local package=$1 listing path
    shift
    listing=$(contents "$package")
    for path; do
        grep -qxF "./$path" <<<"$listing" || fail "$package lacks /$path"
    done
}
loads() { grep -qF "$2" <<<"$(ldd "$1")"; }
lib=usr/lib/$multiarch
step "contents"
expect molvera usr/bin/molvera usr/share/man/man1/molvera.1.gz \
    usr/share/applications/example.kestrova.molvera.desktop \
    usr/share/bash-completion/completions/molvera \
    usr/share/metainfo/example.kestrova.molvera.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/molvera.svg
expect libhoverlet1 "$lib/libhoverlet.so.1"
expect libhoverlet-dev "$lib/libhoverlet.so" usr/include/hoverlet/hoverlet.h \
    "$lib/cmake/hoverlet/hoverletConfig.cmake" "$lib/cmake/hoverlet/hoverletConfigVersion.cmake" \
    "$lib/cmake/hoverlet/hoverletTargets.cmake"
expect hoverlet-designer-plugin "$lib/qt6/plugins/designer/libhoverletdesigner.so"
# The runtime package carries no development file, and the -dev package no library.
! grep -E '\.h$|\.cmake$|\.so$' <<<"$(contents libhoverlet1)" ||
    fail "libhoverlet1 holds development files"
! grep -F '.so.' <<<"$(contents libhoverlet-dev)" || fail "libhoverlet-dev holds the library itself"
# molvera must be installable with the libhoverlet1 built beside it: the dependency comes from
# the symbols file, which names hoverlet's versions, not the source package's.
hoverlet_version=$(dpkg-deb -f "$(deb libhoverlet1)" Version)
needed=$(sed -n 's/.*libhoverlet1 (>= \([^)]*\)).*/\1/p' <<<"$(dpkg-deb -f "$(deb molvera)" Depends)")
[ -n "$needed" ] && dpkg --compare-versions "$hoverlet_version" ge "$needed" ||
    fail "molvera needs libhoverlet1 >= '$needed', the build made $hoverlet_version"

unpacked=$work/root
step "unpacked into $unpacked"
for package in "$work"/*.deb; do
    dpkg-deb -x "$package" "$unpacked"
done
export LD_LIBRARY_PATH=$unpacked/$lib
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$build/xdg-runtime XDG_DATA_HOME=$build/xdg-data
# The checks below read the English program's answers, whatever the desktop's language.
export LANGUAGE=en
loads "$unpacked/usr/bin/molvera" "$unpacked/$lib/libhoverlet.so.1" ||
    fail "the unpacked molvera does not load the unpacked libhoverlet"

appstreamcli validate --no-net "$unpacked/usr/share/metainfo/example.kestrova.molvera.metainfo.xml"
desktop-file-validate "$unpacked/usr/share/applications/example.kestrova.molvera.desktop"

molvera=$unpacked/usr/bin/molvera
version=$(dpkg-deb -f "$(deb molvera)" Version)
step "the options, answered with no display at all"
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${nodisplay[@]}" "$molvera" --version)" = "molvera $version" ] ||
    fail "--version does not say $version"
grep -q -- '--version' <<<"$("${nodisplay[@]}" "$molvera" --help)" ||
    fail "--help does not list --version"
status=0
refusal=$("${nodisplay[@]}" "$molvera" --no-such-option 2>&1) || status=$?
[ "$status" = 1 ] && grep -qxF "molvera: Unknown option 'no-such-option'." <<<"$refusal" ||
    fail "a wrong option ends with status $status: $refusal"

step "the commands, answered with no display at all"
# In numbers as English writes them, whatever the desktop's locale.
terminal=("${nodisplay[@]}" LC_ALL=C.UTF-8)
answer=$("${terminal[@]}" "$molvera" molar --molarity 50mM --volume 250mL --formula NaCl)
[ "$answer" = "To prepare 250 mL of a 50 mM Solution of NaCl, Measure 0.73 grams of NaCl and \
dilute up to 250 mL with solvent." ] || fail "molar answers: $answer"
json=$("${terminal[@]}" "$molvera" formula --json 'CuSO4·5H2O')
python3 -c 'import json, sys; answer = json.load(sys.stdin)
assert (answer["format"], answer["waters"], answer["molecular_weight"]) == (1, 5, 249.684)' \
    <<<"$json" || fail "formula --json answers: $json"
"${terminal[@]}" "$molvera" hydrate --formula 'CuSO4·5H2O' --percent 15 --volume 100 \
    --pdf "$work/sheet.pdf" >/dev/null || fail "hydrate --pdf failed"
grep -qF 'Stock: 100 %, Number of H2O: 5' <<<"$(pdftotext "$work/sheet.pdf" -)" ||
    fail "hydrate --pdf wrote no sheet of its calculation"
status=0
refusal=$("${terminal[@]}" "$molvera" molar --molarity 2 --volume 1 --stock 1M 2>&1) || status=$?
[ "$status" = 3 ] && grep -qF 'The stock is weaker than the solution wanted' <<<"$refusal" ||
    fail "a stock too weak ends with status $status: $refusal"

step "the window's Wayland app id is the desktop entry's name"
entry=$(basename "$unpacked"/usr/share/applications/*.desktop .desktop)
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
socket=molvera-packages-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$work/weston.log" 2>&1 &
weston=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.05
done
status=0
wayland=$(WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    QT_PLUGIN_PATH=$build/tests/package/plugins QT_QPA_GENERIC_PLUGINS=firstwindow \
    timeout 60 "$molvera" 2>&1) || status=$?
kill "$weston" && wait "$weston" || true
[ "$status" = 0 ] || { tail -n 20 "$work/weston.log" >&2; fail "molvera did not start under weston"; }
set_app_id=$(grep -F '.set_app_id(' <<<"$wayland" || true)
echo "$set_app_id"
[ "$(sed -n 's/.*\.set_app_id("\(.*\)")$/\1/p' <<<"$set_app_id")" = "$entry" ] ||
    fail "the window's app id is not $entry"

step "the unpacked program, until its first window has painted"
shown=$(QT_PLUGIN_PATH=$build/tests/package/plugins QT_QPA_GENERIC_PLUGINS=firstwindow \
    timeout 60 "$molvera") || fail "molvera did not start"
echo "$shown"
grep -qx 'first window: frmMain "molvera" [0-9]*x[0-9]*' <<<"$shown" ||
    fail "the first window is not the main window"

step "a program built against the unpacked libhoverlet-dev"
cmake -S "$root/tests/package/consumer" -B "$work/consumer" -G Ninja \
    -DCMAKE_PREFIX_PATH="$unpacked/usr" >"$work/consumer.log" 2>&1 ||
    { cat "$work/consumer.log"; fail "the consumer does not configure"; }
grep -qx "hoverlet_DIR:PATH=$unpacked/$lib/cmake/hoverlet" "$work/consumer/CMakeCache.txt" ||
    fail "the consumer found another hoverlet"
cmake --build "$work/consumer" >>"$work/consumer.log" 2>&1 ||
    { cat "$work/consumer.log"; fail "the consumer does not build"; }
"$work/consumer/consumer"

step "the Designer form through the unpacked plugin"
plugins=$unpacked/$lib/qt6/plugins/designer
loads "$plugins/libhoverletdesigner.so" "$unpacked/$lib/libhoverlet.so.1" ||
    fail "the unpacked plugin does not load the unpacked libhoverlet"
HOVERLET_DESIGNER_PLUGINS=$plugins QTEST_DISABLE_STACK_DUMP=1 \
    "$build/hoverlet/tests/tst_designerform" -silent

step "hoverlet's German catalogue, carried by the unpacked libhoverlet1"
LANGUAGE=de QTEST_DISABLE_STACK_DUMP=1 \
    "$build/hoverlet/tests/tst_hoverletabout" -silent speaksGermanOnAGermanDesktop

echo "packages: all checks passed in $((SECONDS - started)) s; the packages are in $work"
