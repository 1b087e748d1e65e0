"""Writes MatrixCounts.h: how many cells of each path the table has for a
build (all but those the generator refuses), straight from the table, for
the test cases to compare with the cells their programs ran."""

from . import forms as F
from . import table as T


def write(out, build):
    found = T.counts(build)
    w = out.write
    w("// The shape matrix's cells per path on the %s build, written by write-matrix\n" % build)
    w("// from its table: do not edit.\n#pragma once\n\n#include <cstring>\n\n")
    w("namespace matrixcounts {\n\nstruct PathCount {\n    const char* path;\n    int cells;\n};\n\n")
    w("const PathCount kPaths[] = {\n")
    for path in F.PATHS:
        w("    {\"%s\", %d},\n" % (path.name, found.get(path.name, 0)))
    w("};\n\n")
    w("// The table's cells of the path that run (0 for a path it does not know).\n")
    w("inline int CellsOf(const char* path) {\n")
    w("    for (const PathCount& p : kPaths)\n        if (std::strcmp(p.path, path) == 0) return p.cells;\n")
    w("    return 0;\n}\n\n}  // namespace matrixcounts\n")
