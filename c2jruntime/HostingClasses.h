// The two small Java classes that component hosting defines at first use,
// written as class files (version 46.0) in memory.
#pragma once

#include <cstdint>
#include <vector>

namespace brivel::c2j {

// Adds a component to a content pane on the event thread.
constexpr const char* kBuilderClassName = "brivel/c2j/internal/Builder";
std::vector<uint8_t> BuilderClassFile();

// Makes and shows the hosting JWindow on the event thread.
constexpr const char* kWindowMakerClassName = "brivel/c2j/internal/WindowMaker";
std::vector<uint8_t> WindowMakerClassFile();

}  // namespace brivel::c2j
