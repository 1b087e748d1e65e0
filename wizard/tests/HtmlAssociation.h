// Test helper: files of some types (HTML, ".htm" and ".html", unless told
// otherwise) open with the browser stand-in for the life of the object,
// which writes the command line it was started with into a file of the
// test; the prefix's associations come back afterwards. Tests that use it
// hold the CTest lock html_association.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace brivel::wizard::testing {

class ScopedHtmlAssociation {
public:
    // `recordFile` receives the stand-in's command line.
    ScopedHtmlAssociation(const std::string& browserStandIn, const std::string& recordFile,
                          const std::vector<std::string>& extensions = {".htm", ".html"});
    ~ScopedHtmlAssociation();
    ScopedHtmlAssociation(const ScopedHtmlAssociation&) = delete;
    ScopedHtmlAssociation& operator=(const ScopedHtmlAssociation&) = delete;

    // The command line the browser was last started with; empty when it was
    // not started within `timeoutMs`.
    std::string WaitForBrowser(DWORD timeoutMs = 20000) const;

private:
    struct Saved {
        std::string extension;
        bool present = false;
        std::string type;
    };
    std::string record_;
    std::vector<Saved> saved_;
};

// The browser stand-in built beside the test programs.
std::string BrowserStandIn();

}  // namespace brivel::wizard::testing
