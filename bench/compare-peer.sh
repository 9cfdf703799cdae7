#!/usr/bin/env bash
# Compares the frame rate of the real program with the full tank (200 fish),
# with an empty tank (0 fish) and of xscreensaver's glschool with 200 fish, in
# turns in one X server at 1920 x 1080 with no limit on the frame rate, as Mesa's
# HUD counts them, and the resident memory of each at the end of its run. Each
# contender runs once first, uncounted: the first GL program on a fresh X server
# runs slow. Prints each run's figures, the medians over the rounds and the
# ratios full tank / peer and full tank / empty tank.
# Usage: bench/compare-peer.sh [VELMAR_BINARY] [ROUNDS] [SECONDS_PER_RUN]
# Needs Xvfb and xscreensaver-gl (scripts/install-deps.sh --bench).
set -euo pipefail
velmar=${1:-build/velmar}
rounds=${2:-5}
seconds=${3:-15}
peer=/usr/libexec/xscreensaver/glschool
# The first seconds (set-up, the school filling in) are not counted.
settle=4
[[ -x "$velmar" ]] || { echo "no program at $velmar (build it first)" >&2; exit 1; }
[[ -x "$peer" ]] || { echo "no $peer (install xscreensaver-gl)" >&2; exit 1; }

work=$(mktemp -d)
server_pid=
cleanup() {
    [[ -n "$server_pid" ]] && kill "$server_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=:$((200 + RANDOM % 300))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server_pid=$!
sleep 2

# One settings folder per tank: the "Fish Number" section sets each species.
for fish in 0 20; do
    mkdir -p "$work/config$fish/velmar"
    {
        echo "[Fish Number]"
        for species in 0 1 2 3 4 5 6 7 8 9; do echo "Fish$species=$fish"; done
    } >"$work/config$fish/velmar/VelmarSet.ini"
done

# Runs a command for the set time; prints the median of the HUD's counts and
# the resident memory in MiB at the end, as "FPS RSS".
measure() {
    local config=$1
    shift
    local dump="$work/hud"
    rm -rf "$dump" && mkdir -p "$dump"
    DISPLAY=$display XDG_CONFIG_HOME=$config GALLIUM_HUD=fps GALLIUM_HUD_PERIOD=0.5 \
        GALLIUM_HUD_DUMP_DIR=$dump "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$seconds"
    local rss_kib
    rss_kib=$(awk '/^Rss:/ { print $2 }' "/proc/$pid/smaps_rollup" 2>/dev/null || echo 0)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    python3 - "$dump/fps" "$settle" "$rss_kib" <<'PY'
import statistics, sys
values = [float(v) for v in open(sys.argv[1]).read().split()]
print("%.1f %.1f" % (statistics.median(values[int(float(sys.argv[2]) / 0.5):]),
                     float(sys.argv[3]) / 1024))
PY
}

full_tank() { measure "$work/config20" "$velmar" --max-fps 0; }
empty_tank() { measure "$work/config0" "$velmar" --max-fps 0; }
school() { measure "$work" "$peer" -nfish 200 -delay 0 -root; }

run_seconds=$seconds
seconds=$((settle + 4))
full_tank >/dev/null
empty_tank >/dev/null
school >/dev/null
seconds=$run_seconds

full=() empty=() peers=()
for ((round = 1; round <= rounds; ++round)); do
    full+=("$(full_tank)")
    empty+=("$(empty_tank)")
    peers+=("$(school)")
    echo "round $round (fps MiB): full tank ${full[-1]}, empty tank ${empty[-1]}, glschool ${peers[-1]}"
done

python3 - "${full[*]}" "${empty[*]}" "${peers[*]}" <<'PY'
import statistics, sys
def medians(arg):
    values = [float(v) for v in arg.split()]
    return statistics.median(values[0::2]), statistics.median(values[1::2])
(f, fm), (e, em), (s, sm) = (medians(arg) for arg in sys.argv[1:4])
print("medians over %d rounds at 1920 x 1080:     fps   resident MiB" % (len(sys.argv[1].split()) // 2))
print("  velmar, 200 fish (full tank)          %6.1f  %6.1f" % (f, fm))
print("  velmar, 0 fish (empty tank)           %6.1f  %6.1f" % (e, em))
print("  glschool -nfish 200 (peer)            %6.1f  %6.1f" % (s, sm))
print("full tank / peer        %.2f fps, %.2f memory" % (f / s, fm / sm))
print("full tank / empty tank  %.2f fps" % (f / e))
PY
