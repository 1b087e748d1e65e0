// write-fragments values|arrays <file>: writes the fragment file of the date,
// currency, file-time and colour mappers or of the SAFEARRAY mapper. Exits
// non-zero when the file cannot be written or a fragment is wrong, so the
// compile step after it only runs on a complete file.
#include "FragmentFiles.h"

#include <cstdio>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3 || (strcmp(argv[1], "values") != 0 && strcmp(argv[1], "arrays") != 0)) {
        fprintf(stderr, "usage: write-fragments values|arrays <file>\n");
        return 2;
    }
    std::string problems;
    std::string text = strcmp(argv[1], "values") == 0 ? ValueFragmentsFile(problems) : ArrayFragmentsFile(problems);
    if (!problems.empty()) {
        fprintf(stderr, "%s", problems.c_str());
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    printf("wrote %s (%zu bytes)\n", argv[2], text.size());
    return 0;
}
