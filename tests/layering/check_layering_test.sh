#!/usr/bin/env bash
# The layering check passes on the sources as they are and fails on each kind of
# crossing planted in a copy of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check=$root/scripts/check-layering.sh
"$check" "$root" >/dev/null || { echo "the sources themselves fail the check" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
plant() {  # file line: copy the sources, add the line to the file, expect a failure
    rm -rf "$scratch/tree"
    mkdir -p "$scratch/tree"
    cp -r "$root/src" "$scratch/tree/"
    mkdir -p "$scratch/tree/tests" "$scratch/tree/bench" "$scratch/tree/fuzz"
    printf '%s\n' "$2" >>"$scratch/tree/$1"
    if "$check" "$scratch/tree" >/dev/null 2>&1; then
        echo "not caught: '$2' in $1" >&2
        exit 1
    fi
}
plant src/core/geometry.h '#include "tools/tool_ids.h"'
plant src/paint/flood_fill.cpp '#include "document/anim_doc.h"'
plant src/tools/tool_context.cpp '#include "view/view_placement.h"'
plant src/tools/tool_context.cpp '#include "tools/ui/tool_cursors.h"'
plant src/tools/ui/tool_cursors.cpp '#include "app/ui/main_frame.h"'
plant src/paint/spray.cpp '#include <QImage>'
echo "layering check: passes the sources, catches every planted crossing"
