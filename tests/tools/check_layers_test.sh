#!/usr/bin/env bash
# tools/check-layers holds the layers as the compiler sees them: a small tree
# that keeps them passes, and each way of slipping past an include-by-include
# reading of it is refused, naming the file; the game's own src/ passes.
#   check_layers_test.sh <check-layers> <src>
set -euo pipefail
check=$1
src=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

# put <tree> <file> <line>: appends the line to the tree's file.
put() {
    mkdir -p "$(dirname "$1/$2")"
    printf '%s\n' "$3" >>"$1/$2"
}

base() {
    local tree=$scratch/$1
    put "$tree" core/geometry.h 'struct Point {};'
    put "$tree" platform/canvas.h '#include "core/geometry.h"'
    put "$tree" platform/display.cpp '#include <SDL/SDL.h>'
    put "$tree" platform/web_event_reader.cpp '#include <emscripten.h>'
    put "$tree" controls/keys.h '#include "platform/canvas.h"'
    put "$tree" world/area.h '#include "core/geometry.h"'
    put "$tree" world/area.cpp '#include "world/area.h"'
    put "$tree" view/draw.cpp '#include <platform/canvas.h>'
    put "$tree" CMakeLists.txt 'add_library(game)'
    echo "$tree"
}

# refused <what> <file named> <file> <line>...: the base tree with the lines
# added must be refused, naming the file.
refused() {
    local what=$1 named=$2 tree
    shift 2
    tree=$(base "${what// /-}")
    while (($#)); do
        put "$tree" "$1" "$2"
        shift 2
    done
    if "$check" "$tree" 2>"$tree.err"; then
        echo "FAIL: $what passed" && failed=1
    elif ! grep -q "/$named:" "$tree.err"; then
        echo "FAIL: $what was refused without naming $named: $(cat "$tree.err")" && failed=1
    fi
}

"$check" "$src" || { echo "FAIL: the game's src/ is refused" && failed=1; }
tree=$(base plain)
"$check" "$tree" || { echo "FAIL: a tree that keeps the layers is refused" && failed=1; }

refused "a project header in angle brackets" world/area.cpp \
    world/area.cpp '#include <platform/canvas.h>'
refused "SDL 2's header" core/geometry.h \
    core/geometry.h '#include <SDL2/SDL.h>'
refused "the core including the platform" core/drawn.h \
    core/drawn.h '#include "platform/canvas.h"'
refused "a controls header including the platform for a rule" world/area.cpp \
    world/area.cpp '#include "controls/keys.h"'
refused "the controls reading the display library" controls/sdl_input.cpp \
    controls/sdl_input.cpp '#include <SDL/SDL.h>'
refused "the controls reading the browser" controls/web_input.cpp \
    controls/web_input.cpp '#include <emscripten.h>'
refused "an included .inc file" world/table.inc \
    world/table.inc '#include "../platform/canvas.h"' \
    world/area.cpp '#include "world/table.inc"'
refused "the display library through a header" view/draw.cpp \
    platform/canvas.h '#include <SDL/SDL.h>'
refused "a file outside the layers" stray.cpp \
    stray.cpp 'int x;'

exit "$failed"
