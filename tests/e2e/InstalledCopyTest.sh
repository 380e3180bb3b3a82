#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and checks what a desktop gets:
# the program, its desktop entry, its icon in the hicolor theme, its AppStream
# metainfo and its manual page, each where the desktop looks for it, valid,
# and naming one another consistently; and nothing of the Debian package's
# own (games/, /var). Then starts the installed program on a real display and
# plays its opening and leave (RealWindowTest.sh).
#
#   InstalledCopyTest.sh <cmake> <build folder> <version> <screenshot.png>
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 <cmake> <build folder> <version> <screenshot.png>" >&2
    exit 2
fi
cmake=$1
build=$2
version=$3
screenshot=$4
here=$(cd "$(dirname "$0")" && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vorka-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

had_shared_folder=no
[ -e /var/games/vorka ] && had_shared_folder=yes
"$cmake" --install "$build" --prefix "$prefix" || fail "cmake --install failed"
if [ "$had_shared_folder" = no ] && [ -e /var/games/vorka ]; then
    rmdir /var/games/vorka 2>/dev/null || true
    fail "a plain install made /var/games/vorka, which only the Debian package makes"
fi

id=org.tolvane.Vorka
binary="$prefix/bin/vorka"
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

if [ ! -f "$binary" ] || [ ! -x "$binary" ]; then fail "no executable bin/vorka"; fi
[ ! -e "$prefix/games" ] || fail "a plain install made games/, the Debian package's place"
outside=$(grep -v "^$prefix/" "$build/install_manifest.txt" || true)
[ -z "$outside" ] || fail "a plain install wrote outside its prefix: $outside"
[ -s "$prefix/share/man/man6/vorka.6.gz" ] || fail "no manual page share/man/man6/vorka.6.gz"
[ -s "$desktop" ] || fail "no desktop entry share/applications/$id.desktop"
[ -s "$metainfo" ] || fail "no metainfo share/metainfo/$id.metainfo.xml"

# The entry's Exec and Icon name what was installed.
entry_value() { sed -n "s/^$1=//p" "$desktop" | sed -n 1p; }
exec_line=$(entry_value Exec)
icon_name=$(entry_value Icon)
[ "${exec_line%% *}" = "vorka" ] || fail "the entry runs '$exec_line', not the installed vorka"
[ -n "$icon_name" ] || fail "the entry names no icon"
[ "$icon_name" = "$id" ] || fail "the entry's icon is '$icon_name', not the application id $id"
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
bash "$here/MetainfoCheck.sh" "$metainfo" "$version"

# Saved games are a type of their own, known by name and by content, with an
# icon, and the entry opens them: the file manager passes the file as %f.
mime_type=application/x-vorka-game
[[ ";$(entry_value MimeType)" == *";$mime_type;"* ]] ||
    fail "the entry does not open $mime_type: MimeType=$(entry_value MimeType)"
[[ " $exec_line " == *" %f "* ]] || fail "the entry's Exec passes no file: '$exec_line'"
[ -s "$prefix/share/mime/packages/$id.xml" ] || fail "no type of saved games at share/mime/packages"
update-mime-database "$prefix/share/mime" || fail "update-mime-database rejects share/mime/packages/$id.xml"
grep -q ":$mime_type:\*\.vrk$" "$prefix/share/mime/globs2" || fail "*.vrk is not $mime_type"
grep -aq "Vorka by Tolvane Studios" "$prefix/share/mime/magic" ||
    fail "$mime_type is not known by the saved game's header"
[ -s "$prefix/share/icons/hicolor/scalable/mimetypes/${mime_type/\//-}.svg" ] ||
    fail "no icon for saved games at share/icons/hicolor/scalable/mimetypes"

echo "installed: bin/vorka, $id.desktop, $icon_name.svg, $id.metainfo.xml, vorka.6.gz, $id.xml"

# The installed copy starts and ends like the built one.
bash "$here/RealWindowTest.sh" "$binary" "$screenshot"
