#!/usr/bin/env bash
# The shared Halls' writer as the package installs it: root:games, mode 2755,
# with the shared folder as the package's postinst leaves it, started by a
# player made for the test who is not in the group games. In a private mount
# namespace, over a scratch /var, so that the machine's own Halls are never
# touched. Needs root (to make the player and the mounts); skips, saying why,
# where that cannot be done.
#
#   HallsWriterSetgidTest.sh <vorka-halls> <postinst>
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 <vorka-halls> <postinst>" >&2
    exit 2
fi
writer=$(realpath "$1")
postinst=$(realpath "$2")

skip() {
    echo "SKIP: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ "$(id -u)" -eq 0 ] || skip "a player and a set-group-id program can only be made as root"
for tool in useradd userdel setpriv unshare python3 readelf; do
    command -v "$tool" >/dev/null || skip "'$tool' is missing"
done
getent group games >/dev/null || skip "this system has no group games"
unshare --mount --propagation private true 2>/dev/null || skip "no private mount namespace"

# It links Qt Core and Qt SQL and nothing of the windows.
needed=$(readelf -d "$writer" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort | tr '\n' ' ')
# The sanitizers' runtime does not run set-group-id: LeakSanitizer cannot
# stop such a program's threads, and it ends it with its own status. The
# writer's other tests run it under the sanitizers unprivileged.
[[ " $needed" == *" libasan.so"* ]] && skip "the writer is built with the sanitizers, which cannot run set-group-id"
for library in $needed; do
    case "$library" in
    libQt6Core.so.* | libQt6Sql.so.* | libstdc++.so.* | libm.so.* | libgcc_s.so.* | libc.so.*) ;;
    *) fail "the writer links $library (all it links: $needed)" ;;
    esac
done
echo "links: $needed"

player=vorkaplayer$$
useradd --system --no-create-home --user-group --shell /usr/sbin/nologin "$player" ||
    skip "useradd cannot make a player"
trap 'userdel "$player" 2>/dev/null; groupdel "$player" 2>/dev/null' EXIT
case " $(id -nG "$player") " in
*" games "*) fail "the player made for the test is in the group games" ;;
esac

export WRITER_BUILT=$writer POSTINST=$postinst PLAYER_UID=$(id -u "$player") PLAYER_GID=$(id -g "$player")
unshare --mount --propagation private bash -uo pipefail <<'INSIDE'
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
mount -t tmpfs -o mode=0755 tmpfs /var || fail "cannot mount a scratch /var"
mkdir -p /var/games /var/lib/games/vorka /var/admin /var/home
: >/var/admin/statoverride
chown "$PLAYER_UID:$PLAYER_GID" /var/home
writer=/var/lib/games/vorka/vorka-halls
install -o root -g games -m 2755 "$WRITER_BUILT" "$writer"
# The shared folder as the package leaves it.
mkdir /var/games/vorka
DPKG_ROOT= DPKG_ADMINDIR=/var/admin sh "$POSTINST" configure || fail "postinst failed"
folder=/var/games/vorka
store=$folder/vorka-settings.sqlite
[ "$(stat -c '%U:%G %a' "$folder")" = "root:games 2775" ] ||
    fail "the folder is $(stat -c '%U:%G %a' "$folder")"
for file in "$store" "$store-journal"; do
    [ "$(stat -c '%U:%G %a' "$file")" = "root:games 664" ] ||
        fail "$file is $(stat -c '%U:%G %a' "$file" 2>&1), not root:games 664"
done

as_player() {
    HOME=/var/home setpriv --reuid="$PLAYER_UID" --regid="$PLAYER_GID" --clear-groups -- "$@"
}
# Runs the writer as the player on the request given; sets answer and status.
ask() {
    answer=$(printf '%b' "$1" | as_player "$writer" "${@:2}")
    status=$?
}
hall() {
    python3 - "$store" <<'PY'
import sqlite3, sys
db = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro", uri=True)
rows = dict(((k.split("\\")[-1], n), bytes(d).rstrip(b"\0").decode("latin-1"))
            for k, n, d in db.execute("SELECT key_path, name, data FROM reg_values"))
for hall in ("Fame", "Shame"):
    for n in range(1, 11):
        if (hall, "%dS" % n) in rows:
            print(hall, n, rows.get((hall, str(n)), ""), rows[(hall, "%dS" % n)])
PY
}
fingerprint() { sha256sum "$store" "$store-journal"; }
# Whether the Halls hold this row. (Not hall | grep -q: with pipefail, grep's
# early exit can fail the pipe.)
holds() {
    local rows
    rows=$(hall)
    grep -qx "$1" <<<"$rows"
}

# A player outside the group enters a score.
ask 'vorka-halls 1\ngame t-1 1\n200 Ann\nend\n'
[ "$status" -eq 0 ] && [ "$answer" = entered ] || fail "entering gave '$answer' ($status)"
holds 'Fame 1 Ann 200' || fail "Ann is not first in the Hall of Fame: $(hall)"
echo "a player outside games entered a score"

# Who the files belong to is unchanged, and no file was made.
for file in "$store" "$store-journal"; do
    [ "$(stat -c '%U:%G %a' "$file")" = "root:games 664" ] ||
        fail "after the writer $file is $(stat -c '%U:%G %a' "$file")"
done
[ "$(ls -A "$folder" | wc -l)" -eq 2 ] || fail "the folder holds: $(ls -A "$folder")"

# The same player cannot write the store, its journal or the folder directly.
for file in "$store" "$store-journal"; do
    as_player sh -c "printf x >>'$file'" 2>/dev/null && fail "the player could write $file"
done
as_player sh -c "touch '$folder/x'" 2>/dev/null && fail "the player could make a file in $folder"
echo "the player cannot write the store directly"

# Malformed requests are refused, with nothing entered and nothing crashed.
before=$(fingerprint)
long=$(printf 'a%.0s' $(seq 65))
for request in \
    "vorka-halls 1\ngame t-2 1\n200 $long\nend\n" \
    'vorka-halls 1\ngame t-2 1\n200 Ann\001B\nend\n' \
    'vorka-halls 1\ngame t-2 1\n200 Ann\rB\nend\n' \
    'vorka-halls 1\ngame t-2 1\n354 Ann\nend\n' \
    'vorka-halls 1\ngame t-2 1\n-5 Ann\nend\n' \
    'vorka-halls 1\ngame t-2 99999999\n1 Ann\nend\n' \
    'vorka-halls 1\ngame t-2 1\n200 Ann\n'; do
    ask "$request"
    [ "$status" -eq 65 ] && [[ "$answer" == refused* ]] ||
        fail "'$request' gave '$answer' ($status), not refused"
done
answer=$(head -c 65536 /dev/urandom | as_player "$writer")
status=$?
[ "$status" -eq 65 ] || fail "binary junk gave '$answer' ($status)"
answer=$(head -c 1000000 /dev/zero | tr '\0' 'x' | as_player "$writer")
status=$?
[ "$status" -eq 65 ] || fail "a megabyte gave '$answer' ($status)"
ask 'vorka-halls 1\ngame t-2 1\n200 Ann\nend\n' --store=/tmp
[ "$status" -eq 65 ] || fail "an argument gave '$answer' ($status)"
[ "$(fingerprint)" = "$before" ] || fail "a refused request changed the store"
echo "malformed requests refused, store unchanged"

# Its environment names no other folder while it has the group's right.
mkdir /var/home/own && chown "$PLAYER_UID" /var/home/own
answer=$(printf 'vorka-halls 1\ngame t-3 1\n190 Bob\nend\n' |
    HOME=/var/home VORKA_STORE_DIR=/var/home/own \
        setpriv --reuid="$PLAYER_UID" --regid="$PLAYER_GID" --clear-groups -- "$writer")
[ "$answer" = entered ] || fail "with VORKA_STORE_DIR set: '$answer'"
holds 'Fame 2 Bob 190' || fail "Bob did not go into the shared Halls: $(hall)"
[ -z "$(ls -A /var/home/own)" ] || fail "the writer wrote where its environment said"

# Two writers at once enter both; one that finds the store busy is asked
# again, as the game does.
enter_retrying() {
    local tries=0
    while [ $tries -lt 50 ]; do
        ask "$1"
        [ "$answer" = entered ] && return 0
        [ "$answer" = busy ] || { echo "$answer"; return 1; }
        tries=$((tries + 1))
    done
    return 1
}
enter_retrying 'vorka-halls 1\ngame t-4 1\n180 Cy\nend\n' &
first=$!
enter_retrying 'vorka-halls 1\ngame t-5 1\n170 Di\nend\n' &
second=$!
wait $first || fail "the first of two writers failed"
wait $second || fail "the second of two writers failed"
holds 'Fame 3 Cy 180' && holds 'Fame 4 Di 170' ||
    fail "two writers at once: $(hall)"
echo "two writers at once entered both"

# A change cut short (a writer killed) leaves a hot journal, which a player
# who may only read the store cannot roll back; a request that enters
# nothing has the writer do it, and the Halls are as before the change.
[ -x /usr/bin/python3 ] || fail "no /usr/bin/python3 to read the store as the player"
player_reads() {
    as_player /usr/bin/python3 -c 'import sqlite3, sys
db = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro", uri=True)
db.execute("SELECT count(*) FROM reg_values").fetchone()' "$store" 2>/dev/null
}
before=$(hall)
python3 - "$store" <<'PY'
import os, sqlite3, sys
pid = os.fork()
if pid == 0:
    db = sqlite3.connect(sys.argv[1], isolation_level=None)
    db.execute("PRAGMA journal_mode=TRUNCATE")
    db.execute("PRAGMA cache_size=1")
    db.execute("BEGIN IMMEDIATE")
    for n in range(200):
        db.execute("INSERT INTO reg_values VALUES ('x', ?, 1, randomblob(3000))", (str(n),))
    db.execute("UPDATE reg_values SET data = randomblob(100) WHERE key_path <> 'x'")
    os._exit(0)
os.waitpid(pid, 0)
PY
[ -s "$store-journal" ] || fail "no hot journal could be made for the test"
player_reads && fail "the player read a store with a hot journal (the test made none)"
ask 'vorka-halls 1
end
'
[ "$answer" = entered ] || fail "the writer did not take the store back: '$answer' ($status)"
player_reads || fail "after the writer the player still cannot read the store"
[ "$(hall)" = "$before" ] || fail "the Halls changed with the cut change: $(hall)"
[ "$(stat -c '%U:%G %a' "$store-journal")" = "root:games 664" ] ||
    fail "the journal is now $(stat -c '%U:%G %a' "$store-journal")"
echo "a change cut short taken back by the writer"

# Without its journal the writer makes none (it would be the player's).
mv "$store-journal" /var/journal
ask 'vorka-halls 1\ngame t-6 1\n160 Ed\nend\n'
[ "$status" -eq 73 ] || fail "without a journal: '$answer' ($status)"
[ ! -e "$store-journal" ] || fail "the writer made a journal"
mv /var/journal "$store-journal"
echo "no file made by the writer"
INSIDE
status=$?
[ $status -eq 0 ] || exit $status
echo "PASS"
