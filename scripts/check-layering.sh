#!/usr/bin/env bash
# Fails when a file outside a ui/ folder includes a Qt header: everything but the ui/
# folders must build without Qt.
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root"
hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z0-9]+|Qt[A-Za-z0-9]*/[^>"]*)[>"]' \
        src tests bench fuzz --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' \
        | grep -vE '^(src|tests|bench)/([^/]+/)*ui/' || true)
if [ -n "$hits" ]; then
    echo "Qt headers included outside a ui/ folder:" >&2
    echo "$hits" >&2
    exit 1
fi
echo "layering: no Qt header outside ui/ folders"
