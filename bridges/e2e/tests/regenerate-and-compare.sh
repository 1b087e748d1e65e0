#!/bin/sh
# Regenerates the fixture's bridge with the generator driver under Wine and
# compares it with the checked-in one; only the generation time may differ.
#   regenerate-and-compare.sh <wine-run> <driver> <type library> <Wine C: folder> <checked-in folder>
set -eu
wine_run=$1 driver=$2 library=$3 drive_c=$4 expected=$5
rm -rf "$drive_c/brivel-e2e"
cp "$library" "$drive_c/E2e.tlb"
"$wine_run" "$driver" 'C:\E2e.tlb' 'C:\brivel-e2e' e2e.ledger 'C:\lib\JE2e.dll'
diff -r -I 'Generated: ' "$expected" "$drive_c/brivel-e2e"
echo "regenerated bridge matches"
