#!/usr/bin/env bash
# Tries the program as a new user meets it on the desktops people use, each on
# a virtual screen of 1280 x 800 with a panel:
#   tests/desktop/desktop-matrix.sh VELMAR [DESKTOP...]
# DESKTOP is none (no window manager), openbox, xfwm4, metacity, mutter, kwin
# or weston (a Wayland desktop, the program through Xwayland); default: all.
# On each: the program starts full screen over the panel, undecorated, with its
# icon, and draws the tank;
# on the X desktops also the right-click menu opens and a click outside closes
# it, the Custom Music dialog opens above the tank with the keyboard, Escape
# closes it, the tank has the keyboard again and Escape ends the program with
# status 0. Xwayland 22 under headless Weston crashes on synthetic input, so
# there the program is ended by SIGTERM and looked at through its window alone.
# Then, on the X desktops, --wallpaper: a desktop-type window under a normal
# window that keeps the keyboard, the tank drawn beside it, SIGTERM ends it.
# Screenshots are kept in $DESKTOP_SHOTS (default: the current folder).
# Needs scripts/install-deps.sh --test (and --desktops for all but openbox).
set -uo pipefail

velmar=$(realpath "$1")
shift
desktops=("$@")
[[ ${#desktops[@]} -eq 0 ]] && desktops=(none openbox xfwm4 metacity mutter kwin weston)
shots=$(realpath "${DESKTOP_SHOTS:-.}")
width=1280
height=800
failures=0

work=$(mktemp -d /tmp/velmar-desktops-XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

note() { echo "  $*"; }
fail() {
    echo "  FAILED: $*"
    [[ -s ${HOME:-}/velmar.log ]] && sed 's/^/    velmar: /' "$HOME/velmar.log"
    failures=$((failures + 1))
}

# Polls a command until it succeeds, for up to $1 tenths of a second.
wait_until() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; ++i)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

wm_owns_screen() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
has_window() { [[ -n "$(window_named "$1")" ]]; }
active_window() { xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | sed -n 's/.*# 0x\([0-9a-f]*\).*/\1/p'; }
is_active() { [[ "$(active_window)" == "$(printf '%x' "$1")" ]]; }
has_focus() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]]; }
# The window has the keyboard, by the window manager's word where there is one.
takes_keys() { if [[ $desktop == none ]]; then has_focus "$1"; else is_active "$1"; fi; }

# "R G B" of pixel (x, y) of a PNG.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}
is_water() {
    local r g b
    read -r r g b <<<"$(pixel "$1" "$2" "$3")"
    ((b > r + 40))
}
# Something drawn: neither black nor grey (a panel, the toolkit's background).
is_drawn() {
    local r g b
    read -r r g b <<<"$(pixel "$1" "$2" "$3")"
    ((r != g || g != b)) && [[ "$r $g $b" != "246 245 244" ]]
}
menu_shown() {
    import -window root "$work/menu.png" 2>/dev/null
    [[ "$(pixel "$work/menu.png" 303 202)" == "219 216 209" ]]
}
menu_closed() { ! menu_shown; }
tank_drawn() {
    import -window "$window" "$work/tank.png" 2>/dev/null || return 1
    is_water "$work/tank.png" 2 2 && is_water "$work/tank.png" $((width - 3)) 2 &&
        is_drawn "$work/tank.png" 2 $((height - 3)) &&
        is_drawn "$work/tank.png" $((width - 3)) $((height - 3))
}
# The tank, not a panel, at the screen's bottom and top edges.
screen_is_tank() {
    import -window root "$work/root.png" 2>/dev/null || return 1
    is_drawn "$work/root.png" $((width / 2)) $((height - 2)) &&
        is_water "$work/root.png" $((width / 2)) 2
}

start_x_desktop() {
    rm -f "$work/display"
    Xvfb -displayfd 5 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
        5>"$work/display" 2>/dev/null &
    pids+=($!)
    wait_until 100 test -s "$work/display" || return 1
    export DISPLAY=":$(head -n 1 "$work/display")"
    case $desktop in
        none) return 0 ;;
        openbox) openbox --sm-disable &>"$work/wm.log" & ;;
        xfwm4) dbus-run-session -- xfwm4 --compositor=off --sm-client-disable &>"$work/wm.log" & ;;
        metacity) dbus-run-session -- metacity --sm-disable &>"$work/wm.log" & ;;
        mutter) dbus-run-session -- mutter --x11 --replace --sm-disable &>"$work/wm.log" & ;;
        kwin) dbus-run-session -- kwin_x11 --replace &>"$work/wm.log" & ;;
    esac
    pids+=($!)
    wait_until 200 wm_owns_screen || return 1
    # tint2 asks by default to stay above every window, and xfwm4 grants a dock
    # that even over full-screen ones; there it runs as Xfce's own panel does,
    # a plain dock.
    local layer=top
    [[ $desktop == xfwm4 ]] && layer=normal
    sed "s/^panel_layer = .*/panel_layer = $layer/" /etc/xdg/tint2/tint2rc >"$work/tint2rc"
    tint2 -c "$work/tint2rc" &>/dev/null &
    pids+=($!)
    # The panel is up once it has a window of its own.
    wait_until 100 has_window tint2
}

start_weston() {
    unset DISPLAY
    weston --backend=headless-backend.so --xwayland --width=$width --height=$height \
        --socket=velmar-matrix &>"$work/weston.log" &
    pids+=($!)
    wait_until 200 grep -q 'xserver listening on display' "$work/weston.log" || return 1
    export DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
    export WAYLAND_DISPLAY=velmar-matrix
}

try_desktop() {
    echo "== $desktop"
    local home="$work/$desktop"
    mkdir -p "$home/config" "$home/runtime" "$home/tmp"
    chmod 700 "$home/runtime"
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/runtime TMPDIR=$home/tmp
    export ASAN_OPTIONS=detect_leaks=0
    unset WAYLAND_DISPLAY
    if [[ $desktop == weston ]]; then start_weston; else start_x_desktop; fi ||
        { fail "$desktop did not start: $(tail -n 3 "$work/wm.log" "$work/weston.log" 2>/dev/null)"; return; }

    "$velmar" &>"$home/velmar.log" &
    local pid=$!
    pids+=($pid)
    wait_until 600 has_window VelmarScr || { fail "no window"; return; }
    window=$(window_named VelmarScr)
    if ! wait_until 600 tank_drawn; then
        fail "no tank drawn"
        cp "$work/tank.png" "$shots/desktop-$desktop-start.png" 2>/dev/null
        return
    fi
    local geometry
    geometry=$(xwininfo -id "$window")
    [[ $geometry == *"Absolute upper-left X:  0"* && $geometry == *"Absolute upper-left Y:  0"* &&
        $geometry == *"Width: $width"* && $geometry == *"Height: $height"* ]] ||
        fail "the window does not cover the screen: $(echo "$geometry" | grep -E 'Absolute|Width|Height' | tr -s ' \n' ' ')"
    if [[ $desktop != none ]]; then
        xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
            fail "not full screen: $(xprop -id "$window" _NET_WM_STATE)"
    fi
    [[ $(xprop -id "$window" _NET_WM_ICON) == *"Icon (48 x 48)"* ]] || fail "no 48 x 48 icon for task bars"
    # Undecorated: the Motif hints name their decorations field, and it is 0.
    local hints flags decorations
    hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r flags _ decorations _ <<<"$hints"
    (((${flags:-0} & 2) && ${decorations:-1} == 0)) || fail "not undecorated: $hints"
    note "full screen, undecorated, with its icon, tank drawn"

    if [[ $desktop == weston ]]; then
        cp "$work/tank.png" "$shots/desktop-$desktop.png"
        kill -TERM "$pid"
        wait "$pid"
        local status=$?
        [[ $status -eq 0 ]] || fail "SIGTERM ended it with status $status"
        note "SIGTERM ends it with status 0"
        return
    fi
    wait_until 50 screen_is_tank || fail "a panel shows over the tank"
    cp "$work/root.png" "$shots/desktop-$desktop.png"

    xdotool mousemove 300 200 click 3
    wait_until 100 menu_shown || fail "the right click opened no menu"
    xdotool mousemove 900 600 click 1
    wait_until 100 menu_closed || fail "a click outside left the menu open"
    note "the menu opens and a click outside closes it"

    # Entry 6 of the menu: Custom Music.
    xdotool mousemove 300 200 click 3
    wait_until 100 menu_shown || fail "the right click opened no menu"
    xdotool mousemove 370 $((200 + 48 * 6 + 24)) click 1
    local dialog
    wait_until 100 has_window "Custom Music - Velmar Screensaver 1.0" || fail "no Custom Music dialog"
    dialog=$(window_named "Custom Music - Velmar Screensaver 1.0")
    if [[ -n $dialog ]]; then
        wait_until 50 takes_keys "$dialog" || fail "the dialog has not the keyboard"
        local stacking
        stacking=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null)
        if [[ $desktop != none && $stacking != *"$(printf '0x%x' "$dialog")"* ]]; then
            note "the dialog is not in the stacking list: $stacking"
        fi
        import -window root "$shots/desktop-$desktop-dialog.png" 2>/dev/null
        xdotool key Escape
        wait_until 50 bash -c "! xdotool search --onlyvisible --name '^Custom Music' | grep -q ." ||
            fail "Escape left the dialog open"
        wait_until 50 takes_keys "$window" || fail "the tank did not take the keyboard back"
        note "the dialog opens above the tank with the keyboard, Escape closes it, the tank has the keyboard again"
    fi

    xdotool key Escape
    wait_until 100 bash -c "! kill -0 $pid 2>/dev/null" || fail "Escape did not end the program"
    wait "$pid"
    local status=$?
    [[ $status -eq 0 ]] || fail "Escape ended it with status $status"
    note "Escape ends it with status 0"
}

window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= //p'; }
# The first window is listed below the second, bottom to top.
stacked_below() {
    local stacking
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/.*# //p' | tr -d ',')
    [[ " $stacking " == *" $(printf '0x%x' "$1") "*"$(printf '0x%x' "$2") "* ]]
}

try_wallpaper() {
    xmessage -geometry 400x200+100+100 "a window to work in" &>/dev/null &
    local other=$!
    pids+=($other)
    wait_until 100 has_window xmessage || { fail "no xmessage window"; return; }
    local message
    message=$(window_named xmessage)
    [[ $desktop == none ]] || wait_until 50 takes_keys "$message" || note "xmessage has not the keyboard"
    "$velmar" --wallpaper &>"$HOME/velmar.log" &
    local pid=$!
    pids+=($pid)
    wait_until 600 has_window VelmarScr || { fail "no wallpaper window"; return; }
    window=$(window_named VelmarScr)
    # The tank shows to the right of and below the window in front of it.
    wait_until 600 bash -c "import -window root '$work/wall.png' 2>/dev/null &&
        convert '$work/wall.png' -format '%[fx:p{900,400}.b > p{900,400}.r + 0.15]' info: | grep -q 1" ||
        fail "no tank drawn beside the window"
    cp "$work/wall.png" "$shots/desktop-$desktop-wallpaper.png" 2>/dev/null
    wait_until 50 bash -c "xwininfo -id $window | grep -q 'Width: $width' &&
        xwininfo -id $window | grep -q 'Height: $height'" ||
        fail "the wallpaper does not cover the screen: $(xwininfo -id "$window" | grep -E 'Width|Height' | tr -s ' \n' ' ')"
    if [[ $desktop != none ]]; then
        [[ $(window_type "$window") == _NET_WM_WINDOW_TYPE_DESKTOP ]] ||
            fail "not a desktop window: $(window_type "$window")"
        stacked_below "$window" "$message" ||
            fail "the wallpaper $(printf 0x%x "$window") is not below the window $(printf 0x%x "$message"): $(xprop -root _NET_CLIENT_LIST_STACKING)"
        takes_keys "$message" || fail "the wallpaper took the keyboard"
    fi
    kill -TERM "$pid"
    wait "$pid"
    local status=$?
    [[ $status -eq 0 ]] || fail "SIGTERM ended the wallpaper with status $status"
    note "the wallpaper lies under the window, which keeps the keyboard; SIGTERM ends it with status 0"
}

for desktop in "${desktops[@]}"; do
    try_desktop
    [[ $desktop == weston ]] || try_wallpaper
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    pids=()
done
echo "desktop matrix: $failures failure(s) on ${desktops[*]}"
((failures == 0))
