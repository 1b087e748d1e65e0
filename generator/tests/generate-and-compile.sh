#!/bin/sh
# Runs the generator driver on one type library and compiles the Java it
# wrote against the product's stand-in jars.
# BRIVEL_CALLBACKS names callback interfaces for the job; BRIVEL_OPTIONS
# holds driver options (such as --remote-access). The remote-client copies
# (brvRemoteClient folder) are compiled apart from the main classes, since
# they are the same classes.
# The Java must be plain ASCII (javac reads it as US-ASCII): generated
# sources compile whatever encoding a JDK assumes. With a C++ compile command
# (and its arguments) after the class path, the JNI file is compiled too.
#   generate-and-compile.sh <wine-run> <driver> <type library> <output folder> <package> <javac> <class path> [c++ ...]
set -eu
wine_run=$1 driver=$2 library=$3 out=$4 package=$5 javac=$6 jar=$7
shift 7
rm -rf "$out"
mkdir -p "$out"
# The driver's output goes to a file: a COM server that the job starts (the
# control test creates objects) may outlive it, and must not hold the test's
# output open.
status=0
"$wine_run" "$driver" ${BRIVEL_OPTIONS:-} "$library" "$out" "$package" 'C:\lib\JLib.dll' ${BRIVEL_CALLBACKS:-} >"$out/driver.log" 2>&1 </dev/null || status=$?
cat "$out/driver.log"
test "$status" -eq 0
mkdir -p "$out/classes"
find "$out" -path "$out/brvRemoteClient" -prune -o -name '*.java' -print > "$out/sources.txt"
test -s "$out/sources.txt"
"$javac" -nowarn -encoding US-ASCII -cp "$jar" -d "$out/classes" "@$out/sources.txt"
echo "compiled $(wc -l < "$out/sources.txt") Java files"
if [ -d "$out/brvRemoteClient" ]; then
  mkdir -p "$out/remote-classes"
  find "$out/brvRemoteClient" -name '*.java' > "$out/remote-sources.txt"
  test -s "$out/remote-sources.txt"
  "$javac" -nowarn -encoding US-ASCII -cp "$jar" -d "$out/remote-classes" "@$out/remote-sources.txt"
  echo "compiled $(wc -l < "$out/remote-sources.txt") remote-client Java files"
fi
# The C++ is checked as the compiler reads it (-fsyntax-only: every
# declaration, type and call checked, no object code made; nothing links or
# loads the object, and the code generation took five sixths of the time).
if [ $# -gt 0 ]; then
  "$@" -fsyntax-only "$out/JLib.cpp"
  echo "JLib.cpp compiles"
fi
