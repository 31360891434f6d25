# Sourced by the scripts that start identifier-sim in the background.
# sim_port NAME PID FILE prints the port the simulator (process PID) writes
# as the first line of FILE, once it is there; it fails with a message
# naming the calling script NAME when the simulator ends or takes over 5 s.
sim_port() {
    tries=0
    while [ ! -s "$3" ]; do
        if ! kill -0 "$2" 2>/dev/null || [ "$tries" -ge 50 ]; then
            echo "$1: the simulated Identifier did not start" >&2
            return 1
        fi
        tries=$((tries + 1))
        sleep 0.1
    done
    head -n 1 "$3"
}
