#!/usr/bin/env bash
# Fails when a source file includes what its folder may not:
#   - a Qt header outside a ui/ folder (everything but the ui/ folders builds without Qt);
#   - a header of a folder the table below does not allow.
# Each folder under src/ may include itself and the folders listed for it. A folder's ui/
# subfolder may include its folder, what its folder may include, and the ui/ subfolders
# of all of those. src/main.cpp may include anything.
#   scripts/check-layering.sh [source root]
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root"

declare -A allowed=(
    [core]=""
    [platform]="core"
    [formats]="core platform"
    [paint]="core platform"
    [brush]="core platform paint"
    [filters]="core platform"
    [document]="core platform formats paint brush filters"
    [palette]="core platform formats paint brush filters document"
    [utilities]="core platform formats paint brush filters document palette"
    [tools]="core platform formats paint brush filters document palette"
    [view]="core platform formats paint brush filters document palette tools"
    [app]="core platform formats paint brush filters document palette utilities tools view"
    [cli]="core platform formats paint brush filters document palette utilities tools app"
)

status=0

qt=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z0-9]+|Qt[A-Za-z0-9]*/[^>"]*)[>"]' \
        src tests bench fuzz --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' \
        | grep -vE '^(src|tests|bench)/([^/]+/)*ui/' || true)
if [ -n "$qt" ]; then
    echo "Qt headers included outside a ui/ folder:" >&2
    echo "$qt" >&2
    status=1
fi

may_include() {  # from-folder from-is-ui to-folder to-is-ui
    local from=$1 fromUi=$2 to=$3 toUi=$4
    if [ -z "${allowed[$from]+x}" ]; then return 1; fi
    local reachable=" $from ${allowed[$from]} "
    [[ $reachable == *" $to "* ]] || return 1
    [ "$toUi" = 0 ] || [ "$fromUi" = 1 ]
}

crossings=""
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    [[ ${rest#*:} =~ \"([^\"]*)\" ]] || continue
    target=${BASH_REMATCH[1]}
    [ "$target" = "${target#*/}" ] && continue  # a file beside it, no folder named
    relative=${file#src/}
    from=${relative%%/*}
    [ "$from" = "$relative" ] && continue  # src/main.cpp
    fromUi=0
    [[ $relative == */ui/* ]] && fromUi=1
    to=${target%%/*}
    toUi=0
    [[ $target == */ui/* ]] && toUi=1
    [ -n "${allowed[$to]+x}" ] || continue  # not one of ours (a library's own header)
    if [ -z "${allowed[$from]+x}" ]; then
        crossings+="$file:$line: the folder src/$from is not in the layering table"$'\n'
    elif ! may_include "$from" "$fromUi" "$to" "$toUi"; then
        label=src/$from
        [ "$fromUi" = 1 ] && label+=/ui
        crossings+="$file:$line: $label may not include $target"$'\n'
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src --include='*.h' --include='*.cpp')

if [ -n "$crossings" ]; then
    echo "includes across the layers:" >&2
    printf '%s' "$crossings" >&2
    status=1
fi
[ "$status" -eq 0 ] && echo "layering: every include keeps to the table, no Qt header outside ui/ folders"
exit "$status"
