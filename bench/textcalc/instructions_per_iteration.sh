#!/usr/bin/env bash
# What the text calculator's evaluator costs, each figure beside its goal:
# - instructions per loop iteration (or per step or term of a numerical operator) of
#   `zoltcalc-cli run`, counted by callgrind: the program runs with N and 2N iterations and the
#   difference is divided by N, so that start-up, preparation and printing cancel out;
# - for the first four rows, CPU time against the system's python3 doing the same work: the
#   ratio of the sums of paired runs (A B A B …, 20N iterations each), so that a busy machine
#   slows both alike;
# - the long-double sine of the C library on its own, which the sin(k) row cannot go below;
# - heap bytes per array element, by valgrind's massif at two array lengths;
# - the instructions of a whole `zoltcalc-cli run -e 1+1` against bc's for 1+1.
# Usage: bench/textcalc/instructions_per_iteration.sh [path/to/zoltcalc-cli] [N]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=$(realpath "${1:-$root/build/bin/zoltcalc-cli}")
n=${2:-100000}
pairs=5
. "$root/scripts/lib/packages.sh"
require_packages valgrind bc python3 gcc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' TERM

# Instructions of one command (its arguments), standard input from $work/input.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" <"$work/input" 2>&1 >/dev/null |
        sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

# A program that ends in an error would measure the error: stop there.
runs_clean() {
    "$cli" run -e "$1" >"$work/output" </dev/null ||
        { echo "failed: $1: $(tail -1 "$work/output")" >&2; kill $$; }
}

# Instructions per iteration of a program with N standing for the count.
per_iteration() {
    runs_clean "${1//N/$n}"
    : >"$work/input"
    local small large
    small=$(instructions "$cli" run -e "${1//N/$n}")
    large=$(instructions "$cli" run -e "${1//N/$((2 * n))}")
    echo $(((large - small) / n))
}

# Seconds of CPU (user and system) of one command.
cpu_seconds() {
    local TIMEFORMAT='%U %S' times
    times=$({ time "$@" >/dev/null 2>&1; } 2>&1)
    echo "${times% *} + ${times#* }" | bc -l
}

# CPU time of the calculator's program over python3's, both with 20N iterations.
cpu_ratio() {
    local count=$((20 * n)) ours=0 theirs=0 k
    for ((k = 0; k < pairs; ++k)); do
        ours=$(echo "$ours + $(cpu_seconds "$cli" run -e "${1//N/$count}")" | bc -l)
        theirs=$(echo "$theirs + $(cpu_seconds /usr/bin/python3 -c "${2//N/$count}")" | bc -l)
    done
    printf '%.2f' "$(echo "$ours / $theirs" | bc -l)"
}

# The long-double sine alone, per call, over the same arguments as the sin(k) row.
sine_itself() {
    printf '%s\n' '#include <math.h>' '#include <stdio.h>' '#include <stdlib.h>' \
        'int main(int argc, char** argv) {' '    long n = atol(argv[1]); long double s = 0;' \
        '    for (long k = 1; k <= n; ++k) s += sinl((long double)k);' '    printf("%Lg\n", s); return 0; }' \
        >"$work/sine.c"
    gcc -O2 -o "$work/sine" "$work/sine.c" -lm
    : >"$work/input"
    local small large
    small=$(instructions "$work/sine" "$n")
    large=$(instructions "$work/sine" "$((2 * n))")
    echo $(((large - small) / n))
}

# Peak heap bytes (with the allocator's overhead) of a program.
peak_heap() {
    runs_clean "$1"
    valgrind --tool=massif --massif-out-file="$work/massif.out" "$cli" run -e "$1" >/dev/null 2>&1 </dev/null
    awk -F= '/^mem_heap_B/ {b = $2} /^mem_heap_extra_B/ {if (b + $2 > peak) peak = b + $2} END {print peak}' \
        "$work/massif.out"
}

line() { printf '%-58s %8s  %-26s %s\n' "$@"; }
met() { awk -v value="$1" -v goal="$2" 'BEGIN {print value <= goal ? "yes" : "no"}'; }

line "work" "now" "goal" "met"
# goal in instructions|goal of the CPU time against python3|program|python3 doing the same
rows=(
    "100|0.5|s:=0; for i:=1 to N do s:=s+i; s|s=0
for i in range(1, N+1): s+=i
print(s)"
    "250||int(x^2, x=0..1, 1/N)|h=1/N; s=0.0
for k in range(N+1):
    x=k*h; s+=x**2
print(s*h)"
    "300||sum(1/n^2, n=1..N)|s=0.0
for n in range(1, N+1): s+=1/n**2
print(s)"
    "250||a[5000]:=1; s:=0; for k:=1 to N do s:=s+a[mod(k,5000)+1]; s|a=[0.0]*5000; a[4999]=1; s=0.0
for k in range(1, N+1): s+=a[k%5000]
print(s)"
    "250||f(x):=x*x+1; s:=0; for k:=1 to N do s:=s+f(k); s|"
    "700||s:=0; for i:=1 to N do s:=s+1/i; s|"
    "-||i:=0; while i<N do i:=i+1; i|"
)
for row in "${rows[@]}"; do
    IFS='|' read -r goal cpu_goal program _ <<<"$row"
    python=${row#*|*|*|}
    figure=$(per_iteration "$program")
    if [ "$goal" = - ]; then
        line "$program" "$figure" "-" "-"
    else
        line "$program" "$figure" "≤ $goal" "$(met "$figure" "$goal")"
    fi
    [ -n "$python" ] || continue
    ratio=$(cpu_ratio "$program" "$python")
    if [ -n "$cpu_goal" ]; then
        line "  CPU time ÷ python3's" "$ratio" "≤ $cpu_goal" "$(met "$ratio" "$cpu_goal")"
    else
        line "  CPU time ÷ python3's" "$ratio" "" ""
    fi
done

sine=$(sine_itself)
figure=$(per_iteration "s:=0; for k:=1 to N do s:=s+sin(k); s")
line "s:=0; for k:=1 to N do s:=s+sin(k); s" "$figure" "≤ sinl + 150 = $((sine + 150))" "$(met "$figure" $((sine + 150)))"
line "  sinl(k) of the C library itself, N < k ≤ 2N" "$sine" "" ""

# An array holds at most 5,000 elements; massif counts bytes exactly.
small=$(peak_heap "a[2500]:=0; for k:=1 to 2500 do a[k]:=k")
large=$(peak_heap "a[5000]:=0; for k:=1 to 5000 do a[k]:=k")
figure=$(((large - small) / 2500))
line "bytes per array element: a[N]:=0; for k:=1 to N do a[k]:=k" "$figure" "≤ 40" "$(met "$figure" 40)"

echo "1+1" >"$work/input"
ours=$(instructions "$cli" run -e "1+1")
theirs=$(instructions bc -q)
ratio=$(printf '%.2f' "$(echo "$ours / $theirs" | bc -l)")
line "zoltcalc-cli run -e 1+1 start-up ($ours Ir) ÷ bc's ($theirs)" "$ratio" "≤ 1.0" "$(met "$ratio" 1.0)"
