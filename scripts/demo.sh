#!/bin/sh
# Starts the simulated Identifier on a pseudo-terminal and the configuration
# program on that port. Quitting the program stops the simulator.
# Usage: scripts/demo.sh [build folder]
set -eu
BUILD="${1:-build}"
SOURCE="$(cd "$(dirname "$0")/.." && pwd)"
. "$SOURCE/scripts/sim-port.sh"
RUN="$(mktemp -d "${TMPDIR:-/tmp}/velmora-demo.XXXXXX")"
TRANSCRIPT="$BUILD/demo-transcript.txt"

# A fresh device every time: its memory lives in the run folder.
"$BUILD/identifier-sim" --config "$SOURCE/sim/demo.json" --state "$RUN/state.json" \
    --transcript "$TRANSCRIPT" > "$RUN/port" &
SIM=$!
trap 'kill "$SIM" 2>/dev/null || true; wait "$SIM" 2>/dev/null || true; rm -rf "$RUN"' EXIT
trap 'exit 130' INT TERM

PORT="$(sim_port demo "$SIM" "$RUN/port")"
echo "Simulated Identifier on $PORT; traffic in $TRANSCRIPT"

"$BUILD/velmora" --port "$PORT"
