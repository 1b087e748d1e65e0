// "Additional ClassPath": the folders and JAR files that the configuration's
// ExtraClasspath adds to the class path of each connection's Java process.
#pragma once

#include <string>
#include <vector>

#include "Dialog.h"

namespace brivel::serverhost {

class CClassPathDialog : public brivel::winui::Dialog {
public:
    explicit CClassPathDialog(std::vector<std::string> entries);
    // The list as OK left it.
    const std::vector<std::string>& Entries() const { return entries_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void Add(const char* entry);
    void UpdateDeleteButton();

    std::vector<std::string> entries_;
};

}  // namespace brivel::serverhost
