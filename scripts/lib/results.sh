# Running a build's tests and counting what they did. Sourced by scripts/test.

# Prints how many tests the build has registered with CTest.
registered_tests() {  # <preset> [ctest argument...]
  ctest --preset "$@" -N 2>/dev/null | sed -n 's/^Total Tests: *\([0-9]*\)$/\1/p'
}

# Runs the preset's tests (further arguments go to ctest), shows what failed,
# and ends with the line "<preset>: N passed, M failed[, K skipped]"; writes
# "N M K" to build/<preset>/test-counts. Fails when any test failed.
#
# Every registered test is counted once. From the JUnit file CTest writes: a
# test that ran is passed or failed; one that skipped itself (its output
# matched the skip pattern, or it ended with the skip status) or that the
# build disabled is skipped; one that did not run for another reason (its
# program or a required file is missing, a fixture it needs failed) is
# failed. A CTest run that fails without naming a failed test (ctest's own
# status) counts as one failure, and so does a run without any test;
# registered tests that are not in the file count as failed.
run_tests() {  # <preset> [ctest argument...]
  local preset=$1
  shift
  local junit=$root/build/$preset/ctest-results.xml counts=$root/build/$preset/test-counts
  rm -f "$junit" "$counts"
  local total status
  total=$(registered_tests "$preset" "$@")
  # Half again as many tests at once as there are processors: most tests
  # spend their time waiting for windows, processes and sockets.
  ctest --preset "$preset" --output-junit "$junit" --parallel "$(($(nproc) * 3 / 2))" "$@" |
    grep -v -E '^ *Start +[0-9]+:|^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
  status=${PIPESTATUS[0]}
  local p=0 f=0 s=0
  if [[ -f $junit ]]; then
    local tally
    tally=$(python3 - "$junit" <<'PY'
import sys
import xml.etree.ElementTree as ET

skip_reasons = ("SKIP_REGULAR_EXPRESSION_MATCHED", "SKIP_RETURN_CODE")
passed = failed = skipped = 0
for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
    status = case.get("status")
    if status == "run":
        passed += 1
    elif status == "disabled":
        skipped += 1
    elif status == "notrun":
        mark = case.find("skipped")
        why = mark.get("message", "") if mark is not None else ""
        if why.startswith(skip_reasons):
            skipped += 1
        else:
            failed += 1
            print("did not run, counted as failed: %s (%s)" % (case.get("name"), why or "no reason given"),
                  file=sys.stderr)
    else:
        failed += 1
print(passed, failed, skipped)
PY
) || tally=""
    read -r p f s <<<"$tally"
    p=${p:-0} f=${f:-0} s=${s:-0}
  else
    echo "$preset: CTest wrote no results (status $status)"
  fi
  local counted=$((p + f + s))
  if [[ -n $total ]] && ((counted < total)); then
    echo "$preset: $((total - counted)) of the $total registered tests have no result; counted as failed"
    f=$((f + total - counted))
  fi
  if ((counted == 0 && f == 0)); then
    echo "$preset: no test ran; counted as one failure"
    f=1
  fi
  if ((status != 0 && f == 0)); then
    echo "$preset: ctest failed (status $status) although no test failed; counted as one failure"
    f=1
  fi
  local line="$preset: $p passed, $f failed"
  ((s)) && line+=", $s skipped"
  echo "$line"
  echo "$p $f $s" >"$counts"
  ((f == 0))
}
