#!/usr/bin/env bash
# The real launcher under Xvfb + openbox: framed size, background colour, label colour, and what
# a click on a manuscript button and on the link hands to the desktop.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/xsession.sh"
have_x_tools || { echo "SKIP: Xvfb, openbox, xdotool or ImageMagick missing"; exit 77; }

work=$(mktemp -d)
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; stop_x; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -n "${DISPLAY:-}" ] && screenshot "$work/failure.png" && cp "$work/failure.png" /tmp/folionix-e2e-failure.png; exit 1; }

cp "$1" "$work/folionix"
cat >"$work/folionix.INI" <<'INI'
[UserFormSettings]
FormCaption=E2E Tales
LabelCaption=Write to me
EmailOrURL=author@example.org
Button1=One
Button2=Two words
Button3=Three
Manuscript1=One.pdf
Manuscript2=Fog Bell.rtf
Manuscript3=Three.txt
FormColor=$00402010
FontColor=clYellow
INI
touch "$work/One.pdf" "$work/Fog Bell.rtf" "$work/Three.txt"
# The desktop's opener, replaced by a recorder of what it is handed.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/opened.log"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

start_x
(cd "$work" && PATH="$work/bin:$PATH" exec ./folionix) &
app=$!
wid=$(find_window '^E2E Tales$') || fail "the launcher window did not appear"
wait_until 10 sh -c "xprop -id $wid _NET_FRAME_EXTENTS | grep -q '='" || fail "no frame extents"

# Framed 386 x 210 for three buttons, centred on the 1280 x 1024 screen with that height. The
# window settles once the window manager has told it the frame size.
wait_until 10 geometry_is "$wid" 386x210+447+407 ||
    fail "outer geometry is $(outer_geometry "$wid"), wanted 386x210+447+407"

eval "$(xwininfo -id "$wid" | awk '/Absolute upper-left X/{print "cx="$4} /Absolute upper-left Y/{print "cy="$4}')"
pixel=$(screen_pixel $((cx + 10)) $((cy + 10)))
[ "$pixel" = "#102040" ] || fail "background pixel is $pixel, wanted #102040"
# On this dark window the link line is drawn in white.
xwd -root -silent | convert xwd:- -crop "281x13+$((cx + 8))+$((cy + 144))" -format %c histogram:info:- |
    grep -qi '#FFFFFF' || fail "no white in the link line"

xdotool mousemove --window "$wid" 189 72 click 1
wait_until 10 grep -q 'Fog' "$work/opened.log" || fail "button 2 handed nothing to the desktop"
xdotool mousemove --window "$wid" 148 150 click 1
wait_until 10 grep -q '^mailto:' "$work/opened.log" || fail "the link handed nothing to the desktop"
expected="file://$work/Fog%20Bell.rtf
mailto:author@example.org"
[ "$(cat "$work/opened.log")" = "$expected" ] || fail "desktop was handed: $(cat "$work/opened.log")"

# The author's editor: Ctrl+Alt+W, type, Alt+A. The file is written and the launcher changes at
# once: new caption, a fourth button, the height for four buttons, the same top-left corner.
xdotool windowactivate --sync "$wid" key --clearmodifiers ctrl+alt+w
editor=$(find_window '^Custom Settings$') || fail "Ctrl+Alt+W opened no editor"
wait_until 10 geometry_is "$editor" 485x640+397+192 ||
    fail "editor outer geometry is $(outer_geometry "$editor"), wanted 485x640+397+192"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 2 "New Title"
for _ in $(seq 10); do xdotool key Tab; done
xdotool type --delay 2 "Four.pdf"
xdotool key Escape
xdotool key --clearmodifiers alt+a
wait_until 10 sh -c "! xdotool search --onlyvisible --name '^Custom Settings\$'" || fail "the editor did not close"
grep -qx 'FormCaption=New Title' "$work/folionix.INI" || fail "caption not saved: $(cat "$work/folionix.INI")"
grep -qx 'Manuscript4=Four.pdf' "$work/folionix.INI" || fail "fourth manuscript not saved"
grep -qx 'FormColor=$00402010' "$work/folionix.INI" || fail "colour not kept"
[ "$(grep -c '=' "$work/folionix.INI")" = 24 ] || fail "not 24 keys: $(cat "$work/folionix.INI")"
wait_until 10 sh -c "xdotool search --onlyvisible --name '^New Title\$' >/dev/null" || fail "launcher caption not updated"
wait_until 10 geometry_is "$wid" 386x258+447+407 ||
    fail "after saving the launcher is $(outer_geometry "$wid"), wanted 386x258+447+407"
echo "PASS: launcher and editor end to end"
