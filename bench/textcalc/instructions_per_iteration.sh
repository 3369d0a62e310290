#!/usr/bin/env bash
# Instructions per loop iteration (or per step or term of a numerical operator) of
# `zoltcalc-cli run`, counted by callgrind: the program is run with N and 2N iterations and the
# difference is divided by N, so start-up, preparation and printing cancel out. Each row shows
# the goal beside the figure.
# Usage: bench/textcalc/instructions_per_iteration.sh [path/to/zoltcalc-cli] [N]
set -euo pipefail
cli=${1:-build/bin/zoltcalc-cli}
n=${2:-100000}
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }

count() {
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" "$cli" run -e "$1" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
    rm -f "$out"
}

# goal|program, with N standing for the number of iterations
rows=(
    "200|s:=0; for i:=1 to N do s:=s+i; s"
    "300|int(x^2, x=0..1, 1/N)"
    "350|sum(1/n^2, n=1..N)"
    "500|a[5000]:=1; s:=0; for k:=1 to N do s:=s+a[mod(k,5000)+1]; s"
    "1200|s:=0; for k:=1 to N do s:=s+sin(k); s"
    "600|f(x):=x*x+1; s:=0; for k:=1 to N do s:=s+f(k); s"
    "-|s:=0; for i:=1 to N do s:=s+1/i; s"
    "-|i:=0; while i<N do i:=i+1; i"
)
printf '%12s %6s  %s\n' "per step" "goal" "program"
for row in "${rows[@]}"; do
    goal=${row%%|*}
    program=${row#*|}
    small=$(count "${program//N/$n}")
    large=$(count "${program//N/$((2 * n))}")
    printf '%12d %6s  %s\n' "$(( (large - small) / n ))" "$goal" "$program"
done
