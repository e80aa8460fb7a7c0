#!/bin/sh
# Writes the 10,000-case design study that times `rillo-cli batch`: the four
# shapes in turn at flows from 10 to 1,000 ft^3/s and slopes from 0.0005 to
# 0.01 (trapezoid b = 10 ft, z = 2; circular and U-shaped D = 6 ft;
# elongated D = 6 ft, h = 2 ft; n = 0.013; a 1,000 ft reach).
#   bench/batch_study.sh > study.csv
#   /usr/bin/time -v build/cli/rillo-cli batch study.csv --output results.csv
awk 'BEGIN {
    print "shape,units,start,end,flow,width,n,slope,side,control,name"
    split("trapezoidal circular u-shaped elongated", shape, " ")
    split("10 6 6 6", width, " ")
    split("2 - - 2", side, " ")
    for (k = 0; k < 10000; k++) {
        s = k % 4 + 1
        flow = 10 + int(k / 4) % 100 * 10
        slope = 0.0005 + int(k / 400) % 20 * 0.0005
        printf "%s,english,0+00.000,10+00.000,%d,%s,0.013,%.4f,%s,,\n", shape[s], flow, width[s], slope, side[s] == "-" ? "" : side[s]
    }
}'
