#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks what a desktop gets:
# the program, its desktop entry, its icon in the hicolor theme and its
# AppStream metainfo, each where the desktop looks for it, valid, and naming
# one another consistently. Then starts the installed program on a real
# display and plays its opening and leave (RealWindowTest.sh).
#
#   InstalledCopyTest.sh <cmake> <build folder> <screenshot.png>
set -euo pipefail

if [ $# -ne 3 ]; then
    echo "usage: $0 <cmake> <build folder> <screenshot.png>" >&2
    exit 2
fi
cmake=$1
build=$2
screenshot=$3
here=$(cd "$(dirname "$0")" && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vorka-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" || fail "cmake --install failed"

id=org.tolvane.Vorka
binary="$prefix/bin/vorka"
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

if [ ! -f "$binary" ] || [ ! -x "$binary" ]; then fail "no executable bin/vorka"; fi
[ -s "$desktop" ] || fail "no desktop entry share/applications/$id.desktop"
[ -s "$metainfo" ] || fail "no metainfo share/metainfo/$id.metainfo.xml"

# The entry's Exec and Icon name what was installed.
entry_value() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_line=$(entry_value Exec)
icon_name=$(entry_value Icon)
[ "${exec_line%% *}" = "vorka" ] || fail "the entry runs '$exec_line', not the installed vorka"
[ -n "$icon_name" ] || fail "the entry names no icon"
icon="$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg"
[ -s "$icon" ] || fail "the entry's icon '$icon_name' is not at share/icons/hicolor/scalable/apps"
grep -q '<svg' "$icon" || fail "the installed icon is not an SVG picture"
cmp -s "$icon" "$here/../../assets/pictures/vorka.svg" || fail "the installed icon is not the game's icon"

# The metainfo launches the installed entry.
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

# What was installed is valid, not only the sources.
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $desktop_report"
[ -z "$desktop_report" ] || fail "desktop-file-validate: $desktop_report"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metainfo"

echo "installed: bin/vorka, $id.desktop, $icon_name.svg, $id.metainfo.xml"

# The installed copy starts and ends like the built one.
bash "$here/RealWindowTest.sh" "$binary" "$screenshot"
