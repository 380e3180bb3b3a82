#!/usr/bin/env bash
# Makes the Debian package from the build tree (as `make package` does, into a
# scratch folder), checks it the way a distribution would, and plays the game
# from a scratch root it is unpacked into:
# - control fields, and a Depends line that names the package of every library
#   the program links, and what it loads or needs without linking it;
# - where its files go, stripped;
# - lintian: no errors and no warnings;
# - the metainfo, the desktop entry, the changelog and the manual page it
#   carries;
# - its maintainer scripts, run on the scratch root (as root only);
# - the game in /usr/games of the scratch root, through RealWindowTest.sh.
#
#   PackageTest.sh <cpack> <build folder> <version> <screenshot.png>
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 <cpack> <build folder> <version> <screenshot.png>" >&2
    exit 2
fi
cpack=$1
build=$(realpath "$2")
version=$3
screenshot=$4
here=$(cd "$(dirname "$0")" && pwd)
id=org.tolvane.Vorka

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in dpkg-deb dpkg-shlibdeps lintian readelf; do
    command -v "$tool" >/dev/null || fail "'$tool' is missing; run tools/setup.sh"
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vorka-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# --- making it ---------------------------------------------------------------

"$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack could not make the package"; }
arch=$(dpkg --print-architecture)
deb="$scratch/out/vorka_${version}_${arch}.deb"
[ -s "$deb" ] || { cat "$scratch/cpack.log" >&2; fail "no package vorka_${version}_${arch}.deb"; }
echo "made $(basename "$deb"), $(stat -c %s "$deb") bytes"

# --- control fields ------------------------------------------------------------

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vorka ] || fail "the package is called '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package's version is '$(field Version)', not $version"
[ "$(field Section)" = games ] || fail "the package's section is '$(field Section)', not games"
[ "$(field Architecture)" = "$arch" ] || fail "the package is for '$(field Architecture)'"
depends=$(field Depends)
echo "Depends: $depends"
# The sounds need a sound server speaking PulseAudio's protocol.
case "$(field Recommends)" in
*pipewire-pulse*pulseaudio*) ;;
*) fail "the package does not recommend a sound server: '$(field Recommends)'" ;;
esac
# On a Wayland desktop the game runs as a Wayland client with Qt's plugin.
[[ ",$(field Recommends | tr -d ' ')," == *,qt6-wayland,* ]] ||
    fail "the package does not recommend Qt's Wayland plugin: '$(field Recommends)'"
# The package names of the Depends line, without versions or alternatives.
mapfile -t depended < <(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/[[:space:]]//g' | grep .)
depends_on() {
    local name
    for name in "${depended[@]}"; do [ "$name" = "$1" ] && return 0; done
    return 1
}

# --- its files -------------------------------------------------------------------

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
dpkg-deb -e "$deb" "$root/DEBIAN"

[ -x "$root/usr/games/vorka" ] || fail "no executable /usr/games/vorka"
[ ! -e "$root/usr/bin" ] || fail "the package has /usr/bin: $(ls "$root/usr/bin")"
for file in "usr/share/applications/$id.desktop" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/metainfo/$id.metainfo.xml" usr/share/man/man6/vorka.6.gz \
    usr/share/doc/vorka/copyright usr/share/doc/vorka/changelog.gz; do
    [ -s "$root/$file" ] || fail "the package has no /$file"
done
[ -d "$root/var/games/vorka" ] || fail "the package does not make /var/games/vorka"
# The shared Halls' writer, as Debian Policy's section on games has it: root,
# group games, mode 2755 (set-group-id).
writer_entry=$(dpkg-deb -c "$deb" | awk '$NF == "./usr/lib/games/vorka/vorka-halls" { print $1, $2 }')
[ "$writer_entry" = "-rwxr-sr-x root/games" ] ||
    fail "the package holds the writer as '$writer_entry', not -rwxr-sr-x root/games"
echo "writer: $writer_entry /usr/lib/games/vorka/vorka-halls"
cmp -s "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" "$here/../../assets/pictures/vorka.svg" ||
    fail "the packaged icon is not the game's icon"

# The package that holds a library; dpkg knows each file by the name its
# package gave it, /lib or /usr/lib, link or file.
package_of() {
    local real candidate
    real=$(realpath "$1")
    for candidate in "$1" "${1#/usr}" "/usr${1#/usr}" "$real" "${real#/usr}"; do
        dpkg -S "$candidate" 2>/dev/null | sed -n 1p | cut -d: -f1 | grep . && return 0
    done
    return 1
}

# Every binary in the package is stripped, and every library it links comes
# from a package the Depends line names.
mapfile -t binaries < <(find "$root/usr" -type f \( -name '*.so*' -o -perm -u+x \) |
    while read -r f; do [ "$(head -c 4 "$f")" = $'\x7fELF' ] && echo "$f"; done)
[ ${#binaries[@]} -gt 0 ] || fail "no program in the package"
for binary in "${binaries[@]}"; do
    # (Not readelf | grep -q: with pipefail, grep's early exit can fail the pipe.)
    sections=$(readelf -S "$binary")
    [[ "$sections" != *" .symtab "* ]] || fail "${binary#"$root"} is not stripped"
    for library in $(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
        # awk reads all of ldconfig's list: an early exit could end ldconfig by
        # SIGPIPE, which pipefail takes for a failure of the whole pipe.
        path=$(ldconfig -p | awk -v lib="$library" '$1 == lib && !found { print $NF; found = 1 }')
        [ -n "$path" ] || fail "${binary#"$root"} needs $library, which is not installed here"
        owner=$(package_of "$path") || fail "no package owns $path"
        depends_on "$owner" || fail "${binary#"$root"} needs $library from $owner, which Depends does not name"
    done
done
# What the program loads or uses without linking it.
for package in libqt6sql6-sqlite qt6-qpa-plugins libqt6svg6 \
    fonts-liberation fonts-dejavu-core fonts-dejavu-extra fonts-comfortaa; do
    depends_on "$package" || fail "Depends does not name $package"
done
echo "files in place, stripped; Depends names every library's package"

# --- lintian ---------------------------------------------------------------------

# Info tags are shown but allowed; errors and warnings fail (overrides, with
# their reasons, would be in the package's usr/share/lintian/overrides/vorka).
lintian_status=0
lintian --display-info --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
    lintian_status=$?
cat "$scratch/lintian.log"
grep -q '^[EW]: ' "$scratch/lintian.log" && fail "lintian reports errors or warnings"
[ "$lintian_status" -eq 0 ] || fail "lintian failed with status $lintian_status"
echo "lintian: no errors, no warnings"

# --- what it tells the system --------------------------------------------------

bash "$here/MetainfoCheck.sh" "$root/usr/share/metainfo/$id.metainfo.xml" "$version"
desktop_report=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $desktop_report"
[ -z "$desktop_report" ] || fail "desktop-file-validate: $desktop_report"
first_entry=$(zcat "$root/usr/share/doc/vorka/changelog.gz" | sed -n 1p)
[ "$first_entry" = "vorka ($version) unstable; urgency=medium" ] ||
    fail "the changelog begins with '$first_entry', not version $version"
bash "$here/ManualPageCheck.sh" "$root/usr/share/man/man6/vorka.6.gz" \
    "$here/../../src/storage/StorePaths.h"

# --- maintainer scripts ----------------------------------------------------------

# As dpkg runs them for an install under --root: the shared Halls folder goes
# to the group games with the group bit, unless the administrator said
# otherwise with dpkg-statoverride; purging removes it with the Halls.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the maintainer scripts change owners, which needs root"
else
    halls="$root/var/games/vorka"
    export DPKG_ROOT="$root" DPKG_ADMINDIR="$root/var/lib/dpkg"
    mkdir -p "$DPKG_ADMINDIR"
    sh "$root/DEBIAN/postinst" configure || fail "postinst configure failed"
    [ "$(stat -c '%G %a' "$halls")" = "games 2775" ] ||
        fail "after postinst /var/games/vorka is $(stat -c '%U:%G %a' "$halls"), not root:games 2775"
    # The store and its journal, which the writer never makes itself.
    for file in "$halls/vorka-settings.sqlite" "$halls/vorka-settings.sqlite-journal"; do
        [ "$(stat -c '%U:%G %a %s' "$file")" = "root:games 664 0" ] ||
            fail "after postinst $file is $(stat -c '%U:%G %a %s' "$file" 2>&1)"
    done
    # One a player's copy of the game made before goes to root, contents kept.
    chown nobody "$halls/vorka-settings.sqlite"
    echo kept >"$halls/vorka-settings.sqlite"
    sh "$root/DEBIAN/postinst" configure || fail "postinst configure failed"
    [ "$(stat -c '%U:%G %a' "$halls/vorka-settings.sqlite")" = "root:games 664" ] ||
        fail "postinst left an earlier store as $(stat -c '%U:%G %a' "$halls/vorka-settings.sqlite")"
    [ "$(cat "$halls/vorka-settings.sqlite")" = kept ] || fail "postinst changed an earlier store"

    chown root:root "$halls"
    chmod 00755 "$halls" # five digits: clears the group bit too
    dpkg-statoverride --add root root 0755 /var/games/vorka
    sh "$root/DEBIAN/postinst" configure || fail "postinst configure failed"
    [ "$(stat -c '%G %a' "$halls")" = "root 755" ] ||
        fail "postinst changed /var/games/vorka although the administrator overrides it"
    dpkg-statoverride --remove /var/games/vorka

    touch "$halls/vorka-settings.sqlite"
    sh "$root/DEBIAN/postrm" remove || fail "postrm remove failed"
    [ -e "$halls/vorka-settings.sqlite" ] || fail "removing the package removed the shared Halls"
    sh "$root/DEBIAN/postrm" purge || fail "postrm purge failed"
    [ ! -e "$halls" ] || fail "purging the package left /var/games/vorka: $(ls -A "$halls")"
    unset DPKG_ROOT DPKG_ADMINDIR
    echo "maintainer scripts: shared Halls folder and store made, override kept, purged"
fi

# --- playing from it -------------------------------------------------------------

bash "$here/RealWindowTest.sh" "$root/usr/games/vorka" "$screenshot"
