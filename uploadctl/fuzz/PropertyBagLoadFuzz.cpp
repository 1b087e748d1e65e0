// Fuzz entry of the property-bag load: what a page's saved parameters can
// do. Each step is a presence mask (one bit per property) and the texts of
// the properties present, in dispatch order; a load stores all of them or,
// when one is beyond its bound, none. Setters run between the loads when a
// mask's property byte asks for it (mask 0: one set of the next property).
#include "PropertyModel.h"

using namespace brivel::uploadctl;
using namespace brivel::uploadctl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    InputReader input(data, size);
    PropertyModel model;
    while (!input.AtEnd()) {
        uint8_t mask = input.Byte();
        if (mask == 0) {
            UploaderProperty property = PropertyFromByte(input.Byte());
            model.Set(property, input.Text());
            continue;
        }
        bool present[kPropertyCount] = {};
        std::string values[kPropertyCount];
        for (int i = 0; i < kPropertyCount; ++i) {
            present[i] = (mask >> i) & 1;
            if (present[i]) values[i] = input.Text();
        }
        model.Load(present, values);
    }
    return 0;
}
