// Locating the installed Java VM: the portable steps, shared with every
// host of an embedded VM. A configured path may name the VM library itself
// or its folder; otherwise the Java home that the PrintJavaHome probe prints
// gives <home>/<library folder>/<sub-folder>/<VM library>.
#pragma once

#include <string>
#include <vector>

namespace brivel::c2j {

// The probe class, a version 46.0 class file without a package whose main
// method prints System.getProperty("java.home").
extern const unsigned char kPrintJavaHomeClass[];
extern const unsigned int kPrintJavaHomeClassSize;  // 497
constexpr const char* kPrintJavaHomeFileName = "PrintJavaHome.class";

// `java -classpath "<folder>" PrintJavaHome`, the folder without its trailing
// separator unless it is a bare root of three characters or fewer.
std::string BuildProbeCommand(const std::string& launcher, const std::string& tempFolder);

// The Java home from the probe's first output line: cut at the first line
// feed and at the first carriage return, at most 259 characters.
std::string JavaHomeFromProbeLine(const std::string& line);

// The folder searched for the VM library below a Java home.
std::string JvmSearchFolder(const std::string& javaHome);

// The file to load for `folder` (plus `subFolder` when not empty): the path
// itself when it ends in the VM library's extension (case ignored), else the
// VM library inside it.
std::string JvmLibraryPath(const std::string& folder, const std::string& subFolder);

// The first sub-folders tried below the search folder, in order.
const std::vector<std::string>& PreferredJvmSubFolders();

// Splits extra VM arguments into options: tokens separated by white space; a
// token that begins with a double quote runs to the next double quote (the
// quotes dropped); no escapes. At most `maxOptions` tokens are kept.
std::vector<std::string> SplitJvmArguments(const std::string& text, size_t maxOptions);

// Options passed to the VM in all, the class path included.
constexpr size_t kMaxJvmOptions = 39;

}  // namespace brivel::c2j
