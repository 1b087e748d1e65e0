// The class file of a listener class: a public final class that implements
// one listener interface, keeps its native sink in the int field
// brivelTavoObject and declares every method of the interface public native.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brivel::c2j {

// One method of the listener's descriptor: name and JNI signature, as the
// class file holds them (modified UTF-8). Methods named "<init>" are taken
// for the constructor, which the class always has, and are not declared.
struct EventMethod {
    std::string name;
    std::string signature;
};

// Writes the class file of `className` (slash form) implementing
// `interfaceName`. The constant pool holds the fixed entries #1 to #4, then
// one Utf8 entry per distinct text, numbered in the reverse order of their
// first use, then the constructor's name-and-type. False, with `bytes`
// empty, when a text or a count does not fit a class file, or a method name
// is not one a class file may declare.
bool WriteEventClassFile(const std::string& className, const std::string& interfaceName,
                         const std::vector<EventMethod>& methods, std::vector<uint8_t>& bytes);

}  // namespace brivel::c2j
