#!/bin/bash
# Starts the program on the X display, leaves the splash with a key press and quits from the
# menu, checking what a user would see on the way.
set -u
program=$1
[ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit 77; }
command -v xdotool >/dev/null && command -v xwininfo >/dev/null || { echo "xdotool or xwininfo missing: skipped"; exit 77; }

fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }

"$program" &
pid=$!

# geometry of a window's client area in root coordinates: x y width height
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}
read -r _ _ screen_w screen_h < <(geometry "$(xwininfo -root | awk '/Window id/{print $4}')")

centred() {
    local x y w h
    read -r x y w h < <(geometry "$1")
    [ "$w" = "$2" ] && [ "$h" = "$3" ] || return 1
    # a window manager's frame may shift it by its border; allow a few pixels
    local dx=$(( x + w / 2 - screen_w / 2 )) dy=$(( y + h / 2 - screen_h / 2 ))
    [ ${dx#-} -le 12 ] && [ ${dy#-} -le 30 ]
}

# polls: a search can fail outright while other windows come and go
wait_window() {
    local found
    for _ in $(seq 200); do
        found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.1
    done
    return 1
}

splash=$(wait_window --classname ohmara)
[ -n "$splash" ] || fail "no splash window"
centred "$splash" 492 283 || fail "splash not centred or wrong size: $(geometry "$splash")"
[ -z "$(xprop -id "$splash" WM_NAME | sed 's/^[^=]*= *//; s/"//g')" ] || fail "splash has a caption"
# desktops draw no title bar on a splash window, and give it no taskbar button
xprop -id "$splash" _NET_WM_WINDOW_TYPE | grep -q '= _NET_WM_WINDOW_TYPE_SPLASH' \
    || fail "splash is not a splash window"

# a character key leaves the splash; the menu comes up centred
xdotool windowfocus --sync "$splash"
xdotool key x
menu=$(wait_window --name '^Ohmara V3\.1$')
[ -n "$menu" ] || fail "no main menu after a key press"
centred "$menu" 339 266 || fail "menu not centred or wrong size: $(geometry "$menu")"
# a title bar without close, minimise or maximise button
functions=$(xprop -id "$menu" _MOTIF_WM_HINTS | sed -n 's/.*= 0x[0-9a-f]*, \(0x[0-9a-f]*\),.*/\1/p')
[ -n "$functions" ] && (( (functions & 0x38) == 0 )) || fail "menu can be closed, minimised or maximised"
sleep 0.3
xwininfo -id "$splash" 2>/dev/null | grep -q IsViewable && fail "splash still shown"

# "Quit Ohmara" spans the bottom of the menu
xdotool mousemove --window "$menu" 168 252 click 1
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "program still running after Quit Ohmara"
wait "$pid"
status=$?
[ "$status" = 0 ] || fail "exit status $status"
echo "1 passed, 0 failed"
