#!/bin/sh
# Regenerates the fixture's bridge with the generator driver under Wine and
# compares it with the checked-in one; only the generation time may differ.
#   regenerate-and-compare.sh <wine-run> <driver> <type library> <Wine C: folder> <checked-in folder>
set -eu
wine_run=$1 driver=$2 library=$3 drive_c=$4 expected=$5
rm -rf "$drive_c/brivel-e2e" "$drive_c/brvkit"
cp "$library" "$drive_c/E2e.tlb"
# The generated files name the kit's folder (the driver's own): run the driver
# from a fixed folder so that the output does not depend on the checkout.
mkdir -p "$drive_c/brvkit"
cp "$driver" "$drive_c/brvkit/brivel-generate.exe"
# The driver's output goes to a file: a Wine server started by this run
# outlives it and must not hold the test's output open.
log="$drive_c/brivel-e2e.log"
status=0
"$wine_run" 'C:\brvkit\brivel-generate.exe' 'C:\E2e.tlb' 'C:\brivel-e2e' e2e.ledger 'C:\lib\JE2e.dll' > "$log" 2>&1 < /dev/null || status=$?
cat "$log"
test "$status" -eq 0
diff -r -I 'Generated: ' "$expected" "$drive_c/brivel-e2e"
echo "regenerated bridge matches"
