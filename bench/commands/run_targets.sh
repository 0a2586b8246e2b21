#!/usr/bin/env bash
# Whole-process figures of the program against its speed and memory targets: a batch of
# 10,000 end-plate connections, and `calc --json` of chained-formula CSV sheets (10,000 inputs
# and 10,000 formulas; 50,000 and 50,000 for the memory figure). Each command runs three
# times; the best wall time and the peak memory are printed.
#   bench/commands/run_targets.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build}"
tessa="$build/apps/tessa/tessa"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
macro = json.load(open('examples/library/macros/EndPlate.json'))
sections = []
for table, prefix in (('HEA', 'HEA-'), ('IPE', 'IPE-')):
    for line in open(f'examples/library/prof/{table}.pr').read().splitlines()[3:]:
        if line.strip():
            sections.append(prefix + line.split('\t')[0])
diameters = ['12', '16', '20', '24', '27', '30']
with open(f'{work}/endplates.jsonl', 'w') as out:
    for i in range(10000):
        macro['baseProfiles'][0]['section'] = sections[i % len(sections)]
        macro['modules'][1]['boltData']['diameter'] = diameters[(i // len(sections)) % len(diameters)]
        out.write(json.dumps(macro, separators=(',', ':')) + '\n')
def chain(n, path):
    with open(path, 'w') as f:
        for i in range(1, n + 1):
            f.write(f'in_{i},{(i * 37) % 100 + 0.5}\n')
        for i in range(1, n + 1):
            prev = n + i - 1
            f.write(f'out_{i},"=IF(B{prev}>50,ROUND(MAX(B{prev},B{i})*0.99,2),B{prev}+B{i}*0.5-1)"\n')
chain(10000, f'{work}/chain20k.csv')
chain(50000, f'{work}/chain100k.csv')
PY

measure() {
  local label="$1"; shift
  local best=""
  local peak=""
  for _ in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1 || true
    read -r seconds kb <"$work/time"
    if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best="$seconds"; fi
    peak="$kb"
  done
  printf '%-44s %6.2f s  %7d KB peak\n' "$label" "$best" "$peak"
}

measure "batch 10,000 EndPlate (all cores)" \
  "$tessa" batch EndPlate --library examples/library --macros "$work/endplates.jsonl"
measure "batch 10,000 EndPlate (--jobs 1)" \
  "$tessa" batch EndPlate --library examples/library --macros "$work/endplates.jsonl" --jobs 1
measure "calc --json 10,000 inputs + 10,000 formulas" "$tessa" calc --json "$work/chain20k.csv"
measure "calc --json 100,000 rows" "$tessa" calc --json "$work/chain100k.csv"
