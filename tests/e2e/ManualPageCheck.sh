#!/usr/bin/env bash
# Checks the game's manual page, or one of its translations: man formats it
# without a single warning, its NAME section (under the heading of its
# language) gives the whatis entry "vorka - ...", and the files it names for
# the Halls are the ones the program uses.
#
#   ManualPageCheck.sh <vorka.6 or vorka.6.gz> <StorePaths.h> [<NAME heading>]
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 <manual page> <StorePaths.h> [<NAME heading>]" >&2
    exit 2
fi
page=$1
store_paths=$2
name_heading=${3:-NAME}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

command -v man >/dev/null || fail "'man' is missing; run tools/setup.sh"
[ -s "$page" ] || fail "no manual page $page"

warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
text=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$warnings") ||
    fail "man could not format $page: $(cat "$warnings")"
[ ! -s "$warnings" ] || fail "man warns about $page: $(cat "$warnings")"
[[ "$text" == *$'\n'"$name_heading"$'\n'* ]] || fail "$page has no $name_heading section"
# The whatis entry, as mandb and lintian read it.
whatis=$(lexgrog "$page" 2>&1) || fail "lexgrog cannot read the NAME section of $page: $whatis"
[[ "$whatis" == *": \"vorka - "* ]] || fail "$page gives the whatis entry $whatis"

store_file=$(sed -n 's/.*kStoreFileName = QStringLiteral("\([^"]*\)").*/\1/p' "$store_paths")
[ -n "$store_file" ] || fail "no store file name in $store_paths"
# man may break a path after its hyphens; join the lines before looking.
joined=$(echo "$text" | tr -s ' \n' '  ')
for path in "/var/games/vorka/$store_file" "~/.local/share/Tolvane Studios/Vorka/$store_file" \
    "~/.config/Tolvane Studios/Vorka.ini"; do
    [[ "$joined" == *"$path"* ]] || fail "the manual page does not name $path"
done
store_variable=$(sed -n 's/.*kStoreFolderVariable\[\] = "\([^"]*\)".*/\1/p' "$store_paths")
[ -n "$store_variable" ] || fail "no store folder variable in $store_paths"
[[ "$text" == *$'\n'"       $store_variable"$'\n'* ]] ||
    fail "the manual page does not describe $store_variable under ENVIRONMENT"
echo "PASS: $page formats cleanly and names the game's files and its store variable"
