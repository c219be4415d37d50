#!/usr/bin/env bash
# Regenerates the pictures of the manual (docs/handbuch/bilder/) by running every script of
# docs/handbuch/skripte/ through korvanex-script on a fresh copy of the demo catalogue. The pictures are
# made by the program only; never edit them by hand. Usage: tools/handbuch-bilder.sh [BUILD_DIR] [OUT_DIR]
# (defaults: build-release, docs/handbuch/bilder). A script that fails ends this with its transcript.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-release}"
out="${2:-$root/docs/handbuch/bilder}"
driver="$build/korvanex-script"
[ -x "$driver" ] || { echo "no $driver: build the target korvanex-script first" >&2; exit 1; }
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
for script in "$root"/docs/handbuch/skripte/*.txt; do
  name="$(basename "$script" .txt)"
  rm -rf "$work/prog" && mkdir -p "$work/prog"
  cp -r "$root/data/zelvodaten" "$work/prog/"
  if ! "$driver" --program-dir "$work/prog" --screenshot-dir "$out" "$script" >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    echo "handbuch-bilder: $script failed" >&2
    exit 1
  fi
  echo "$name: $(grep -c 'screenshot' "$work/$name.log") pictures"
done
