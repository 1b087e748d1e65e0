// The machine-wide CLASSPATH in the registry's system environment, to which
// the build page adds the bridge's JAR when the wizard closes.
#pragma once

#include <windows.h>

constexpr const char* kSystemEnvironmentKey = "System\\CurrentControlSet\\Control\\Session Manager\\Environment";

enum class ClasspathUpdate {
    Added,         // the value was written with the JAR added
    AlreadyThere,  // an entry names the JAR already: nothing was written
    Failed,        // the key could not be opened, the value not read or not written
};

// Adds the JAR (its full path made, its short 8.3 form added) to the
// CLASSPATH value of the key `root\subKey`. The value is read whole, keeps
// every entry and its type (REG_EXPAND_SZ stays expandable); an absent
// value is created as REG_SZ. A value that cannot be read, or is not text,
// is left alone (Failed).
ClasspathUpdate AddJarToClasspath(HKEY root, const char* subKey, const char* jarPath);

// Tells every top-level window that the environment changed (a hung one is
// not waited for beyond five seconds).
void BroadcastEnvironmentChange();
