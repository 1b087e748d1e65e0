// Loading whole JAR files into the COM-to-Java project (JAR mode): every
// class of each JAR is loaded into the wizard's Java VM, named for COM and
// reflected; then every member whose types the project knows is selected,
// and the runtime classes those members use join the project too.
#pragma once

#include <vector>

#include "BrvString.h"
#include "JarLoadErrors.h"

class CC2jSpecification;
class CJavaClassSpec;
class CJavaVmHost;

// What loading the classes of one JAR file came to.
struct JarClassesLoad {
    bool listed = false;           // the classes were listed: the VM runs, the file opened, at most 500
    std::vector<CString> errors;   // why they could not be listed, or classes whose reflection failed
    std::vector<CString> skipped;  // classes the VM could not load: left out of the project
    bool Succeeded() const { return listed && errors.empty(); }
    // The errors, then the classes left out, one per line.
    CString Problems() const;
};

class CJarClassLoader {
public:
    CJarClassLoader(CC2jSpecification& spec, CJavaVmHost& host) : m_spec(spec), m_host(host) {}

    // Between the entries of a Java class path on the build's platform: ";"
    // on Windows (the product), ":" where the linux32 build runs the VM.
#ifdef _WIN32
    static constexpr char kClassPathSeparator = ';';
#else
    static constexpr char kClassPathSeparator = ':';
#endif

    // The project's class path in JAR mode: the JAR files in list order
    // joined by the separator, then the separator and the additional class
    // path when there is one.
    static CString JarClassPath(const std::vector<CString>& jarFiles, const char* extraClassPath);

    // Loads the classes of one JAR file. It fails when the JAR cannot be
    // listed or a class's reflection fails; a class the VM cannot load is
    // left out and named in `skipped`.
    JarClassesLoad LoadJarClasses(const char* jarPath, const char* classPath);

    // Sets the project's class path and loads every JAR file; false with the
    // error lines of each JAR that failed (classes left out of JARs that
    // loaded are in the errors' skipped lines). Classes that an earlier call
    // loaded are taken out first, so a repeated load starts from the same
    // project and a JAR removed from the list leaves nothing behind.
    // The same JAR files and class path as the last load that succeeded are
    // not loaded again: the project already holds them.
    bool LoadJarFiles(const std::vector<CString>& jarFiles, const char* extraClassPath, CJarLoadErrors& errors);

    // False with the message when the VM already runs with a class path other
    // than the JAR files' (it was started on the class path page before the
    // user chose JAR mode): its class path cannot change in this run.
    bool CanUseClassPath(const std::vector<CString>& jarFiles, const char* extraClassPath, CString& message) const;

private:
    // Loads, names and reflects one class unless the project has it already;
    // a class the VM cannot load joins `load.skipped`, a reflection error
    // `load.errors`.
    CJavaClassSpec* AddClass(const CString& className, const char* classPath, JarClassesLoad& load);
    // Selects every member whose types are known; runtime classes the
    // selected members use are gathered by the host.
    void SelectKnownMembers(CJavaClassSpec& javaClass);
    void ForgetLoadedClasses();

    CC2jSpecification& m_spec;
    CJavaVmHost& m_host;
    std::vector<CString> m_loaded;  // the classes this loader added to the project
    bool m_lastLoadSucceeded = false;
    std::vector<CString> m_lastJarFiles;
    CString m_lastClassPath;
};
