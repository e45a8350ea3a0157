#!/usr/bin/env bash
# Runs the fuzzing harnesses of the sanitizer build, each for the seconds given,
# from its committed seeds; what a run adds to a corpus stays in the build folder.
# A finding is kept as <build>/fuzz/hallazgos/<harness>-crash-... and fails the run.
# Usage: tests/fuzz/fuzz.sh <build-folder> <seconds> [harness...]   (default: all)
set -uo pipefail
carpeta=$(cd "$1" && pwd)
segundos=$2
shift 2
fuentes=$(cd "$(dirname "$0")" && pwd)
arneses=("$@")
[ ${#arneses[@]} -gt 0 ] || arneses=(inic traza numero linea intens leccion tabla)
fallos=0
for a in "${arneses[@]}"; do
    corpus="$carpeta/fuzz/corpus/$a"
    hallazgos="$carpeta/fuzz/hallazgos"
    mkdir -p "$corpus" "$hallazgos"
    echo "== $a: $segundos s"
    registro="$carpeta/fuzz/$a.txt"
    "$carpeta/bin/fuzz_$a" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$hallazgos/$a-" \
        "$corpus" "$fuentes/semillas/$a" >"$registro" 2>&1
    estado=$?
    # The progress lines of a long run say little; the rest is the report.
    grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' "$registro"
    [ $estado -eq 0 ] || { echo "== $a: FOUND a fault (see $hallazgos)"; fallos=1; }
done
exit $fallos
