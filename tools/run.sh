#!/usr/bin/env bash
# Builds the program and starts it in run/, a program directory with the demo catalogue's script files in
# run/zelvodaten/, and the manual K-VANEX.PDF. At the first start answer "Ja" to build the catalogue from them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DKVX_TESTS=OFF >/dev/null
cmake --build "$root/build-release" -j"$(nproc)" --target korvanex korvanex-script handbuch
mkdir -p "$root/run/zelvodaten"
cp "$root/build-release/korvanex" "$root/run/"
cp "$root"/data/zelvodaten/*.js "$root/run/zelvodaten/"
# The manual, built from docs/handbuch beside the binary, goes where "PDF-Hilfedatei öffnen" looks for it.
cp "$root/build-release/K-VANEX.PDF" "$root/run/"
exec "$root/run/korvanex" "$@"
