// Fuzz entry of the property setters: what a hostile page can do through
// the control's properties. Each step is a selector byte (the property, and
// above the eight the form of the text: code-page bytes, UTF-16 units of
// any value, a null string) and a text of any length; every put goes
// through the control's own conversion, must store exactly the texts within
// the property's bound, keep the earlier value otherwise, and leave a
// request that frames and a library name that stays inside the chosen
// folder.
#include "PropertyModel.h"

using namespace brivel::uploadctl;
using namespace brivel::uploadctl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputReader input(data, size);
    PropertyModel model;
    while (!input.AtEnd()) {
        uint8_t selector = input.Byte();
        model.Put(PropertyFromByte(selector), input.Text(), TextFormFromByte(selector / kPropertyCount));
    }
    return 0;
}
