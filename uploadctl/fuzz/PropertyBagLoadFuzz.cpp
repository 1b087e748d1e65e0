// Fuzz entry of the property-bag load: what a page's saved parameters can
// do, through the control's own load and a bag that reads as the platform's
// do. Each step is a presence mask (one bit per property) and, for each
// property present in dispatch order, a kind byte and a text: a string (in
// the kind's text form), a number (the text's first four bytes), an empty
// value or a null one. A load stores every text within its bound, refuses
// each one beyond it alone, and leaves what is no text. Puts run between
// the loads where a mask is 0 (a selector byte and a text follow, as in the
// setters' entry).
#include "PropertyModel.h"

using namespace brivel::uploadctl;
using namespace brivel::uploadctl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputReader input(data, size);
    PropertyModel model;
    while (!input.AtEnd()) {
        uint8_t mask = input.Byte();
        if (mask == 0) {
            uint8_t selector = input.Byte();
            model.Put(PropertyFromByte(selector), input.Text(), TextFormFromByte(selector / kPropertyCount));
            continue;
        }
        bool present[kPropertyCount] = {};
        PropertyModel::BagValue values[kPropertyCount];
        for (int i = 0; i < kPropertyCount; ++i) {
            present[i] = (mask >> i) & 1;
            if (!present[i]) continue;
            uint8_t kind = input.Byte();
            values[i].kind = static_cast<PropertyModel::BagValue::Kind>(kind % 4);
            values[i].form = TextFormFromByte(kind / 4);
            values[i].bytes = input.Text();
        }
        model.Load(present, values);
    }
    return 0;
}
