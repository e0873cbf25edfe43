#!/usr/bin/env bash
# Drives the real quillor program on a real X display, as a user would: Xvfb with the
# openbox window manager, the mouse and keys from xdotool, screenshots from ImageMagick.
# Windows are found by their titles and buttons by their place in the main window. Any
# surprise fails the run with the step's name and a screenshot of the whole screen.
#
#   tests/acceptance/acceptance.sh [path/to/quillor]
#
# QUILLOR_ACCEPTANCE_KEEP=1 keeps the scratch folder (config, log, screenshots) on success.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
quillor=$(cd "$(dirname "${1:-$root/build/quillor}")" && pwd)/$(basename "${1:-$root/build/quillor}")
[ -x "$quillor" ] || { echo "acceptance: no program at $quillor" >&2; exit 1; }

"$root/scripts/setup.sh" xvfb openbox xdotool imagemagick x11-utils >&2

work=$(mktemp -d /tmp/quillor-acceptance.XXXXXX)
step="starting"
pids=()
quillor_pid=""

cleanup() {
    local status=$?
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [ "$status" -eq 0 ] && [ -z "${QUILLOR_ACCEPTANCE_KEEP:-}" ]; then rm -rf "$work"; fi
}
trap cleanup EXIT

fail() {
    local shot="$work/failure.png"
    import -window root "$shot" 2>/dev/null || shot="(no screenshot could be taken)"
    echo "acceptance: FAILED at step '$step': $*" >&2
    echo "acceptance: screenshot: $shot" >&2
    [ -s "$work/quillor.log" ] && { echo "acceptance: the program said:" >&2; sed 's/^/  /' "$work/quillor.log" >&2; }
    exit 1
}

begin() {
    step=$1
    echo "acceptance: $step"
}

# --- The display ----------------------------------------------------------------------------

display=""
for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free display number"
export DISPLAY=$display
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

# --- Helpers ----------------------------------------------------------------------------------

# The id of the visible window titled exactly $1, waiting for it to appear.
wait_window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled \"$1\" appeared"
}

wait_gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window titled \"$1\" did not close"
}

# Runs its arguments every tenth of a second until they succeed, for up to ten seconds:
# files a dialog writes may appear a moment after it closes.
eventually() {
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}

# "r,g,b" of pixel ($2, $3) of the picture file $1.
rgb_at() {
    convert "$1" -format "%[fx:round(255*p{$2,$3}.r)],%[fx:round(255*p{$2,$3}.g)],%[fx:round(255*p{$2,$3}.b)]" info:
}

# A screenshot of the main window, after the program had time to draw.
main_shot() {
    sleep 0.4
    import -window "$main" "$work/$1.png" || fail "no screenshot of the main window"
    echo "$work/$1.png"
}

# A screenshot of the main window once its pixel ($2, $3) shows $4 (the program may still
# be drawing), or after five seconds whatever it shows then.
shot_when() {
    local path="$work/$1.png"
    for _ in $(seq 25); do
        import -window "$main" "$path" 2>/dev/null && [ "$(rgb_at "$path" "$2" "$3")" = "$4" ] && break
        sleep 0.2
    done
    [ -s "$path" ] || fail "no screenshot of the main window"
    echo "$path"
}

# The colours the main window's pixel ($2, $3) shows while frames play, screenshot after
# screenshot (named $1), until it shows $4 or four seconds have passed.
watch_playback() {
    local seen=""
    for _ in $(seq 40); do
        import -window "$main" "$work/$1.png" 2>/dev/null || continue
        seen="$seen $(rgb_at "$work/$1.png" "$2" "$3")"
        case $seen in *"$4"*) break ;; esac
        sleep 0.1
    done
    echo "$seen"
}

expect_rgb() {  # file x y expected what
    local got
    got=$(rgb_at "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "$5: pixel ($2, $3) of $(basename "$1") is $got, expected $4"
}

# An item of the File menu, by its underlined letter.
file_menu() {
    xdotool key alt+f
    sleep 0.3
    xdotool key "$1"
}

# Waits for the window titled $1 and gives it the keys that follow.
answer() {
    local id
    id=$(wait_window "$1")
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    shift
    xdotool "$@"
}

# Screen position of a main-window point.
click_at() {  # x y button (window coordinates)
    xdotool mousemove --sync $((main_x + $1)) $((main_y + $2)) click "$3"
}

# --- The program ----------------------------------------------------------------------------

begin "start the program"
mkdir -p "$work/config" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
# New pictures are 320 x 200 in 256 colours unless the user picks otherwise.
printf '[New Document]\nSelected=0\nColours=0\n' >"$work/config/quillor.ini"
(cd "$work" && exec env QUILLOR_CONFIG_DIR="$work/config" HOME="$work/home" \
     XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
     XDG_RUNTIME_DIR="$work/runtime" "$quillor" >"$work/quillor.log" 2>&1) &
quillor_pid=$!
pids+=($quillor_pid)

begin "first start: associate picture types with the desktop"
# Asked once, before the main window, with BMP and JPG ticked.
answer "File Associations" key Return
wait_gone "File Associations"
# The main window shows once the desktop's files are written and its databases updated.
main=$(wait_window "Quillor")
grep -qx "image/bmp=quillor.desktop" "$work/home/.config/mimeapps.list" ||
    fail "BMP files were not given to Quillor in mimeapps.list"
grep -qx "image/jpeg=quillor.desktop" "$work/home/.config/mimeapps.list" ||
    fail "JPEG files were not given to Quillor in mimeapps.list"
grep -qx "application/x-quillor-animation=quillor.desktop" "$work/home/.config/mimeapps.list" ||
    fail "animation scripts were not given to Quillor"
grep -q '^Exec=".*quillor" %f$' "$work/home/.local/share/applications/quillor.desktop" ||
    fail "no desktop entry runs Quillor"
grep -q 'pattern="\*.qua"' "$work/home/.local/share/mime/packages/quillor.xml" ||
    fail "the animation script type was not described to the desktop"

xdotool windowactivate --sync "$main" 2>/dev/null || true
# xdotool counts the window manager's frame into the position; xwininfo does not.
main_x=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
main_y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')

begin "make a new 256-colour image"
xdotool key --clearmodifiers ctrl+n
wait_window "Select File Type" >/dev/null
xdotool key Return
wait_window "New Image" >/dev/null
xdotool key Return
wait_gone "New Image"
# The picture is the one white area that survives wearing away its edges by 5 pixels
# (the hatching around it is white between black lines 8 pixels apart).
for _ in $(seq 25); do
    shot=$(main_shot new-image)
    box=$(convert "$shot" -fill black +opaque white -morphology Erode Square:5 -format '%@' info:)
    [[ $box == 310x190+* ]] && break
done
[[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "no picture found on the screen ($box)"
[ "${BASH_REMATCH[1]}" = 310 ] && [ "${BASH_REMATCH[2]}" = 190 ] ||
    fail "the new picture is not 320 x 200 at its own size ($box)"
pic_x=$((BASH_REMATCH[3] - 5))
pic_y=$((BASH_REMATCH[4] - 5))

# The "Tools" bar: two buttons to a row, the paint tool shown pressed at the start. Its
# pressed frame gives the grid's first cell.
column=$(convert "$shot" -crop 1x300+20+0 +repage txt:- | grep -m1 '#ABABAB' | sed 's/^0,\([0-9]*\):.*/\1/' || true)
[ -n "$column" ] || fail "the pressed paint button was not found on the Tools bar"
row=$(convert "$shot" -crop 80x1+0+$((column + 10)) +repage txt:- | grep -m1 '#ABABAB' | sed 's/^\([0-9]*\),0:.*/\1/' || true)
[ -n "$row" ] || fail "the pressed paint button's left edge was not found"
tool_x0=$((row + 16))
tool_y0=$((column + 15))
# Buttons in the bar's order: paint, pick, line, curve, square, filled square, circle,
# filled circle, grab, free-hand grab, fill, spray, ...
tool_button() {  # index -> "x y" in window coordinates
    echo "$((tool_x0 + 33 * ($1 % 2))) $((tool_y0 + 32 * ($1 / 2)))"
}
paint_button=$(tool_button 0)
pick_button=$(tool_button 1)
grab_button=$(tool_button 8)
spray_button=$(tool_button 11)
# After magnify and handle come text, red eye, the palette and the colour stencil.
text_button=$(tool_button 14)
red_eye_button=$(tool_button 15)
stencil_button=$(tool_button 17)

begin "right-click the Spray button for its options"
# shellcheck disable=SC2086
click_at $spray_button 3
answer "Spray Paint Options" key Escape
wait_gone "Spray Paint Options"

begin "paint a stroke"
# shellcheck disable=SC2086
click_at $paint_button 1
xdotool mousemove --sync $((main_x + pic_x + 40)) $((main_y + pic_y + 50))
xdotool mousemove --sync $((main_x + pic_x + 41)) $((main_y + pic_y + 50))
xdotool mousedown 1
for x in $(seq 50 10 200); do xdotool mousemove --sync $((main_x + pic_x + x)) $((main_y + pic_y + 50)); done
xdotool mouseup 1
# Away from the picture, so that no brush preview stands in for it.
xdotool mousemove --sync $((main_x + 900)) $((main_y + 600))
shot=$(shot_when stroke "$((pic_x + 100))" "$((pic_y + 50))" 0,0,0)
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 50)) "0,0,0" "the stroke"
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 100)) "255,255,255" "beside the stroke"

begin "pick a colour from the stroke as the background, then clear"
# shellcheck disable=SC2086
click_at $pick_button 1
xdotool mousemove --sync $((main_x + pic_x + 99)) $((main_y + pic_y + 50))
xdotool mousemove --sync $((main_x + pic_x + 100)) $((main_y + pic_y + 50)) click 3
# The brush is rebuilt in the new colours; with both black it warns, once per run.
answer "Colour Clash" key Return
wait_gone "Colour Clash"
# The pick hands back to the paint tool, and the bar shows it.
# shellcheck disable=SC2086
set -- $paint_button
shot=$(shot_when picked $(($1 - 16)) "$2" 171,171,171)
pressed_frame() {  # screenshot, button "x y": true when the button shows its pressed frame
    # shellcheck disable=SC2086
    set -- "$1" $2
    [ "$(rgb_at "$1" $(($2 - 16)) "$3")" = "171,171,171" ]
}
pressed_frame "$shot" "$paint_button" || fail "the paint button is not shown pressed after the pick"
pressed_frame "$shot" "$pick_button" && fail "the pick button still shows pressed after the pick"
xdotool mousemove --sync $((main_x + pic_x + 100)) $((main_y + pic_y + 100))
xdotool key Delete
xdotool mousemove --sync $((main_x + 900)) $((main_y + 600))
shot=$(shot_when cleared "$((pic_x + 100))" "$((pic_y + 100))" 0,0,0)
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 100)) "0,0,0" "cleared with the picked colour"

begin "undo and redo"
xdotool key ctrl+z
shot=$(shot_when undone "$((pic_x + 100))" "$((pic_y + 100))" 255,255,255)
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 100)) "255,255,255" "after undo"
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 50)) "0,0,0" "the stroke after undo"
xdotool key ctrl+y
shot=$(shot_when redone "$((pic_x + 100))" "$((pic_y + 100))" 0,0,0)
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 100)) "0,0,0" "after redo"
xdotool key ctrl+z
shot=$(shot_when undone-again "$((pic_x + 100))" "$((pic_y + 100))" 255,255,255)
expect_rgb "$shot" $((pic_x + 100)) $((pic_y + 100)) "255,255,255" "after the second undo"

begin "choose a colour in the small palette and paint with it"
# White as the background again, picked from the picture: with black on black the brush
# would be all transparent.
# shellcheck disable=SC2086
click_at $pick_button 1
xdotool mousemove --sync $((main_x + pic_x + 99)) $((main_y + pic_y + 100))
xdotool mousemove --sync $((main_x + pic_x + 100)) $((main_y + pic_y + 100)) click 3
xdotool key p
palette=$(wait_window "Palette")
palette_x=$(xwininfo -id "$palette" | awk '/Absolute upper-left X/ {print $4}')
palette_y=$(xwininfo -id "$palette" | awk '/Absolute upper-left Y/ {print $4}')
# Entry 4 of a new picture's palette, dark blue: column 0, fifth cell down.
xdotool mousemove --sync $((palette_x + 6)) $((palette_y + 4 * 9 + 49)) click 1
xdotool mousemove --sync $((main_x + pic_x + 40)) $((main_y + pic_y + 80))
xdotool mousemove --sync $((main_x + pic_x + 41)) $((main_y + pic_y + 80))
xdotool mousedown 1
for x in $(seq 50 10 100); do xdotool mousemove --sync $((main_x + pic_x + x)) $((main_y + pic_y + 80)); done
xdotool mouseup 1

begin "save as PNG with the brush preview on show"
# The pointer rests on the picture: the brush shows under it, over the picture only.
xdotool mousemove --sync $((main_x + pic_x + 149)) $((main_y + pic_y + 120))
xdotool mousemove --sync $((main_x + pic_x + 150)) $((main_y + pic_y + 120))
shot_when preview "$((pic_x + 150))" "$((pic_y + 120))" 0,0,170 >/dev/null
expect_rgb "$work/preview.png" $((pic_x + 150)) $((pic_y + 120)) "0,0,170" "the brush preview"
file_menu a
answer "Bitmap Save As" key ctrl+a
xdotool type --delay 5 "$work/saved.png"
xdotool key Return
answer "PNG Save Settings" key Return
wait_gone "PNG Save Settings"
eventually test -s "$work/saved.png" || fail "no file $work/saved.png was written"
[ "$(identify -format '%wx%h' "$work/saved.png")" = 320x200 ] || fail "the saved picture is not 320 x 200"
expect_rgb "$work/saved.png" 100 50 "0,0,0" "the saved stroke"
# Pressed at x 41 and released at 200: a stroke leaves out the point it ends on.
expect_rgb "$work/saved.png" 41 50 "0,0,0" "the stroke's first pixel"
expect_rgb "$work/saved.png" 199 50 "0,0,0" "the stroke's last pixel"
expect_rgb "$work/saved.png" 40 50 "255,255,255" "before the stroke"
expect_rgb "$work/saved.png" 100 51 "255,255,255" "below the stroke"
expect_rgb "$work/saved.png" 100 100 "255,255,255" "the saved background"
expect_rgb "$work/saved.png" 150 120 "255,255,255" "where the brush preview was shown"
expect_rgb "$work/saved.png" 70 80 "0,0,170" "the stroke in the colour chosen in the palette"

# One click of the paint tool at picture point ($1, $2), the pointer then taken away.
stamp_at() {
    xdotool mousemove --sync $((main_x + pic_x + $1 - 1)) $((main_y + pic_y + $2))
    xdotool mousemove --sync $((main_x + pic_x + $1)) $((main_y + pic_y + $2)) click 1
    xdotool mousemove --sync $((main_x + 900)) $((main_y + 600))
}
# The B&rush menu's items counted up from its last one ("Load Brush...").
brush_menu_from_end() {
    xdotool key alt+r
    sleep 0.3
    for _ in $(seq "$1"); do xdotool key Up; done
    xdotool key Return
}

begin "grab a rectangle brush, paint with it, turn it, save it and load it again"
# The grab takes picture (40, 45) to (60, 55): white with the black stroke on its row 5.
# shellcheck disable=SC2086
click_at $grab_button 1
xdotool mousemove --sync $((main_x + pic_x + 40)) $((main_y + pic_y + 45))
xdotool mousedown 1
for d in 5 10 15 20; do xdotool mousemove --sync $((main_x + pic_x + 40 + d)) $((main_y + pic_y + 45 + d / 2)); done
xdotool mouseup 1
# The paint tool takes over; the 21 x 11 brush's handle is (11, 6), so its row 5 lands on
# the clicked row, columns 1 to 20 (black; the white is transparent) from x - 9 on.
stamp_at 250 150
shot=$(shot_when grabbed-stamp "$((pic_x + 255))" "$((pic_y + 150))" 0,0,0)
expect_rgb "$shot" $((pic_x + 255)) $((pic_y + 150)) "0,0,0" "the grabbed brush's stroke, stamped"
expect_rgb "$shot" $((pic_x + 255)) $((pic_y + 151)) "255,255,255" "the grabbed brush's white, transparent"
# A quarter turn: 11 x 21, the line now column 5, rows 1 to 20; the handle stays (11, 6).
xdotool key numbersign
stamp_at 280 100
shot=$(shot_when turned-stamp "$((pic_x + 285))" "$((pic_y + 95))" 0,0,0)
expect_rgb "$shot" $((pic_x + 285)) $((pic_y + 95)) "0,0,0" "the turned brush's line"
expect_rgb "$shot" $((pic_x + 286)) $((pic_y + 95)) "255,255,255" "beside the turned brush's line"
brush_menu_from_end 2
answer "Save Brush As" key ctrl+a
xdotool type --delay 5 "$work/turned"
xdotool key Return
answer "Successfully Saved" key Return
wait_gone "Successfully Saved"
[ "$(stat -c %s "$work/turned.bsh" 2>/dev/null)" = 1280 ] ||
    fail "turned.bsh is not the 1049 + 11 x 21 bytes of a palette brush file"
# Back to the brush before the turn, then the file again: turned, handle at (5, 10).
xdotool key r
brush_menu_from_end 1
answer "Load Brush" key ctrl+a
xdotool type --delay 5 "$work/turned.bsh"
xdotool key Return
answer "Successfully Loaded" key Return
wait_gone "Successfully Loaded"
stamp_at 200 170
shot=$(shot_when loaded-stamp "$((pic_x + 199))" "$((pic_y + 170))" 0,0,0)
expect_rgb "$shot" $((pic_x + 199)) $((pic_y + 170)) "0,0,0" "the loaded brush's line"
expect_rgb "$shot" $((pic_x + 200)) $((pic_y + 170)) "255,255,255" "beside the loaded brush's line"

begin "stretch the brush with the mouse and open the deform dialog"
# "Stretch" is the B&rush menu's thirteenth item. It hangs the 11 x 21 brush from its
# bottom-right corner: a press at (150, 100) fixes its top-left at (139, 79), and the
# drag down to (150, 121) makes it 11 x 42, the line now rows 2 to 41 of column 5.
xdotool key alt+r
sleep 0.3
for _ in $(seq 12); do xdotool key Down; done
xdotool key Return
xdotool mousemove --sync $((main_x + pic_x + 150)) $((main_y + pic_y + 100))
xdotool mousedown 1
for y in 105 110 115 121; do xdotool mousemove --sync $((main_x + pic_x + 150)) $((main_y + pic_y + y)); done
xdotool mouseup 1
# The release centres the handle, (5, 21); stamped at (220, 100) the brush's top-left is
# (214, 79), so the line runs down column 219 from row 81 to row 120.
# shellcheck disable=SC2086
click_at $paint_button 1
stamp_at 220 100
shot=$(shot_when stretched-stamp "$((pic_x + 219))" "$((pic_y + 118))" 0,0,0)
expect_rgb "$shot" $((pic_x + 219)) $((pic_y + 85)) "0,0,0" "the stretched brush's line, near its top"
expect_rgb "$shot" $((pic_x + 219)) $((pic_y + 118)) "0,0,0" "the stretched brush's line, twice as long"
expect_rgb "$shot" $((pic_x + 219)) $((pic_y + 123)) "255,255,255" "below the stretched line"
expect_rgb "$shot" $((pic_x + 220)) $((pic_y + 118)) "255,255,255" "beside the stretched line"
# "Deform..." two items further down: its corners round the brush; Cancel closes it.
xdotool key alt+r
sleep 0.3
for _ in $(seq 14); do xdotool key Down; done
xdotool key Return
answer "Brush Deform Tool" key Escape
wait_gone "Brush Deform Tool"
# The single pixel again, in the foreground colour, for the steps that follow.
xdotool key ctrl+1

begin "protect a colour with the stencil and paint over it"
# The stencil's window open, a pick protects the black of the first stroke.
# shellcheck disable=SC2086
click_at $stencil_button 3
wait_window "Colour Stencil" >/dev/null
# shellcheck disable=SC2086
click_at $pick_button 1
xdotool mousemove --sync $((main_x + pic_x + 109)) $((main_y + pic_y + 50))
xdotool mousemove --sync $((main_x + pic_x + 110)) $((main_y + pic_y + 50)) click 1
answer "Colour Stencil" key Escape
wait_gone "Colour Stencil"
# Stencil on; the blue of the second stroke picked as the colour to paint with.
# shellcheck disable=SC2086
click_at $stencil_button 1
xdotool mousemove --sync $((main_x + pic_x + 59)) $((main_y + pic_y + 80))
xdotool mousemove --sync $((main_x + pic_x + 60)) $((main_y + pic_y + 80)) click 1
# A stroke down across the black one: the black stays.
xdotool mousemove --sync $((main_x + pic_x + 120)) $((main_y + pic_y + 40))
xdotool mousemove --sync $((main_x + pic_x + 120)) $((main_y + pic_y + 41))
xdotool mousedown 1
for y in 45 50 55 60; do xdotool mousemove --sync $((main_x + pic_x + 120)) $((main_y + pic_y + y)); done
xdotool mouseup 1
xdotool mousemove --sync $((main_x + 900)) $((main_y + 600))
shot=$(shot_when stencilled "$((pic_x + 120))" "$((pic_y + 45))" 0,0,170)
expect_rgb "$shot" $((pic_x + 120)) $((pic_y + 45)) "0,0,170" "the stroke above the protected black"
expect_rgb "$shot" $((pic_x + 120)) $((pic_y + 50)) "0,0,0" "the protected black under the stroke"
expect_rgb "$shot" $((pic_x + 120)) $((pic_y + 55)) "0,0,170" "the stroke below the protected black"
# shellcheck disable=SC2086
click_at $stencil_button 1

begin "paint a text"
# The text dialog opens with the tool; the text stamped at (150, 150), in the blue picked
# above, falls within 30 pixels of the click.
count_blue() {
    convert "$1" -crop 60x40+$((pic_x + 120))+$((pic_y + 130)) +repage -fill black +opaque 'rgb(0,0,170)' \
        -fill white -opaque 'rgb(0,0,170)' -format '%[fx:round(mean*w*h)]' info:
}
shot=$(main_shot before-text)
[ "$(count_blue "$shot")" = 0 ] || fail "the place for the text is not clear"
# shellcheck disable=SC2086
click_at $text_button 1
answer "Text" key ctrl+a
xdotool type --delay 20 "Quill"
xdotool key Return
wait_gone "Text"
stamp_at 150 150
for _ in $(seq 25); do
    shot=$(main_shot text)
    [ "$(count_blue "$shot")" -gt 40 ] && break
    sleep 0.2
done
[ "$(count_blue "$shot")" -gt 40 ] || fail "no text was painted near (150, 150)"
# shellcheck disable=SC2086
click_at $paint_button 1

begin "change the picture and quit, answering the save question"
xdotool mousemove --sync $((main_x + pic_x + 60)) $((main_y + pic_y + 150))
xdotool mousemove --sync $((main_x + pic_x + 61)) $((main_y + pic_y + 150)) click 1
saved=$(md5sum <"$work/saved.png")
# Ctrl+F4 asks before the window goes; Cancel keeps it.
xdotool key ctrl+F4
answer "Unsaved Changes" key Escape
wait_gone "Unsaved Changes"
shot=$(shot_when kept "$((pic_x + 61))" "$((pic_y + 150))" 0,0,170)
expect_rgb "$shot" $((pic_x + 61)) $((pic_y + 150)) "0,0,170" "the dot painted before Cancel"
file_menu x
answer "Unsaved Changes" key alt+n
for _ in $(seq 100); do kill -0 "$quillor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$quillor_pid" 2>/dev/null && fail "the program did not end after No"
status=0
wait "$quillor_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
[ "$(md5sum <"$work/saved.png")" = "$saved" ] || fail "answering No changed the saved file"
grep -qi '^\[Last Window Size\]' "$work/config/quillor.ini" || fail "the settings were not written at exit"

# --- Animations, in a second run of the program --------------------------------------------

begin "start the program again for animations"
frames="$work/frames"
mkdir -p "$frames"
# Frames written by another program, named so that only a numeric sort puts them in order.
convert -size 64x48 xc:'rgb(255,0,0)' "$frames/f_1.png"
convert -size 64x48 xc:'rgb(0,255,0)' "$frames/f_2.png"
convert -size 64x48 xc:'rgb(0,0,255)' "$frames/f_10.png"
(cd "$work" && exec env QUILLOR_CONFIG_DIR="$work/config" HOME="$work/home" \
     XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
     XDG_RUNTIME_DIR="$work/runtime" "$quillor" >>"$work/quillor.log" 2>&1) &
quillor_pid=$!
pids+=($quillor_pid)
main=$(wait_window "Quillor")
xdotool windowactivate --sync "$main" 2>/dev/null || true
main_x=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
main_y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')

# "x y" of the middle of the area of the main window that shows colour $2, in screenshot $1.
find_colour() {
    local box
    box=$(convert "$1" -fill white +opaque "$2" -format '%@' info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    [ "${BASH_REMATCH[1]}" -gt 0 ] && [ "${BASH_REMATCH[1]}" -lt 1000 ] || return 1
    echo "$((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) $((BASH_REMATCH[4] + BASH_REMATCH[2] / 2))"
}

# Screenshots of the main window (named $1) until the colour $2 shows, for up to about ten
# seconds; leaves the last screenshot in $shot and the colour's middle, "x y", in $at.
wait_colour() {
    at=""
    for _ in $(seq 25); do
        shot=$(main_shot "$1")
        at=$(find_colour "$shot" "$2") && return 0
    done
    return 1
}

anim_menu_open() {  # the Anim menu's Open, as a sequence, of the script $1
    xdotool key alt+a
    sleep 0.3
    xdotool key Down Return
    answer "Select File Type" key Return
    answer "Open" key ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Return
}

begin "compose an animation from three files"
xdotool key alt+a
sleep 0.3
xdotool key Down Down Return
answer "Animation Sequencer" key ctrl+a
xdotool type --delay 5 "$frames"
sleep 0.5
xdotool key alt+s
sleep 0.3
xdotool key alt+a
sleep 0.3
xdotool key Return
wait_gone "Animation Sequencer"
wait_colour composed 'rgb(255,0,0)' || fail "the first frame (red) is not on the screen"
read -r frame_x frame_y <<<"$at"
xdotool mousemove --sync $((main_x + frame_x)) $((main_y + frame_y))

begin "step through the frames"
xdotool key 2
shot=$(shot_when advanced "$frame_x" "$frame_y" 0,255,0)
expect_rgb "$shot" "$frame_x" "$frame_y" "0,255,0" "the second frame, f_2.png"
xdotool key 2
shot=$(shot_when advanced-again "$frame_x" "$frame_y" 0,0,255)
expect_rgb "$shot" "$frame_x" "$frame_y" "0,0,255" "the third frame, f_10.png"
xdotool key 2
shot=$(shot_when wrapped "$frame_x" "$frame_y" 255,0,0)
expect_rgb "$shot" "$frame_x" "$frame_y" "255,0,0" "Advance from the last frame wraps to the first"

begin "play once"
xdotool key 5
seen=$(watch_playback playing "$frame_x" "$frame_y" 0,0,255)
case $seen in *0,255,0*0,0,255*) ;; *) fail "playing once did not show the frames in order:$seen" ;; esac
# Playback shows the frames without moving the frame being edited: the end shows it again.
shot=$(shot_when played "$frame_x" "$frame_y" 255,0,0)
expect_rgb "$shot" "$frame_x" "$frame_y" "255,0,0" "the edited frame after playing once"

begin "save the animation as a script and new frame files"
xdotool key ctrl+s
answer "Select File Type" key Return
answer "Save Animation Sequence" key Return
wait_gone "Save Animation Sequence"
eventually test -s "$frames/f_1.qua" -a -s "$frames/f_1.0002.bmp" || fail "the script and its frames were not written"
[ "$(head -1 "$frames/f_1.qua")" = "QUASQ3" ] || fail "the script does not start QUASQ3: $(head -1 "$frames/f_1.qua")"
[ "$(sed -n 4p "$frames/f_1.qua")" = "$frames/f_1.0002.bmp" ] || fail "the script's third frame line is $(sed -n 4p "$frames/f_1.qua")"
expect_rgb "$frames/f_1.0002.bmp" 10 10 "0,0,255" "the third frame as written"

begin "close the animation and open its script again"
xdotool key ctrl+F4
for _ in $(seq 25); do
    shot=$(main_shot closed)
    find_colour "$shot" 'rgb(255,0,0)' >/dev/null || break
done
find_colour "$shot" 'rgb(255,0,0)' >/dev/null && fail "the animation window did not close"
anim_menu_open "$frames/f_1.qua"
wait_colour reopened 'rgb(255,0,0)' || fail "the reopened animation does not show its first frame"
read -r frame_x frame_y <<<"$at"
xdotool mousemove --sync $((main_x + frame_x)) $((main_y + frame_y))
xdotool key 1
shot=$(shot_when back "$frame_x" "$frame_y" 0,0,255)
expect_rgb "$shot" "$frame_x" "$frame_y" "0,0,255" "Back from the first frame of the reopened animation"
xdotool key ctrl+F4

begin "open a layered image and compile it"
# The target shows what was saved until it is compiled. The bottom layer is blue; the top one is black, the key colour, around a red square
# at half opacity, lying at the bottom-left corner.
convert -size 64x48 xc:'rgb(10,200,30)' "$frames/target.bmp"
convert -size 64x48 xc:'rgb(0,0,255)' "$frames/blue.png"
convert -size 20x20 xc:black -fill 'rgb(255,0,0)' -draw "rectangle 5,5 14,14" "$frames/square.png"
printf 'QUASQ3\ntarget.bmp\nblue.png\n1\n0\n0\n100\nsquare.png\n1\n0\n1\n50\n' >"$frames/scene.qul"
anim_menu_open "$frames/scene.qul"
wait_colour layered 'rgb(10,200,30)' || fail "the layered image's target does not show"
read -r frame_x frame_y <<<"$at"
xdotool mousemove --sync $((main_x + frame_x)) $((main_y + frame_y))
xdotool key k
shot=$(shot_when compiled "$frame_x" "$frame_y" 0,0,255)
expect_rgb "$shot" "$frame_x" "$frame_y" "0,0,255" "the bottom layer in the compiled image"
# The square's middle: 10 pixels in from the left, 10 up from the bottom of the 64 x 48 picture.
expect_rgb "$shot" $((frame_x - 32 + 10)) $((frame_y - 24 + 48 - 10 - 1)) "127,0,127" \
    "the half-opaque square over the blue layer"

begin "quit"
file_menu x
for _ in $(seq 100); do kill -0 "$quillor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$quillor_pid" 2>/dev/null && fail "the program did not end"
status=0
wait "$quillor_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# --- Image operations, in a third run of the program -----------------------------------------

begin "start the program again with a photo"
# A red band to find the picture by, with a red eye in it, over a grey ramp of 64 levels.
convert -size 64x24 xc:'rgb(200,40,40)' -fill 'rgb(200,40,60)' -draw 'rectangle 4,4 11,11' \
    \( -size 24x64 gradient:white-black -rotate 90 \) -append \
    -type TrueColor "$frames/photo.bmp"
(cd "$work" && exec env QUILLOR_CONFIG_DIR="$work/config" HOME="$work/home" \
     XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
     XDG_RUNTIME_DIR="$work/runtime" "$quillor" "$frames/photo.bmp" >>"$work/quillor.log" 2>&1) &
quillor_pid=$!
pids+=($quillor_pid)
main=$(wait_window "Quillor")
xdotool windowactivate --sync "$main" 2>/dev/null || true
main_x=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
main_y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
wait_colour photo 'rgb(200,40,40)' || fail "the photo does not show"
read -r band_x band_y <<<"$at"
# A pixel of the ramp, 24 lines below the band's middle and 5 pixels right of its left edge.
ramp_x=$((band_x - 32 + 5))
ramp_y=$((band_y + 24))
original=$(rgb_at "$shot" "$ramp_x" "$ramp_y")
xdotool mousemove --sync $((main_x + band_x)) $((main_y + band_y))

begin "convert the photo to 16 colours and undo it"
xdotool key alt+i
sleep 0.3
xdotool key c
# The dialog proposes 256 colours; the arrow goes up to 16.
answer "Convert Number of Colours" key Up Return
wait_gone "Convert Number of Colours"
for _ in $(seq 25); do
    shot=$(main_shot sixteen)
    [ "$(rgb_at "$shot" "$ramp_x" "$ramp_y")" != "$original" ] && break
done
[ "$(rgb_at "$shot" "$ramp_x" "$ramp_y")" != "$original" ] || fail "16 colours left the ramp's $original as it was"
expect_rgb "$shot" "$band_x" "$band_y" "200,40,40" "the band, one of the 16 colours"
xdotool key ctrl+z
shot=$(shot_when undone-colours "$ramp_x" "$ramp_y" "$original")
expect_rgb "$shot" "$ramp_x" "$ramp_y" "$original" "the ramp after undoing the conversion"

begin "move the gamma and cancel"
xdotool key alt+p
sleep 0.3
xdotool key g
answer "Gamma Correction" key ctrl+a
xdotool type --delay 20 "80"
changed=""
for _ in $(seq 25); do
    shot=$(main_shot gamma)
    changed=$(rgb_at "$shot" "$ramp_x" "$ramp_y")
    [ "$changed" != "$original" ] && break
done
[ "$changed" != "$original" ] || fail "the gamma preview did not show in the picture"
answer "Gamma Correction" key Escape
wait_gone "Gamma Correction"
shot=$(shot_when gamma-cancelled "$ramp_x" "$ramp_y" "$original")
expect_rgb "$shot" "$ramp_x" "$ramp_y" "$original" "the ramp after cancelling the gamma"

begin "remove red eye from the photo"
# The eye, 8 x 8 from (4, 4) of the band, dragged over with a margin of the band's own
# red, whose hue (0 degrees) the filter leaves alone.
eye_x=$((band_x - 32 + 4))
eye_y=$((band_y - 12 + 4))
# shellcheck disable=SC2086
click_at $red_eye_button 1
xdotool mousemove --sync $((main_x + eye_x - 2)) $((main_y + eye_y - 2))
xdotool mousedown 1
for d in 4 8 11; do xdotool mousemove --sync $((main_x + eye_x + d)) $((main_y + eye_y + d)); done
xdotool mouseup 1
xdotool mousemove --sync $((main_x + 900)) $((main_y + 600))
shot=$(shot_when red-eye "$((eye_x + 3))" "$((eye_y + 3))" 50,40,60)
expect_rgb "$shot" $((eye_x + 3)) $((eye_y + 3)) "50,40,60" "the red eye, reduced"
expect_rgb "$shot" $((eye_x + 7)) $((eye_y + 7)) "50,40,60" "the red eye's far corner, reduced"
expect_rgb "$shot" $((eye_x - 1)) $((eye_y + 3)) "200,40,40" "the band beside the eye, kept"

begin "open a movie ffmpeg made, every second frame"
movie="$work/colours.avi"
# Four red frames and then four green ones, at four frames a second, losslessly.
ffmpeg -nostdin -loglevel error -y -f lavfi -i "color=c=red:s=64x48:r=4:d=1,format=bgr0" \
       -f lavfi -i "color=c=0x00ff00:s=64x48:r=4:d=1,format=bgr0" -filter_complex "[0][1]concat=n=2" \
       -c:v ffv1 "$movie" || fail "ffmpeg could not make the movie"
xdotool key alt+a
sleep 0.3
xdotool key Down Return
answer "Select File Type" key Down Return
answer "Open AVI" key ctrl+a
xdotool type --delay 5 "$movie"
xdotool key Return
answer "AVI Load Options" key alt+s
xdotool key ctrl+a
xdotool type --delay 20 "2"
# A button's key clicks it a moment later, as the button shows itself pressed.
xdotool key alt+a
sleep 0.5
xdotool key alt+s Return
wait_gone "AVI Load Options"
wait_colour movie 'rgb(255,0,0)' || fail "the movie's first frame (red) is not on the screen"
read -r movie_x movie_y <<<"$at"
xdotool mousemove --sync $((main_x + movie_x)) $((main_y + movie_y))

begin "play the movie's frames"
xdotool key 5
seen=$(watch_playback movie-playing "$movie_x" "$movie_y" 0,255,0)
case $seen in *255,0,0*0,255,0*) ;; *) fail "playing did not go from red to green:$seen" ;; esac
shot=$(shot_when movie-played "$movie_x" "$movie_y" 255,0,0)

begin "save the movie with the lossless compressor"
saved="$work/saved.avi"
xdotool key ctrl+s
answer "Select File Type" key Down Return
answer "AVI Save Settings" key Return
answer "Save AVI" key ctrl+a
xdotool type --delay 5 "$saved"
xdotool key Return
answer "Caution" key Return
answer "Video Compression" key alt+c Down
sleep 0.3
xdotool key Return
wait_gone "Video Compression"
eventually test -s "$saved" || fail "no movie was written"
[ "$(ffprobe -v error -show_entries stream=codec_name,nb_frames -of csv=p=0 "$saved")" = "ffv1,4" ] ||
    fail "the movie is not four FFV1 frames: $(ffprobe -v error -show_entries stream=codec_name,nb_frames -of csv=p=0 "$saved")"
"$quillor" frames "$saved" -o "$work/saved-frames" >/dev/null 2>&1 || fail "the saved movie does not read back"
expect_rgb "$work/saved-frames/save0001.bmp" 5 5 "255,0,0" "the saved movie's second frame (movie frame 3)"
expect_rgb "$work/saved-frames/save0002.bmp" 5 5 "0,255,0" "the saved movie's third frame (movie frame 5)"

begin "browse a folder of pictures as thumbnails"
browse="$work/browse"
mkdir -p "$browse"
convert -size 120x80 xc:'rgb(0,255,255)' "$browse/a-cyan.png"
convert -size 120x80 xc:'rgb(255,0,255)' "$browse/b-magenta.png"
convert -size 120x80 xc:'rgb(255,255,0)' "$browse/c-yellow.bmp"
xdotool key F1
browser=$(wait_window "Browse Files")
xdotool windowactivate --sync "$browser" 2>/dev/null || true
browser_x=$(xwininfo -id "$browser" | awk '/Absolute upper-left X/ {print $4}')
browser_y=$(xwininfo -id "$browser" | awk '/Absolute upper-left Y/ {print $4}')
xdotool mousemove --sync $((browser_x + 200)) $((browser_y + 25)) click 1
xdotool key ctrl+a
xdotool type --delay 5 "$browse"
xdotool key Return
# Five cells to a row, 92.6 pixels wide from x = 12; a thumbnail hangs 5 pixels below
# its cell's top at y = 48, centred.
cell_x() { echo $((12 + 926 * $1 / 10 + 46)); }
cell_y=73
browser_cell() {  # index expected-rgb what
    local got=""
    for _ in $(seq 50); do
        import -window "$browser" "$work/browser.png" 2>/dev/null &&
            got=$(rgb_at "$work/browser.png" "$(cell_x "$1")" $cell_y) && [ "$got" = "$2" ] && return 0
        sleep 0.1
    done
    fail "$3: the browser's cell $1 shows $got, expected $2"
}
browser_cell 0 "0,255,255" "the first thumbnail (a-cyan.png)"
browser_cell 1 "255,0,255" "the second thumbnail (b-magenta.png)"
browser_cell 2 "255,255,0" "the third thumbnail (c-yellow.bmp)"

begin "rename a file in the browser"
# The first file is selected.
xdotool key alt+r
answer "File Operation" key ctrl+a
xdotool type --delay 5 "d-cyan.png"
xdotool key Return
wait_gone "File Operation"
eventually test -f "$browse/d-cyan.png" && [ ! -e "$browse/a-cyan.png" ] || fail "a-cyan.png was not renamed to d-cyan.png"
browser_cell 2 "0,255,255" "the renamed file, listed last"

begin "delete the file and undo the delete"
# The renamed file stays selected.
xdotool windowactivate --sync "$browser" 2>/dev/null || true
xdotool key alt+d
answer "Question" key alt+y
wait_gone "Question"
eventually test ! -e "$browse/d-cyan.png" && [ -f "$browse/_backup_.bak" ] || fail "deleting did not move d-cyan.png to _backup_.bak"
xdotool windowactivate --sync "$browser" 2>/dev/null || true
xdotool key alt+u
answer "Question" key alt+y
wait_gone "Question"
eventually test -f "$browse/d-cyan.png" && [ ! -e "$browse/_backup_.bak" ] || fail "undo did not bring d-cyan.png back"
browser_cell 2 "0,255,255" "the file brought back"

begin "open a picture from the browser by double click"
xdotool mousemove --sync $((browser_x + $(cell_x 0))) $((browser_y + cell_y)) click --repeat 2 --delay 80 1
wait_gone "Browse Files"
wait_colour browsed 'rgb(255,0,255)' || fail "the picture opened from the browser (b-magenta.png) is not on the screen"
grep -qi '^\[Browse\]' "$work/config/quillor.ini" || fail "the browser's settings were not stored on opening"

begin "quit the third run"
file_menu x
answer "Unsaved Changes" key alt+n
for _ in $(seq 100); do kill -0 "$quillor_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$quillor_pid" 2>/dev/null && fail "the program did not end"
status=0
wait "$quillor_pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

echo "acceptance: all steps passed"
