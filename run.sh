#!/usr/bin/env bash
# Sets everything up, builds a Release build in build/ and runs quillor with the
# arguments given, e.g.  ./run.sh            (the program)
#                        ./run.sh info a.png (a command-line verb)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh" >&2
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" --target quillor >&2
exec "$here/build/quillor" "$@"
