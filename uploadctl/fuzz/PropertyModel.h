// Shared by the property fuzz entries: a model of what the control's
// properties must hold after each step, the checks every step must pass,
// and a reader of the texts the fuzz input carries.
//
// A text in the input is: a repeat count r (one byte), a length n (two
// bytes, little-endian, cut to what is left) and n bytes; the text is those
// bytes r + 1 times, so short inputs reach every property's bound, but it
// ends with the repeat that passes kLongestText.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ByteOrder.h"
#include "FuzzCheck.h"
#include "ComFileRequest.h"
#include "SaveLocation.h"
#include "UploaderProperties.h"

namespace brivel::uploadctl::fuzz {

// A little beyond the longest bound (the ActiveX list's, under 64 KiB):
// longer texts test nothing more, and texts of megabytes filled the memory
// of the 32-bit fuzzing process within minutes.
constexpr size_t kLongestText = 0x10000 + 16;
static_assert(kLongestText > kMaxActiveXListLength && kLongestText > kMaxInitialTextLength, "beyond every bound");

class InputReader {
public:
    InputReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool AtEnd() const { return pos_ >= size_; }
    uint8_t Byte() { return AtEnd() ? 0 : data_[pos_++]; }
    std::string Text() {
        size_t repeat = size_t{Byte()} + 1;
        size_t length = Byte();
        length |= size_t{Byte()} << 8;
        if (length > size_ - pos_) length = size_ - pos_;
        std::string once(reinterpret_cast<const char*>(data_ + pos_), length);
        pos_ += length;
        std::string text;
        for (size_t i = 0; i < repeat && text.size() <= kLongestText; ++i) text += once;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

inline UploaderProperty PropertyFromByte(uint8_t byte) { return static_cast<UploaderProperty>(byte % kPropertyCount + 1); }

// Reads the request's three texts back from its header.
inline void CheckRequestHeader(const CUploaderProperties& properties) {
    ComFileRequest request = RequestFromProperties(properties, 3);
    std::string header;
    FUZZ_CHECK(BuildComFileRequestHeader(request, header));  // bounded properties always fit
    size_t pos = 0;
    std::string texts[3];
    for (std::string& text : texts) {
        FUZZ_CHECK(header.size() >= pos + 2);
        size_t length = brivel::GetUInt16LE(header.data() + pos);
        FUZZ_CHECK(header.size() >= pos + 2 + length);
        text = header.substr(pos + 2, length);
        pos += 2 + length;
    }
    FUZZ_CHECK(header.size() == pos + 8);
    FUZZ_CHECK(texts[0] == LibraryField(request) && texts[1] == properties.Get(UploaderProperty::PackageName) &&
          texts[2] == properties.Get(UploaderProperty::ComFileName));
    FUZZ_CHECK(brivel::GetUInt32LE(header.data() + pos + 4) == 3);
}

// The library name never leads out of the chosen folder.
inline void CheckSavePath(const std::string& libraryName) {
    const std::string folder = "C:\\chosen";
    std::string path;
    if (!DllPathInFolder(folder, libraryName, path)) return;
    FUZZ_CHECK(path == folder + "\\" + libraryName + ".dll");
    FUZZ_CHECK(libraryName.find_first_of(std::string("\\/:\0", 4)) == std::string::npos);
    FUZZ_CHECK(libraryName != "." && libraryName != "..");
}

class PropertyModel {
public:
    PropertyModel() : properties_("build.example.test") {
        for (int i = 0; i < kPropertyCount; ++i) expected_[i] = properties_.Get(AllProperties()[i].id);
    }

    CUploaderProperties& Properties() { return properties_; }

    void Set(UploaderProperty property, const std::string& text) {
        const bool fits = text.size() <= InfoOf(property).maxLength;
        FUZZ_CHECK(properties_.Set(property, text) == fits);
        if (fits) expected_[Index(property)] = text;
        CheckAll();
    }

    // Values for some properties (present[i]); all stored or none.
    void Load(const bool (&present)[kPropertyCount], const std::string (&values)[kPropertyCount]) {
        bool fits = true;
        for (int i = 0; i < kPropertyCount; ++i)
            if (present[i] && values[i].size() > AllProperties()[i].maxLength) fits = false;
        UploaderProperty refused = UploaderProperty::PackageName;
        bool loaded = properties_.LoadFromBag(
            [&](const PropertyInfo& info, std::string& value) {
                int i = Index(info.id);
                if (!present[i]) return false;
                value = values[i];
                return true;
            },
            &refused);
        FUZZ_CHECK(loaded == fits);
        if (loaded) {
            for (int i = 0; i < kPropertyCount; ++i)
                if (present[i]) expected_[i] = values[i];
        } else {
            int r = Index(refused);
            FUZZ_CHECK(present[r] && values[r].size() > AllProperties()[r].maxLength);
        }
        CheckAll();
    }

    void CheckAll() const {
        for (int i = 0; i < kPropertyCount; ++i) FUZZ_CHECK(properties_.Get(AllProperties()[i].id) == expected_[i]);
        const std::string& list = expected_[Index(UploaderProperty::ActiveXList)];
        FUZZ_CHECK(properties_.ActiveXPart() == (list.empty() ? std::string() : ";activex=" + list));
        const std::string& prefer = expected_[Index(UploaderProperty::PreferVirtual)];
        FUZZ_CHECK(properties_.PreferVirtual() == (!prefer.empty() && prefer[0] == '1'));
        CheckRequestHeader(properties_);
        CheckSavePath(properties_.Get(UploaderProperty::LibraryName));
    }

private:
    static int Index(UploaderProperty property) { return static_cast<int>(property) - 1; }

    CUploaderProperties properties_;
    std::string expected_[kPropertyCount];
};

}  // namespace brivel::uploadctl::fuzz
