#!/bin/sh
# Instructions per profile of the three profile benchmarks, counted by
# callgrind: a count does not move with the load of a shared machine, as
# wall-clock times do. Each benchmark's whole loop body is counted (the
# profile and freeing its result) and divided by the number of profiles:
#   bench/instruction_counts.sh build-bench/bench/rillo_bench
set -eu
bench=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for name in BM_TrapezoidProfile BM_CircularProfile BM_ElongatedProfile; do
    valgrind --tool=callgrind --callgrind-out-file="$dir/out" "$bench" --benchmark_filter="^$name\$" \
        --benchmark_min_time=0.05 > "$dir/log" 2>&1
    callgrind_annotate --inclusive=yes --tree=caller "$dir/out" > "$dir/tree" 2> /dev/null
    # "N  *  ...BM_Name(...)": the loop's inclusive count; "< ...ComputeProfileFor(...) (Kx)"
    # above the profile function's own line: how many profiles it ran.
    total=$(grep "\*  .*::$name(" "$dir/tree" | head -1 | awk '{gsub(",", "", $1); print $1}')
    calls=$(grep -A1 "< .*rillo::ComputeProfileFor(.*x)" "$dir/tree" | grep -B1 "\*  .*rillo::ComputeProfile(" |
        sed -n 's/.*(\([0-9,]*\)x).*/\1/p' | head -1 | tr -d ,)
    echo "$name $((total / calls)) instructions per profile ($calls profiles)"
done
