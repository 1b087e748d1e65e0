// Fuzz entry of the property setters: what a hostile page can do through
// the control's properties. Each step is a selector byte (the property) and
// a text of any length; every step must store exactly the texts within the
// property's bound, keep the earlier value otherwise, and leave a request
// that frames and a library name that stays inside the chosen folder.
#include "PropertyModel.h"

using namespace brivel::uploadctl;
using namespace brivel::uploadctl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputReader input(data, size);
    PropertyModel model;
    while (!input.AtEnd()) {
        UploaderProperty property = PropertyFromByte(input.Byte());
        model.Set(property, input.Text());
    }
    return 0;
}
