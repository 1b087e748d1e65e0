// Shared by the property fuzz entries: a model of what the control's
// properties must hold after each step, the checks every step must pass,
// and a reader of the texts the fuzz input carries. The steps go through
// the control's own code (PropertyTexts.h): a put of a BSTR, and the load
// from a property bag that reads as the platform's bags do.
//
// A text in the input is: a repeat count r (one byte), a length n (two
// bytes, little-endian, cut to what is left) and n bytes; the text is those
// bytes r + 1 times, so short inputs reach every property's bound, but it
// ends with the repeat that passes kLongestText.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "ByteOrder.h"
#include "FuzzCheck.h"
#include "ComFileRequest.h"
#include "PropertyTexts.h"
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

// The forms a page's text takes on its way to the control.
enum class TextForm {
    CodePage,  // the bytes as text of the system code page
    Units,     // the bytes taken two at a time as UTF-16 code units, any of them
    Null,      // a null BSTR
};
inline TextForm TextFormFromByte(uint8_t byte) { return static_cast<TextForm>(byte % 3); }

// An owned BSTR.
class Bstr {
public:
    Bstr(const std::string& bytes, TextForm form) {
        std::vector<OLECHAR> units;
        if (form == TextForm::CodePage && !bytes.empty()) {
            units.resize(bytes.size());
            int count = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), units.data(),
                                            static_cast<int>(units.size()));
            FUZZ_CHECK(count == static_cast<int>(bytes.size()));  // one unit a byte in a single-byte code page
        } else if (form == TextForm::Units) {
            for (size_t i = 0; i + 1 < bytes.size(); i += 2)
                units.push_back(static_cast<OLECHAR>(static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8));
        }
        if (form != TextForm::Null) {
            text_ = SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
            FUZZ_CHECK(text_ != nullptr);
        }
    }
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Release() {
        BSTR text = text_;
        text_ = nullptr;
        return text;
    }
    BSTR Get() const { return text_; }
    size_t Units() const { return SysStringLen(text_); }
    // The whole text in the system code page, converted at once.
    std::string Ansi() const {
        int length = static_cast<int>(SysStringLen(text_));
        if (length == 0) return std::string();
        int size = WideCharToMultiByte(CP_ACP, 0, text_, length, nullptr, 0, nullptr, nullptr);
        FUZZ_CHECK(size > 0);  // '?' where the code page has no character
        std::string ansi(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, text_, length, &ansi[0], size, nullptr, nullptr);
        return ansi;
    }

private:
    BSTR text_ = nullptr;
};

// A property bag that reads as the platform's do: into the caller's
// VARIANT in the type it names, the copy clearing what it held first (a
// string pointer the caller never set is freed: the sanitizers tell).
class PlatformLikeBag {
public:
    ~PlatformLikeBag() { Clear(); }
    void Clear() {
        for (auto& entry : values_) VariantClear(&entry.second);
        values_.clear();
    }
    // Takes the value over.
    void Set(const char* name, const VARIANT& value) { values_[name] = value; }
    BagValueReader Reader() {
        return [this](LPCOLESTR name, VARIANT* value) {
            std::string ascii;
            while (*name) ascii += static_cast<char>(*name++);
            auto found = values_.find(ascii);
            if (found == values_.end()) return E_INVALIDARG;
            if (value->vt == VT_EMPTY) return VariantCopy(value, &found->second);
            return VariantChangeType(value, &found->second, 0, value->vt);
        };
    }

private:
    std::map<std::string, VARIANT> values_;
};

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

    // A put of the text in the form given.
    void Put(UploaderProperty property, const std::string& bytes, TextForm form) {
        Bstr text(bytes, form);
        const std::string ansi = text.Ansi();
        const bool fits = Fits(text, ansi, InfoOf(property).maxLength);
        FUZZ_CHECK(PutPropertyText(properties_, property, text.Get()) == fits);
        if (fits) expected_[Index(property)] = ansi;
        CheckAll();
    }

    // What a bag holds for one property.
    struct BagValue {
        enum Kind { kText, kNumber, kEmpty, kNull } kind = kText;
        std::string bytes;  // kText, in `form`; kNumber: its first four bytes, little-endian
        TextForm form = TextForm::CodePage;
    };

    // A load from a bag that holds values for some properties (present[i]).
    void Load(const bool (&present)[kPropertyCount], const BagValue (&values)[kPropertyCount]) {
        PlatformLikeBag bag;
        std::vector<UploaderProperty> refusals;
        std::string loaded[kPropertyCount];
        size_t units[kPropertyCount] = {};
        bool stored[kPropertyCount] = {};
        for (int i = 0; i < kPropertyCount; ++i) {
            if (!present[i]) continue;
            const PropertyInfo& info = AllProperties()[i];
            VARIANT value;
            VariantInit(&value);
            switch (values[i].kind) {
            case BagValue::kText: {
                Bstr text(values[i].bytes, values[i].form);
                loaded[i] = text.Ansi();
                units[i] = text.Units();
                value.vt = VT_BSTR;
                value.bstrVal = text.Release();
                stored[i] = true;
                break;
            }
            case BagValue::kNumber: {
                unsigned char number[4] = {};
                for (size_t b = 0; b < 4 && b < values[i].bytes.size(); ++b) number[b] = static_cast<unsigned char>(values[i].bytes[b]);
                value.vt = VT_I4;
                value.lVal = static_cast<LONG>(brivel::GetUInt32LE(number));
                loaded[i] = std::to_string(static_cast<int32_t>(value.lVal));
                units[i] = loaded[i].size();
                stored[i] = true;
                break;
            }
            case BagValue::kEmpty:  // a string of nothing
                stored[i] = true;
                break;
            case BagValue::kNull:  // no text: the property keeps its value
                value.vt = VT_NULL;
                break;
            }
            bag.Set(info.bagName, value);
            if (stored[i] && !Fits(units[i], loaded[i], info.maxLength)) {
                stored[i] = false;
                refusals.push_back(info.id);
            }
        }
        FUZZ_CHECK(LoadPropertiesFromBag(properties_, bag.Reader()) == refusals);
        for (int i = 0; i < kPropertyCount; ++i)
            if (stored[i]) expected_[i] = loaded[i];
        CheckAll();
    }

    // Within the bound: at most one character beyond it converted (a page's
    // text may be of any length), and the text in the code page within it.
    static bool Fits(const Bstr& text, const std::string& ansi, size_t maxLength) {
        return Fits(text.Units(), ansi, maxLength);
    }
    static bool Fits(size_t units, const std::string& ansi, size_t maxLength) {
        return units <= maxLength + 1 && ansi.size() <= maxLength;
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
