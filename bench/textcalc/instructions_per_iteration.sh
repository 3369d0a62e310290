#!/usr/bin/env bash
# Instructions per loop iteration of `zoltcalc-cli run`, counted by callgrind: the program is
# run with N and 2N iterations and the difference is divided by N, so start-up, preparation
# and printing cancel out.
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

for program in \
    "s:=0; for i:=1 to N do s:=s+i; s" \
    "s:=0; for i:=1 to N do s:=s+1/i; s" \
    "i:=0; while i<N do i:=i+1; i" \
    "f(x):=x*x+1; s:=0; for i:=1 to N do s:=s+f(i); s"; do
    small=$(count "${program//N/$n}")
    large=$(count "${program//N/$((2 * n))}")
    echo "$(( (large - small) / n )) instructions/iteration: $program"
done
