#!/usr/bin/env bash
# Pictures every dialog of `tessa show --list` into docs/screenshots/<class>.png, without a
# display. Usage: scripts/screenshots.sh [path/to/tessa] [language]
set -euo pipefail
cd "$(dirname "$0")/.."
tessa=${1:-build/apps/tessa/tessa}
language=${2:-nl}
out=docs/screenshots
mkdir -p "$out"
status=0
while IFS=$'\t' read -r class template name; do
  if "$tessa" show "$class" --language "$language" --screenshot "$out/$class.png" 2>/dev/null; then
    echo "$out/$class.png"
  else
    echo "screenshots: $class ($template $name) could not be pictured" >&2
    status=1
  fi
done < <("$tessa" show --list)
exit $status
