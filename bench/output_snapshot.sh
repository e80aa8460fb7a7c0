#!/bin/sh
# Writes the outputs of a rillo-cli on a fixed set of varied cases, so that two
# builds can be compared byte for byte (diff -r old new):
#   bench/output_snapshot.sh build/cli/rillo-cli /tmp/snap-before
# profiles.csv (2,400 profiles: the four shapes, both unit systems, mild,
# steep and adverse slopes, with and without a control depth) goes through
# `rillo-cli batch` with --tables, so every profile file is kept as well; the
# critical, manning (each unknown) and jump subcommands run on the same sizes.
set -eu
cli=$1
out=$2
mkdir -p "$out/tables"
awk 'BEGIN {
    print "shape,units,start,end,flow,width,n,slope,side,control,name"
    split("trapezoidal circular u-shaped elongated", shape, " ")
    split("10 6 6 6", width, " ")
    split("2 - - 2", side, " ")
    split("0.0004 0.002 0.012 0.05 -0.001 -0.01", slope, " ")
    split("english si", units, " ")
    k = 0
    for (s = 1; s <= 4; s++) for (u = 1; u <= 2; u++) for (j = 1; j <= 6; j++)
    for (f = 0; f < 50; f++) {
        flow = 2 + f * f * 3.7
        control = f % 2 == 0 ? "" : sprintf("%.3f", 0.3 + f * 0.17)
        w = width[s] * (u == 2 ? 0.3 : 1) * (1 + (f % 3) * 0.25)
        printf "%s,%s,0+00.000,%s,%.2f,%.3f,0.013,%s,%s,%s,case%d\n", shape[s], units[u],
            f % 4 == 0 ? "2+50.000" : "10+00.000", flow, w, slope[j], side[s] == "-" ? "" : side[s] * (1 + f % 2), control, k++
    }
}' > "$out/profiles.csv"
"$cli" batch "$out/profiles.csv" --jobs 1 --output "$out/batch.csv" --tables "$out/tables" > "$out/batch.stdout" 2> "$out/batch.stderr" || echo "batch exit $?" >> "$out/batch.stderr"

# One line of arguments per calculator case; each writes its output and exit code.
awk 'BEGIN {
    split("trapezoidal circular u-shaped elongated", shape, " ")
    split("english si", units, " ")
    for (s = 1; s <= 4; s++) for (u = 1; u <= 2; u++) for (f = 0; f < 20; f++) {
        q = 0.5 + f * f * 4.1
        w = (s == 1 ? 8 : 4) * (u == 2 ? 0.3 : 1) * (1 + (f % 3) * 0.4)
        m = (s == 1 || s == 4) ? sprintf(" --side %.2f", (f % 4) * 0.75) : ""
        c = " --shape " shape[s] " --units " units[u] m
        printf "critical%s --flow %.2f --width %.3f --n 0.0%d\n", c, q, w, 11 + f % 5
        printf "manning --solve depth%s --flow %.2f --width %.3f --n 0.013 --slope 0.00%d\n", c, q, w, 1 + f % 9
        printf "manning --solve flow%s --depth %.3f --width %.3f --n 0.013 --slope 0.00%d\n", c, 0.2 + f * 0.15, w, 1 + f % 9
        printf "manning --solve slope%s --flow %.2f --depth %.3f --width %.3f --n 0.013\n", c, q, 0.2 + f * 0.15, w
        printf "manning --solve roughness%s --flow %.2f --depth %.3f --width %.3f --slope 0.002\n", c, q, 0.2 + f * 0.15, w
        printf "jump%s --flow %.2f --width %.3f --depth %.3f\n", c, q, w, 0.05 + f * 0.04
        printf "jump%s --flow %.2f --width %.3f --depth %.3f --format tsv\n", c, q, w, 0.1 + f * 0.02
    }
}' > "$out/calculators.args"
n=0
while read -r args; do
    n=$((n + 1))
    # shellcheck disable=SC2086
    { echo "== $args"; "$cli" $args 2>&1; echo "exit $?"; } >> "$out/calculators.txt" || true
done < "$out/calculators.args"
echo "$(($(wc -l < "$out/profiles.csv") - 1)) profiles, $n calculator runs" > "$out/count"
