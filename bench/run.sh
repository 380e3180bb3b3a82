#!/usr/bin/env bash
# Runs every measurement of `make bench` on the release build in the folder
# given (build-bench unless told otherwise) and says whether each target is
# met. Start-up, memory and animation need a display: each of those programs
# runs on a virtual X display of its own (xvfb-run). Start-up and memory give
# every run a D-Bus session bus of its own, as a desktop session has. The game plays its sounds
# through a PulseAudio server started here, with one null sink, as on a
# desktop; the sound delay is measured on that server too.
#
# Exit status: 0 when every target is met, 1 when one is missed, 2 when a
# measurement could not be made.
set -uo pipefail

build=${1:-build-bench}
for program in vorka bench/FeaturesReference bench/ReferenceWindow bench/StartupBench bench/AnimationBench \
    bench/RulesBench bench/SoundBench bench/OpenGameBench bench/SolverBench; do
    if [ ! -x "$build/$program" ]; then
        echo "bench: $build/$program is missing; build it first (make bench)" >&2
        exit 2
    fi
done

# Qt wants a private runtime folder; a throwaway one keeps its warning away.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d /tmp/vorka-bench-runtime-XXXXXX)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
    made_runtime=$XDG_RUNTIME_DIR
fi

# The bench's own sound server, ended with the bench. The game finds it
# through PULSE_SERVER.
sound_dir=$(mktemp -d /tmp/vorka-bench-sound-XXXXXX)
chmod 700 "$sound_dir"
sound_server=
stop_sound() {
    [ -n "$sound_server" ] && kill "$sound_server" 2>/dev/null && wait "$sound_server" 2>/dev/null
    rm -rf "$sound_dir"
}
trap 'stop_sound; [ -n "${made_runtime:-}" ] && rm -rf "$made_runtime"' EXIT
if command -v pulseaudio >/dev/null; then
    mkdir -p "$sound_dir/home"
    env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$sound_dir/home" XDG_RUNTIME_DIR="$sound_dir" \
        pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --realtime=no \
        --high-priority=no --log-target=stderr --log-level=error \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$sound_dir/native" \
        -L "module-null-sink sink_name=vorka_bench" 2>"$sound_dir/log" &
    sound_server=$!
    for _ in $(seq 100); do [ -S "$sound_dir/native" ] && break; sleep 0.05; done
fi
if [ -S "$sound_dir/native" ]; then
    export PULSE_SERVER="unix:$sound_dir/native"
else
    echo "bench: no sound server could be started ($(cat "$sound_dir/log" 2>/dev/null)); the game runs silent"
fi

display=(xvfb-run -a -s "-screen 0 1280x1024x24")
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "Vorka benchmarks, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, load average $(load)"
echo

status=0
note() { [ "$1" -gt "$status" ] && status=$1; }

"${display[@]}" "$build/bench/StartupBench" "$build/vorka" "$build/bench/FeaturesReference" \
    "$build/bench/ReferenceWindow"
note $?
"${display[@]}" "$build/bench/AnimationBench"
note $?
"$build/bench/RulesBench"
note $?
if [ -n "${PULSE_SERVER:-}" ]; then
    "$build/bench/SoundBench" vorka_bench
    note $?
else
    echo "sound      not measured: no sound server"
    note 2
fi
"${display[@]}" "$build/bench/OpenGameBench"
note $?
"$build/bench/SolverBench"
note $?

echo
echo "load average afterwards $(load)"
case $status in
0) echo "Every target met." ;;
1) echo "Some targets MISSED (marked above)." ;;
*) echo "A measurement FAILED (see above)." ;;
esac
exit $status
