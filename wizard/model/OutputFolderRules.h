// The output folder rules that the Java-to-COM and the COM-to-Java output
// folder pages share: the text's trailing backslash, and CheckFolder, which
// makes a missing folder and its missing parents after one question.
#pragma once

#include "BrvString.h"

// What CheckFolder asks of the page that runs it.
class IFolderPrompts {
public:
    virtual ~IFolderPrompts() = default;
    // Yes answers true.
    virtual bool AskQuestion(const char* text) = 0;
    virtual void ShowError(const char* text) = 0;
};

// The page's text without a trailing backslash, except on a drive root
// ("C:\" stays) or when the backslash is the whole text.
CString TrimOutputFolder(const char* text);

// The folder above `path`: cut at its last backslash (else its last '/');
// a separator that is the first character or follows ':' stays. Empty
// when the path has no separator.
CString ParentFolder(const char* path);

// True when `path` is a folder or was made one. A missing folder is made
// after the question (when `ask`), its missing parents without one. A
// file in the way, a No, or a folder that cannot be made answers false,
// the reason shown.
bool CheckFolder(const char* path, bool ask, IFolderPrompts& prompts);
