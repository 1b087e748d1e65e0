// The console class that the runtime defines after creating the VM.
#pragma once

namespace brivel::c2j {

constexpr const char* kConsoleClassName = "kestravo/brv/c2j/console/C2jConsole";
extern const unsigned char kConsoleClass[];
extern const unsigned int kConsoleClassSize;

}  // namespace brivel::c2j
