#!/bin/sh
# Starts the simulated Identifier on a pseudo-terminal and the configuration
# program on that port. Quitting the program stops the simulator.
# Usage: scripts/demo.sh [build folder]
set -eu
BUILD="${1:-build}"
SOURCE="$(cd "$(dirname "$0")/.." && pwd)"
RUN="$(mktemp -d "${TMPDIR:-/tmp}/velmora-demo.XXXXXX")"
TRANSCRIPT="$BUILD/demo-transcript.txt"

# A fresh device every time: its memory lives in the run folder.
"$BUILD/identifier-sim" --config "$SOURCE/sim/demo.json" --state "$RUN/state.json" \
    --transcript "$TRANSCRIPT" > "$RUN/port" &
SIM=$!
trap 'kill "$SIM" 2>/dev/null || true; wait "$SIM" 2>/dev/null || true; rm -rf "$RUN"' EXIT
trap 'exit 130' INT TERM

tries=0
while [ ! -s "$RUN/port" ]; do
    if ! kill -0 "$SIM" 2>/dev/null || [ "$tries" -ge 50 ]; then
        echo "demo: the simulated Identifier did not start" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
PORT="$(head -n 1 "$RUN/port")"
echo "Simulated Identifier on $PORT; traffic in $TRANSCRIPT"

"$BUILD/velmora" --port "$PORT"
