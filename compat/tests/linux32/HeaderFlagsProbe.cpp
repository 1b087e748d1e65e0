// Compiled by the header tests with one of the build's ABI flags left out:
// the platform headers must refuse it.
#include <windows.h>

int main() { return 0; }
