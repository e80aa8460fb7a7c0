#!/bin/sh
# Writes the design study that times `rillo-cli batch`: the four shapes in
# turn at flows from 10 to 1,000 ft^3/s and slopes from 0.0005 to 0.01
# (trapezoid b = 10 ft, z = 2; circular and U-shaped D = 6 ft; elongated
# D = 6 ft, h = 2 ft; n = 0.013; a 1,000 ft reach), 10,000 cases or as many
# as the first argument says:
#   bench/batch_study.sh > study.csv
#   /usr/bin/time -v build/cli/rillo-cli batch study.csv --output results.csv
#
# With "measure" first, times the 10,000-case study and the 1,000,000-case
# study (or the sizes given) one after the other with /usr/bin/time -v and
# prints, for each, the wall time, the time per case and the peak memory:
#   bench/batch_study.sh measure build/cli/rillo-cli [SMALL LARGE]
if [ "${1:-}" = measure ]; then
    cli=$2 small=${3:-10000} large=${4:-1000000}
    work=$(mktemp -d "${TMPDIR:-/tmp}/batch-study.XXXXXX") || exit 1
    trap 'rm -rf "$work"' EXIT
    echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
    for cases in "$small" "$large"; do
        "$0" "$cases" > "$work/study.csv"
        # Exit status 1: some case failed, which the study's steep pipes do.
        /usr/bin/time -v "$cli" batch "$work/study.csv" --output "$work/results.csv" 2> "$work/time.txt"
        [ $? -le 1 ] || { cat "$work/time.txt"; exit 1; }
        awk -v cases="$cases" '
            /Elapsed \(wall clock\)/ { n = split($NF, t, ":"); wall = 0; for (i = 1; i <= n; i++) wall = wall * 60 + t[i] }
            /User time/ { user = $NF } /System time/ { sys = $NF }
            /Maximum resident set size/ { rss = $NF }
            END { printf "%d cases: %.2f s wall, %.2f s user, %.2f s system, %.2f us wall per case, peak %.1f MB\n",
                         cases, wall, user, sys, wall / cases * 1e6, rss / 1024 }' "$work/time.txt"
    done
    echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
    exit 0
fi
awk -v cases="${1:-10000}" 'BEGIN {
    print "shape,units,start,end,flow,width,n,slope,side,control,name"
    split("trapezoidal circular u-shaped elongated", shape, " ")
    split("10 6 6 6", width, " ")
    split("2 - - 2", side, " ")
    for (k = 0; k < cases; k++) {
        s = k % 4 + 1
        flow = 10 + int(k / 4) % 100 * 10
        slope = 0.0005 + int(k / 400) % 20 * 0.0005
        printf "%s,english,0+00.000,10+00.000,%d,%s,0.013,%.4f,%s,,\n", shape[s], flow, width[s], slope, side[s] == "-" ? "" : side[s]
    }
}'
