# Sourced by the tests that run the real program: a fresh home and a store
# folder of its own, so that the game neither sees nor changes the player's
# own or the machine's shared Halls, toolbar layout or anything else,
# removed again at exit together with the game if it still runs.
# The caller names the folder ($1), sets `pid` once it has started the game,
# and defines `fail`.
scratch=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

export HOME="$scratch/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
# A store of Halls of the test's own, whatever /var/games/vorka allows.
export VORKA_STORE_DIR="$scratch/store"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The suite runs with the offscreen platform; these tests want the real one.
export QT_QPA_PLATFORM=xcb
unset SESSION_MANAGER QT_QPA_PLATFORMTHEME

# Polls `command...` every 50 ms until it succeeds, for at most `seconds`.
# Fails early when the game has ended by itself (once `pid` is set).
wait_for() {
    local what=$1 seconds=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then
            fail "the game ended while waiting for $what"
        fi
        [ $SECONDS -lt $deadline ] || fail "no $what within $seconds s"
        sleep 0.05
    done
}

# Waits at most `seconds` for the game to end by itself, as it does once
# leaving is confirmed, and fails unless it ends with status 0.
wait_for_clean_exit() {
    local seconds=$1 status=0
    local deadline=$((SECONDS + seconds))
    while kill -0 "$pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the game still runs $seconds s after leaving was confirmed"
        sleep 0.05
    done
    wait "$pid" || status=$?
    pid=""
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
}
