#!/usr/bin/env bash
# Runs every measurement of `make bench` on the release build in the folder
# given (build-bench unless told otherwise) and says whether each target is
# met. Start-up, memory and animation need a display: each of those programs
# runs on a virtual X display of its own (xvfb-run).
#
# Exit status: 0 when every target is met, 1 when one is missed, 2 when a
# measurement could not be made.
set -uo pipefail

build=${1:-build-bench}
for program in vorka bench/ReferenceWindow bench/StartupBench bench/AnimationBench \
    bench/RulesBench bench/OpenGameBench bench/SolverBench; do
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
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

display=(xvfb-run -a -s "-screen 0 1280x1024x24")
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "Vorka benchmarks, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, load average $(load)"
echo

status=0
note() { [ "$1" -gt "$status" ] && status=$1; }

"${display[@]}" "$build/bench/StartupBench" "$build/vorka" "$build/bench/ReferenceWindow"
note $?
"${display[@]}" "$build/bench/AnimationBench"
note $?
"$build/bench/RulesBench"
note $?
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
