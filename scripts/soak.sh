#!/bin/sh
# Long run of the configuration program against the simulated Identifier:
# the program (tests/soak/SoakDriver.cpp) streams GNSS into the serial
# console, shows the GNSS page, fetches the voyage log and idles, in cycles,
# while this script samples its resident memory, CPU time and open
# descriptors into a CSV and prints a summary at the end.
#
# Usage: scripts/soak.sh [minutes] [build folder] [output folder]
# Defaults: 30 minutes, build, soak-<date> in the build folder.
set -eu
MINUTES="${1:-30}"
BUILD="${2:-build}"
OUT="${3:-$BUILD/soak-$(date -u +%Y%m%dT%H%M%S)}"
SOURCE="$(cd "$(dirname "$0")/.." && pwd)"
. "$SOURCE/scripts/sim-port.sh"
INTERVAL=5
# Memory is compared from the end of the warm-up on: a sixth of the run, at most 5 min.
WARMUP=$((MINUTES * 10 < 300 ? MINUTES * 10 : 300))
SIM_BIN="$BUILD/identifier-sim"
DRIVER_BIN="$BUILD/tests/velmora_soak"

for program in "$SIM_BIN" "$DRIVER_BIN"; do
    if [ ! -x "$program" ]; then
        echo "soak: $program is missing; build it first (cmake --build $BUILD)" >&2
        exit 1
    fi
done
mkdir -p "$OUT"
OUT="$(cd "$OUT" && pwd)"
RUN="$(mktemp -d "${TMPDIR:-/tmp}/velmora-soak.XXXXXX")"
SIM=""
DRIVER=""
stop() {
    for pid in $DRIVER $SIM; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$RUN"
}
trap stop EXIT
trap 'exit 130' INT TERM

# Time compression: the GNSS receiver's TXT message every cycle, a position
# report every 5 s and a long voyage log, so that every cycle carries much
# traffic through the program.
cat > "$RUN/device.json" <<'EOF'
{
    "replyDelayMs": 5,
    "settings": { "mmsi": "235000001", "positionInterval": 5, "staticDataInterval": 15 },
    "voyage": { "generate": 3000 },
    "gnss": { "txtEveryCycles": 1 }
}
EOF

"$SIM_BIN" --config "$RUN/device.json" --state "$RUN/state.json" > "$RUN/port" 2> "$OUT/sim.log" &
SIM=$!
PORT="$(sim_port soak "$SIM" "$RUN/port")"

# Settings and data in the run folder, never the user's own.
export XDG_CONFIG_HOME="$RUN/config" XDG_DATA_HOME="$RUN/data"
if [ -z "${DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
SECONDS_TO_RUN=$((MINUTES * 60))
"$DRIVER_BIN" "$SECONDS_TO_RUN" "$RUN/phase" --port "$PORT" > "$OUT/driver.log" 2>&1 &
DRIVER=$!
echo "soak: $MINUTES min against $PORT; samples in $OUT/samples.csv"

TICKS="$(getconf CLK_TCK)"
echo "seconds,phase,rss_kb,cpu_percent,fds" > "$OUT/samples.csv"
start="$(date +%s)"
last_cpu=""
while kill -0 "$DRIVER" 2>/dev/null; do
    now=$(($(date +%s) - start))
    # Fields 14 and 15 of stat: user and system time in clock ticks. The
    # command name (field 2) has no blanks here.
    cpu="$(awk '{ print $14 + $15 }' "/proc/$DRIVER/stat" 2>/dev/null)" || break
    rss="$(awk '/^VmRSS:/ { print $2 }' "/proc/$DRIVER/status" 2>/dev/null)" || break
    fds="$(ls "/proc/$DRIVER/fd" 2>/dev/null | wc -l)"
    phase="$(cat "$RUN/phase" 2>/dev/null || echo start)"
    if [ -n "$last_cpu" ]; then
        percent="$(awk -v a="$last_cpu" -v b="$cpu" -v t="$TICKS" -v s="$INTERVAL" \
            'BEGIN { printf "%.1f", (b - a) * 100 / t / s }')"
        echo "$now,$phase,$rss,$percent,$fds" >> "$OUT/samples.csv"
    fi
    last_cpu="$cpu"
    sleep "$INTERVAL"
done
status=0
wait "$DRIVER" || status=$?
DRIVER=""

awk -F, -v warmup="$WARMUP" '
NR == 1 { next }
{
    n++
    if (n == 1) { fds_first = $5 }
    fds_last = $5
    if ($5 > fds_max) { fds_max = $5 }
    # Memory compared at the same point of each cycle: the idle phase.
    if ($1 >= warmup && $2 == "idle") {
        if (!after) { rss_warm = $3; rss_min = $3; rss_max = $3; after = 1 }
        if ($3 < rss_min) { rss_min = $3 }
        if ($3 > rss_max) { rss_max = $3 }
        rss_last = $3
    }
    cpu_sum[$2] += $4; cpu_n[$2]++
    if ($4 > cpu_peak[$2]) { cpu_peak[$2] = $4 }
}
END {
    printf "samples: %d over %d s\n", n, $1
    printf "resident memory while idle, after %d s warm-up: %.1f MB at its start, %.1f MB at the end, %.1f to %.1f MB, growth %.2f MB\n",
        warmup, rss_warm / 1024, rss_last / 1024, rss_min / 1024, rss_max / 1024, (rss_last - rss_warm) / 1024
    for (p in cpu_n) {
        printf "CPU in phase %-8s mean %5.1f %%, peak %5.1f %% (%d samples)\n", p, cpu_sum[p] / cpu_n[p], cpu_peak[p], cpu_n[p]
    }
    printf "open descriptors: %d at the start, %d at the end, at most %d\n", fds_first, fds_last, fds_max
}' "$OUT/samples.csv" | tee "$OUT/summary.txt"
tail -n 1 "$OUT/driver.log" | tee -a "$OUT/summary.txt"
exit "$status"
