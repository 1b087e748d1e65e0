// What a web page (or the page's saved parameters) sets on the upload
// control: its eight properties, each an ANSI text with an upper bound. The
// control is marked safe for scripting, so any page may set any of them: a
// text beyond its bound is refused as a whole and the stored value stays
// (PropertyTexts.h takes them from COM).
// Gets return what was set.
#pragma once

#include <cstddef>
#include <string>

namespace brivel::uploadctl {

// The properties, numbered by their dispatch identifiers.
enum class UploaderProperty : int {
    PackageName = 1,
    LibraryName = 2,
    ComFileName = 3,
    HostName = 4,
    TargetUrl = 5,
    InitialText = 6,
    ActiveXList = 7,
    PreferVirtual = 8,
};
constexpr int kPropertyCount = 8;

// The longest names the form takes in its three fields.
constexpr size_t kMaxFieldLength = 510;
// A host name has at most 255 characters (RFC 1035).
constexpr size_t kMaxHostNameLength = 255;
// The longest request path the platform's HTTP client takes.
constexpr size_t kMaxTargetUrlLength = 2048;
constexpr size_t kMaxInitialTextLength = 4096;
// The request's field 2 holds the library name, ";pvirt=0" and ";activex="
// with the list behind a 16-bit length: the longest list that always fits.
constexpr size_t kMaxActiveXListLength = 0xFFFF - kMaxFieldLength - 8 - 9;

struct PropertyInfo {
    UploaderProperty id;
    const char* name;     // on the dispatch interface: "pkgName"
    const char* bagName;  // in the property bag: "PackageName"
    size_t maxLength;     // bytes of ANSI text
};

// The eight, in dispatch order.
const PropertyInfo* AllProperties();
const PropertyInfo& InfoOf(UploaderProperty property);

// The request path the build service's upload servlet listens on.
constexpr char kDefaultTargetPath[] = "/brvBuildServlet";

class CUploaderProperties {
public:
    // The host starts as the kit's build service; the path as the servlet's.
    explicit CUploaderProperties(std::string defaultHost);

    // Stores the text; false, with nothing changed, when it is longer than
    // the property allows.
    bool Set(UploaderProperty property, const std::string& text);
    const std::string& Get(UploaderProperty property) const;

    // ";activex=" and the list, or nothing when the list is empty.
    std::string ActiveXPart() const;
    // On when the text set begins with "1".
    bool PreferVirtual() const;

private:
    std::string values_[kPropertyCount];
};

}  // namespace brivel::uploadctl
