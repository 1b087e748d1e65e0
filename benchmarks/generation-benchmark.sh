#!/bin/sh
# Wall time and peak memory of the generator driver under Wine on the
# largest type library at hand (Wine's mshtml.tlb) and a mid-sized one
# (msxml3.dll), against the floor of starting the driver (its usage text)
# in the same Wine. One warm-up run each, then the median of several.
# Prints BENCH lines: seconds, and the peak resident set in MiB.
# The driver runs as a copy without its debug sections: depending on the
# image's layout, Wine may read a whole image into memory when it loads it,
# and the build's 10 MB of debug information then counts as the generator's
# memory (the driver of one build took 25 MiB at its peak, that of the next
# 32 MiB, both 23.5 MiB stripped).
#   generation-benchmark.sh <wine-run> <driver> <scratch folder> <strip tool> [runs]
set -eu
wine_run=$1 scratch=$3 strip=$4 runs=${5:-${BRIVEL_BENCH_GENERATION_RUNS:-3}}
mkdir -p "$scratch"
driver=$scratch/$(basename "$2")
"$strip" -o "$driver" "$2"

# Runs the command `runs` times after a warm-up, each time after `prepare`
# (not timed); prints "<median seconds> <median peak KiB>".
#   measure <prepare> <command> [args...]
measure() {
  prepare=$1
  shift
  $prepare
  "$@" >/dev/null 2>&1 </dev/null || true
  i=0
  : >"$scratch/times"
  while [ "$i" -lt "$runs" ]; do
    $prepare
    # time's file ends with its figures (a failed command's status line comes first).
    /usr/bin/time -f '%e %M' -o "$scratch/time" "$@" >"$scratch/run.log" 2>&1 </dev/null || true
    tail -n 1 "$scratch/time" >>"$scratch/times"
    i=$((i + 1))
  done
  middle=$(( (runs + 1) / 2 ))
  seconds=$(cut -d' ' -f1 "$scratch/times" | sort -n | sed -n "${middle}p")
  peak=$(cut -d' ' -f2 "$scratch/times" | sort -n | sed -n "${middle}p")
  echo "$seconds $peak"
}

# An empty output folder for the next run.
fresh_output() {
  rm -rf "$scratch/out" && mkdir -p "$scratch/out"
}
nothing() { :; }

set -- $(measure nothing "$wine_run" "$driver")
floor=$1
for library in mshtml.tlb msxml3.dll; do
  key=${library%.*}
  generate="$wine_run $driver C:\\windows\\system32\\$library $scratch/out bench C:\\lib\\JBench.dll"
  fresh_output
  $generate >"$scratch/check.log" 2>&1 </dev/null ||
    { cat "$scratch/check.log" >&2; echo "generation of $library failed" >&2; exit 1; }
  set -- $(measure fresh_output $generate)
  echo "BENCH generation.$key $1 $floor s"
  echo "BENCH generation.${key}_peak $(( $2 / 1024 )) - MiB"
done
