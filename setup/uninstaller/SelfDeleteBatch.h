// The hidden batch file that removes the uninstaller and its folder once the
// uninstaller has ended (a running program cannot delete itself), then
// itself.
#pragma once

#include <functional>
#include <string>

namespace brivel::setup {

// Tries to delete the program before the batch gives up (about a second
// apart): the uninstaller ends right after starting the batch, so the
// first tries normally succeed; a program that stays locked must not keep a
// hidden batch running forever.
constexpr int kSelfDeleteTries = 30;

// The batch file's path from a temporary name (the run-time library's
// temporary-name function's result): the name without the extension of its
// file part (a dot in a folder name is left alone), then the first number
// from 0 to 98 whose "<name><number>.bat" does not exist (98 when all do).
std::string SelfDeleteBatchPath(const std::string& temporaryName,
                                const std::function<bool(const std::string&)>& exists);

// The batch text, one command a line ("\n" ends each; the file is written in
// text mode): delete the program, up to `tries` times with a pause of about a
// second between tries, then remove the folder and the batch file. Every
// path is quoted, so blanks in any of them do no harm, and its "%" doubled,
// so it is not taken for a variable. Only commands that
// every system's command interpreter knows (no counters): the tries are
// written out one after another.
std::string SelfDeleteBatchText(const std::string& programPath, const std::string& folder,
                                const std::string& batchPath, int tries = kSelfDeleteTries);

#ifdef _WIN32
// Writes the batch file (text mode). The command interpreter reads batch
// files in the console's (OEM) code page, so the text, whose paths are in
// the ANSI code page, is written in that one: a folder named with accented
// letters is still found. False when the file cannot be written.
bool WriteSelfDeleteBatch(const std::string& batchPath, const std::string& text);
#endif

}  // namespace brivel::setup
