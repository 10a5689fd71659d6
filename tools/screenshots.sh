#!/bin/sh
# Takes screenshots of the program in its real window on a virtual display, so
# that anyone can look at what a user sees: the title, every slide of the show,
# each panel over a light and over a dark picture, and each stage. The window's
# caption at each shot goes into captions.txt beside them (a virtual display has
# no window manager to draw it).
#
#   tools/screenshots.sh [BUILD_DIR [OUT_DIR]]     (defaults: build, BUILD_DIR/screenshots)
#
# Needs xvfb-run (Debian package xvfb), xdotool and ImageMagick's import. The
# program runs in a fresh directory holding the build's settings files and slides.
# Menus are opened by clicking their titles at the places the virtual display's
# default font gives them, and items are reached with the arrow keys, which skip
# disabled items.
set -e

BUILD=$(cd "${1:-build}" && pwd)
OUT=${2:-$BUILD/screenshots}
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

if [ -z "$TARNWICK_SCREENSHOTS_DISPLAY" ]; then
    export TARNWICK_SCREENSHOTS_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$BUILD" "$OUT"
fi

for tool in xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$BUILD"/*.maze "$WORK"/
cp "$BUILD"/example*.bmp "$BUILD"/credit*.bmp "$WORK"/ 2>/dev/null || echo "screenshots.sh: no slides in $BUILD" >&2
cd "$WORK"
"$BUILD/tarnwick" 2>/dev/null &
PROGRAM=$!
sleep 2
WINDOW=$(xdotool search --sync --onlyvisible --name "Tarnwick" | head -1)
: > "$OUT/captions.txt"

shot() {
    sleep "${2:-0.6}"
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$OUT/$1.png"
    echo "$1: $(xdotool getwindowname "$WINDOW")" >> "$OUT/captions.txt"
}
click() { xdotool mousemove --window "$WINDOW" "$1" "$2" click "${3:-1}"; sleep 0.4; }
keys() { for k in "$@"; do xdotool key --window "$WINDOW" "$k"; sleep 0.15; done; }
# Below the title the window has a menu bar: a place on the drawing surface is
# that much lower in the window.
BAR=19
surface() { click "$1" $(($2 + BAR)) "$3"; }
# menu TITLE_X DOWNS [SUBMENU_DOWNS]: the item DOWNS down from the top among the enabled ones.
menu() {
    click "$1" 10
    i=0; while [ $i -lt "$2" ]; do xdotool key Down; sleep 0.1; i=$((i + 1)); done
    if [ -n "$3" ]; then
        xdotool key Right; sleep 0.2
        i=1; while [ $i -lt "$3" ]; do xdotool key Down; sleep 0.1; i=$((i + 1)); done
    fi
    xdotool key Return; sleep 0.6
}
OPTIONS=33
PRINT_OPTIONS=201
MAZE_OPTIONS=295
MAZE_SETTINGS=393

shot 01-title 0
# The show, slide by slide: a right click brings the next one at once.
click 100 120
n=1
for slide in example1 example2 example3 example4 example5 example6 example7 example8 example9 example10 \
             example11 credit1 credit2; do
    shot "02-slide-$(printf %02d $n)-$slide"
    click 400 300 3
    n=$((n + 1))
done
shot 03-title-after-the-show

click 60 48
shot 04-drawing-stage 1
# The panels over a light picture, then over a dark one (N walks the window's
# colour down from yellow to blue).
panels() {
    menu $OPTIONS 1; shot "05-panel-import-$1"; keys Escape
    menu $OPTIONS 3; shot "06-panel-save-$1"; keys Escape
    menu $OPTIONS 4; shot "07-panel-load-$1"; keys Escape
    menu $OPTIONS 2 4; shot "08-panel-wall-size-$1"; keys Escape
    menu $OPTIONS 7; shot "09-panel-edit-colors-$1"; surface 40 308
    menu $OPTIONS 8; shot "10-panel-select-color-$1"; surface 40 72
    menu $PRINT_OPTIONS 2; shot "11-panel-print-count-$1"; keys Escape
}
panels light
keys n n n n n
panels dark

# The stages: the first "New maze " takes the example's settings, the second makes its maze.
menu $MAZE_SETTINGS 1 2
menu $MAZE_OPTIONS 1
shot 12-drawing-stage-example 1
menu $MAZE_OPTIONS 1
shot 13-making-maze 0.2
shot 14-placing-start-and-finish 4
click $MAZE_OPTIONS 10; keys Up Return
shot 15-solving 0.3
shot 16-solved 5
menu $MAZE_OPTIONS 1
shot 17-back-to-drawing 1

kill "$PROGRAM" 2>/dev/null || true
wait "$PROGRAM" 2>/dev/null || true
echo "screenshots in $OUT"
