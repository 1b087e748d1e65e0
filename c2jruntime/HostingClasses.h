// The two small Java classes that component hosting defines at first use.
#pragma once

namespace brivel::c2j {

// Adds a component to a content pane on the event thread.
constexpr const char* kBuilderClassName = "brivel/c2j/internal/Builder";
extern const unsigned char kBuilderClass[];
extern const unsigned int kBuilderClassSize;

// Makes and shows the hosting JWindow on the event thread.
constexpr const char* kWindowMakerClassName = "brivel/c2j/internal/WindowMaker";
extern const unsigned char kWindowMakerClass[];
extern const unsigned int kWindowMakerClassSize;

}  // namespace brivel::c2j
