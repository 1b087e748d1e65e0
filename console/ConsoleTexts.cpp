#include "ConsoleTexts.h"

namespace brivel::console {

std::string Banner() {
    return "Brivel Com-to-Java Output/Error Console Window\n"
           "\n"
           "Shows what Java code called from COM clients writes to System.out and System.err.\n" +
           std::string(38, '-') + "\n\n";
}

}  // namespace brivel::console
