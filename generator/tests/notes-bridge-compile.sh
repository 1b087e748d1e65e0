#!/bin/sh
# The bridge of a library that references MSXML, compiled as a user builds
# it: against MSXML's classes as the kit pre-generates them (package
# brivel.msxml, JNI library brivelMsXmlLib), since its own classes stand in
# for MSXML's types. The test case of generator_tests writes the library and
# its bridge into the folder given; the driver writes MSXML's bridge from
# Wine's msxml.dll. Both sides' Java must be plain ASCII.
#   notes-bridge-compile.sh <wine-run> <generator_tests> <driver> <folder> <javac> <class path> <c++ ...>
set -eu
wine_run=$1 tests=$2 driver=$3 out=$4 javac=$5 jar=$6
shift 6
rm -rf "$out"
mkdir -p "$out"
windows_out="Z:$(printf '%s' "$out" | tr / '\\')"
# Output goes to files: COM servers started by a job may outlive it.
status=0
BRIVEL_NOTES_BRIDGE="$windows_out\\notes" "$wine_run" "$tests" \
  --gtest_filter=NotesBridge.KnownLibraryTypesMapOntoThePreGeneratedClasses >"$out/tests.log" 2>&1 </dev/null || status=$?
cat "$out/tests.log"
test "$status" -eq 0
"$wine_run" "$driver" 'C:\windows\system32\msxml.dll' "$windows_out\\msxml" brivel.msxml 'C:\lib\brivelMsXmlLib.dll' \
  >"$out/driver.log" 2>&1 </dev/null || status=$?
cat "$out/driver.log"
test "$status" -eq 0
find "$out/msxml" -name '*.java' >"$out/msxml-sources.txt"
find "$out/notes" -name '*.java' >"$out/notes-sources.txt"
"$javac" -nowarn -encoding US-ASCII -cp "$jar" -d "$out/msxml-classes" "@$out/msxml-sources.txt"
"$javac" -nowarn -encoding US-ASCII -cp "$jar:$out/msxml-classes" -d "$out/notes-classes" "@$out/notes-sources.txt"
echo "compiled $(wc -l <"$out/notes-sources.txt") Java files against $(wc -l <"$out/msxml-sources.txt") of MSXML"
# Checked as the compiler reads it: every declaration, type and call, no
# object code (nothing links or loads it).
"$@" -fsyntax-only "$out/notes/JNotes.cpp"
echo "compiled JNotes.cpp"
