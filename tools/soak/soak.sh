#!/usr/bin/env bash
# Long run: the real program with the full tank (200 fish) on an X server of its
# own, driven as a user would with xdotool for the given time: it switches
# modes from the right-click menu and clicks into the tank, changes counts in
# the Fish Settings dialog, adds, plays and removes a track in Custom Music, and
# adds, shows and removes pictures in Custom Background, over and over. Every
# few seconds it prints the resident memory and open file descriptors (from
# /proc) and the frames, GL textures and display lists the program reports
# itself (VELMAR_GL_REPORT_FILE): give it the instrumented twin,
# build/velmar-instrumented, which a build with the tests or the benchmark makes.
#
# The figures compared are taken with every dialog closed and nothing driven
# for a few seconds (three samples a second apart, their median): first once
# the warm-up has passed and every dialog and file chooser has been used once
# (their first use loads what is then kept), then at the end. The warm-up is a
# tenth of the run, at least 30 s, so that an hour's run is judged on what
# happens once everything has been used a few times. The run fails,
# with a message, when from the first to the last
#   - the resident memory grew by more than SOAK_RSS_MB (default 16) MiB,
#   - the open file descriptors grew at all,
#   - the textures grew at all (every picture added is removed again by then),
#   - the display lists grew by more than the three wire shapes built on
#     first use (the catch net, and the spheres round caught fish of the two
#     zoomed sizes, which only some runs meet early),
# or when the program ended or drew no frame for a minute, most steps could not
# be driven, or the run was too short to reach the first figures.
#
# Usage: tools/soak/soak.sh [VELMAR_BINARY] [SECONDS] [SAMPLES_FILE]
# Settings: SOAK_RSS_MB, SOAK_WARMUP_S (default a tenth of SECONDS, at least 30),
# SOAK_SAMPLE_S (default 5), SOAK_SCREEN (default 1920x1080), SOAK_STEPS (the
# steps of one round, from modes, fish, music and background; default "modes
# fish modes music modes background"), to find which step a growth comes from.
# Needs Xvfb, xdotool, ImageMagick and lame (scripts/install-deps.sh --test).
set -euo pipefail
velmar=$(realpath "${1:-build/velmar-instrumented}")
seconds=${2:-3600}
samples=${3:-}
rss_bound_mb=${SOAK_RSS_MB:-16}
warmup_s=${SOAK_WARMUP_S:-$((seconds / 10 > 30 ? seconds / 10 : 30))}
sample_s=${SOAK_SAMPLE_S:-5}
screen=${SOAK_SCREEN:-1920x1080}
read -r -a round_steps <<<"${SOAK_STEPS:-modes fish modes music modes background}"
screen_w=${screen%x*}
screen_h=${screen#*x}
[[ -x "$velmar" ]] || { echo "soak: no program at $velmar (build it first)" >&2; exit 1; }

work=$(mktemp -d)
[[ -n "$samples" ]] || samples="$work/samples"
: >"$samples"
server_pid= app_pid= sampler_pid=
cleanup() {
    for pid in "$sampler_pid" "$app_pid" "$server_pid"; do
        [[ -n "$pid" ]] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "soak: FAILED: $*" >&2
    if [[ -s "$work/app.log" ]]; then
        echo "soak: the program's last output:" >&2
        tail -n 20 "$work/app.log" >&2
    fi
    exit 1
}

# A private home and settings folder; the "Fish Number" section sets each species.
mkdir -p "$work/home" "$work/config/velmar" "$work/runtime" "$work/tmp" "$work/media"
chmod 700 "$work/runtime"
{
    echo "[Fish Number]"
    for species in 0 1 2 3 4 5 6 7 8 9; do echo "Fish$species=20"; done
} >"$work/config/velmar/VelmarSet.ini"

# Three small pictures and a two-second tone as WAV and MP3.
for colour in red green blue; do
    convert -size 64x48 "xc:$colour" "$work/media/$colour.png"
done
# A number as the four bytes of a little-endian 32-bit field, for printf.
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24)); }
# Two seconds of a square wave of about 440 Hz, 22050 Hz mono 16-bit.
half_wave_high=$(printf '\\x00\\x30%.0s' {1..25})
half_wave_low=$(printf '\\x00\\xd0%.0s' {1..25})
{
    printf "RIFF$(le32 88236)WAVEfmt $(le32 16)\x01\x00\x01\x00$(le32 22050)$(le32 44100)\x02\x00\x10\x00data$(le32 88200)"
    for ((i = 0; i < 882; ++i)); do printf "$half_wave_high$half_wave_low"; done
} >"$work/media/tone.wav"
lame --quiet "$work/media/tone.wav" "$work/media/tone.mp3"
tracks=("$work/media/tone.wav" "$work/media/tone.mp3")
pictures=("$work/media/red.png" "$work/media/green.png" "$work/media/blue.png")

# The server picks a free display number itself and tells it on descriptor 5.
Xvfb -displayfd 5 -screen 0 "${screen}x24" -nolisten tcp -noreset 5>"$work/display" \
    >/dev/null 2>&1 &
server_pid=$!
for ((i = 0; i < 100; ++i)); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"

report="$work/gl-report"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" TMPDIR="$work/tmp" \
    VELMAR_GL_REPORT_FILE="$report" "$velmar" >"$work/app.log" 2>&1 &
app_pid=$!

alive() { kill -0 "$app_pid" 2>/dev/null; }
# The id of the visible window with exactly this title; empty when there is none.
window_named() { { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; } | head -n 1; }
# Waits up to $2 seconds for the window titled $1; prints its id.
wait_window() {
    local id
    for ((i = 0; i < $2 * 5; ++i)); do
        id=$(window_named "$1")
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        alive || fail "the program ended"
        sleep 0.2
    done
    return 1
}
wait_gone() {
    for ((i = 0; i < $2 * 5; ++i)); do
        [[ -z "$(window_named "$1")" ]] && return 0
        sleep 0.2
    done
    return 1
}
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'; }
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# Chooses entry $1 of the right-click menu (0 Catch Fish, 1 Feed Fish, 2 Touch
# Fish, 3 Zoom In, 4 Zoom Out, 5 Add/Delete Fish, 6 Custom Music, 7 Custom
# Background, 8 Preferences) opened at a place that turns with each call, the
# whole menu below the click.
menu_turn=0
choose_from_menu() {
    local x=$((200 + (menu_turn * 173) % (screen_w - 500))) y=$((100 + (menu_turn * 61) % 120))
    menu_turn=$((menu_turn + 1))
    for ((attempt = 0; attempt < 3; ++attempt)); do
        click "$x" "$y" 3
        for ((i = 0; i < 50; ++i)); do
            if [[ "$(pixel $((x + 3)) $((y + 2)))" == "#DBD8D1" ]]; then
                click $((x + 70)) $((y + 48 * $1 + 24))
                return 0
            fi
            sleep 0.2
        done
    done
    echo "soak: the menu did not open at $x,$y" >&2
    return 1
}

# Clicks at ($3, $4) into the dialog $1 whose client area measures $2 ("WxH")
# at Xvfb's standard font: the dialog's size in pixels gives the scale.
click_in() {
    local X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    local units_w=${2%x*} units_h=${2#*x}
    click $((X + $3 * WIDTH / units_w)) $((Y + $4 * HEIGHT / units_h))
}

keys_to() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --delay 150 "$@"
}

# Clicks the "Add ..." button at ($3, $4) of dialog $1 (size $2) and picks file
# $5 in the chooser titled $6.
added=0
add_file() {
    click_in "$1" "$2" "$3" "$4"
    local chooser
    chooser=$(wait_window "$6" 20) || { echo "soak: no chooser \"$6\"" >&2; return 1; }
    xdotool windowfocus --sync "$chooser" 2>/dev/null || true
    # Typing a path opens the chooser's location field.
    xdotool type --delay 20 "$5"
    sleep 0.5
    xdotool key Return
    if ! wait_gone "$6" 20; then
        keys_to "$chooser" Escape
        echo "soak: the chooser \"$6\" did not take $5" >&2
        return 1
    fi
}

close_dialog() {
    keys_to "$1" Escape
    wait_gone "$2" 20 || echo "soak: \"$2\" did not close" >&2
}

modes_turn=0
switch_mode_and_click() {
    local mode=$((modes_turn % 5))
    modes_turn=$((modes_turn + 1))
    choose_from_menu "$mode" || return 0
    for ((k = 0; k < 4; ++k)); do
        sleep 0.5
        click $((screen_w / 4 + (k * 211 + mode * 97) % (screen_w / 2))) \
            $((screen_h / 3 + (k * 89) % (screen_h / 3)))
    done
}

fish_dialog() {
    local title="Fish Settings - Velmar Screensaver 1.0" id
    choose_from_menu 5 || return 1
    id=$(wait_window "$title" 20) || { echo "soak: no Fish Settings dialog" >&2; return 1; }
    # Picks a species (cells of 100 x 90 pixels, five to a row) and takes three
    # of it out and puts them back, each change swum at once.
    local species=$((rounds % 10)) X Y WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(X|Y)=')"
    click $((X + (species % 5) * 100 + 50)) $((Y + (species / 5) * 90 + 45))
    keys_to "$id" d d d
    sleep 1
    keys_to "$id" a a a Return
    wait_gone "$title" 20 || { echo "soak: Fish Settings did not close" >&2; return 1; }
}

music_dialog() {
    local title="Custom Music - Velmar Screensaver 1.0" size=543x300 id
    choose_from_menu 6 || return 1
    id=$(wait_window "$title" 20) || { echo "soak: no Custom Music dialog" >&2; return 1; }
    local took=0
    if add_file "$id" $size 461 79 "${tracks[rounds % 2]}" "Add Music"; then
        click_in "$id" $size 49 40   # On/Off
        click_in "$id" $size 461 187 # Play
        sleep 3
        click_in "$id" $size 461 223 # Stop
        click_in "$id" $size 49 40   # On/Off
        took=1
    fi
    click_in "$id" $size 461 151 # Remove All
    close_dialog "$id" "$title"
    ((took))
}

added_file="$work/added"
echo 0 >"$added_file"
background_dialog() {
    local title="Custom Background - Velmar Screensaver 1.0" size=511x221 id
    choose_from_menu 7 || return 1
    id=$(wait_window "$title" 20) || { echo "soak: no Custom Background dialog" >&2; return 1; }
    local took=1
    for picture in "${pictures[@]:$((rounds % 2)):2}"; do
        if ! add_file "$id" $size 57 199 "$picture" "Add Image"; then
            took=0
            break
        fi
        added=$((added + 1))
        echo "$added" >"$added_file"
    done
    if ((took)); then
        click_in "$id" $size 15 16 # Use your own image
        sleep 3
        click_in "$id" $size 15 16
    fi
    # The list never fills up, whatever went wrong: a full list answers with a
    # message box that would stop the run.
    click_in "$id" $size 302 199 # Remove All
    close_dialog "$id" "$title"
    ((took))
}

# Closes whatever a step that timed out on a slow machine left open, so the
# next round starts from the bare tank.
tidy_up() {
    local id
    for title in "Add Music" "Add Image" "Fish Settings - Velmar Screensaver 1.0" \
        "Custom Music - Velmar Screensaver 1.0" "Custom Background - Velmar Screensaver 1.0"; do
        id=$(window_named "$title")
        [[ -n "$id" ]] || continue
        echo "soak: closing \"$title\" left open" >&2
        keys_to "$id" Escape
        wait_gone "$title" 20 || true
    done
}

# One sample, labelled $1: seconds since start, resident memory in kB, open
# descriptors, the program's last report and the pictures added so far.
sample() {
    local rss fds gl line
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null) || return 1
    fds=$(ls "/proc/$app_pid/fd" 2>/dev/null | wc -l)
    gl=$(tail -n 1 "$report" 2>/dev/null || true)
    [[ -n "$gl" ]] || gl="frames=0 textures=0 lists=0"
    line=$(printf '%-10s t=%ds rss_kb=%s fds=%s %s added=%s' "$1" $((SECONDS - start)) "$rss" \
        "$fds" "$gl" "$(cat "$added_file")")
    echo "$line" >>"$samples"
    echo "$line"
}
sample_loop() {
    while alive; do
        sample sample || break
        sleep "$sample_s"
    done
}
# The figures compared: taken with every dialog closed and nothing driven for a
# few seconds, so that a chooser or a playing track holds nothing open.
checkpoint() {
    sleep 4
    for k in 1 2 3; do
        sample checkpoint >/dev/null || fail "the program ended"
        sleep 1
    done
}

start=$SECONDS
[[ -n "$(wait_window VelmarScr 60)" ]] || fail "no window within a minute"
for ((i = 0; i < 300; ++i)); do
    [[ -s "$report" ]] && break
    alive || fail "the program ended"
    sleep 0.2
done
[[ -s "$report" ]] || fail "the program wrote no GL report (is VELMAR_GL_REPORT_FILE read?)"
sample_loop &
sampler_pid=$!

rounds=0
warm=
failed_steps=0
steps=0
while ((SECONDS - start < seconds)); do
    tidy_up
    for step in "${round_steps[@]}"; do
        case $step in
            modes) step=switch_mode_and_click ;;
            fish | music | background) step=${step}_dialog ;;
            *) fail "unknown step \"$step\" in SOAK_STEPS" ;;
        esac
        $step || failed_steps=$((failed_steps + 1))
        steps=$((steps + 1))
        alive || fail "the program ended during $step"
        # Once the first figures are in, the time given ends the run: on a
        # loaded machine a round takes minutes.
        [[ -n "$warm" ]] && ((SECONDS - start >= seconds)) && break
    done
    rounds=$((rounds + 1))
    # The first figures that count: after the warm-up and a whole round.
    if [[ -z "$warm" ]] && ((SECONDS - start >= warmup_s)); then
        warm=yes
        checkpoint
    fi
done
tidy_up
checkpoint
kill "$sampler_pid" 2>/dev/null && wait "$sampler_pid" 2>/dev/null || true
sampler_pid=

echo "soak: $rounds rounds in $((SECONDS - start)) s, $failed_steps of $steps steps did not go through"
((failed_steps * 2 <= steps)) || fail "most steps did not go through: the program could not be driven"
awk -v rss_bound_mb="$rss_bound_mb" '
    function field(name,  i) {
        for (i = 1; i <= NF; ++i) if (index($i, name "=") == 1) return substr($i, length(name) + 2) + 0
        return 0
    }
    function median3(a, b, c) {
        return a + b + c - (a < b ? (a < c ? a : c) : (b < c ? b : c)) - (a > b ? (a > c ? a : c) : (b > c ? b : c))
    }
    # The frames must go on: a minute without one is a hang.
    {
        if (NR == 1 || field("frames") != last_frames) { last_frames = field("frames"); moved_at = field("t") }
        if (field("t") - moved_at >= 60 && !hung) { hung = 1; hung_at = field("t") }
    }
    $1 == "checkpoint" {
        n++
        t[n] = field("t"); rss[n] = field("rss_kb"); fds[n] = field("fds")
        frames[n] = field("frames"); tex[n] = field("textures"); lists[n] = field("lists")
        added[n] = field("added")
    }
    END {
        if (hung) { printf "soak: FAILED: no frame drawn for a minute up to t=%ds\n", hung_at; exit 1 }
        if (n < 6) { print "soak: FAILED: the run ended before the warm-up and one round were over; give it more time"; exit 1 }
        rss0 = median3(rss[1], rss[2], rss[3]); rss1 = median3(rss[n - 2], rss[n - 1], rss[n])
        fds0 = median3(fds[1], fds[2], fds[3]); fds1 = median3(fds[n - 2], fds[n - 1], fds[n])
        printf "soak: from t=%ds to t=%ds: resident memory %.1f -> %.1f MiB, open descriptors %d -> %d,\n", t[1], t[n], rss0 / 1024, rss1 / 1024, fds0, fds1
        printf "soak: textures %d -> %d (pictures added meanwhile: %d), display lists %d -> %d, frames %d -> %d\n", tex[1], tex[n], added[n] - added[1], lists[1], lists[n], frames[1], frames[n]
        bad = 0
        if ((rss1 - rss0) / 1024 > rss_bound_mb) { printf "soak: FAILED: resident memory grew by %.1f MiB (bound %d MiB)\n", (rss1 - rss0) / 1024, rss_bound_mb; bad = 1 }
        if (fds1 > fds0) { printf "soak: FAILED: open file descriptors grew from %d to %d\n", fds0, fds1; bad = 1 }
        if (tex[n] > tex[1]) { printf "soak: FAILED: textures grew from %d to %d though every picture added was removed\n", tex[1], tex[n]; bad = 1 }
        if (lists[n] > lists[1] + 3) { printf "soak: FAILED: display lists grew from %d to %d\n", lists[1], lists[n]; bad = 1 }
        exit bad
    }' "$samples" || exit 1
echo "soak: passed"
