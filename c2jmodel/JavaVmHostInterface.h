// What the project document asks of the wizard's embedded Java VM host:
// starting the VM, loading and reflecting classes, listing the classes of a
// JAR file and testing whether one class can be cast to another. The host
// implements it; tests of the document use a host of their own.
#pragma once

#include "BrvString.h"

#include <vector>

class CJavaClassSpec;

class IJavaVmHost {
public:
    virtual ~IJavaVmHost() = default;

    // Starts the VM with the class path once; later calls answer true.
    virtual bool Start(const char* classPath, CString& error) = 0;
    // A new, unreflected class record, or null with `error` set.
    virtual CJavaClassSpec* LoadClass(const char* className, bool includeInherited, CString& error) = 0;
    // Fills the class's member groups; on failure the class's error text says why.
    virtual bool ReflectClass(CJavaClassSpec* javaClass) = 0;
    // Appends the dotted names of the JAR file's classes.
    virtual bool ListJarClasses(const char* jarPath, std::vector<CString>& classNames, CString& error) = 0;
    // True when `a` can be cast to `b`, and whenever that cannot be told (no
    // VM, or a class without a class reference).
    virtual bool IsAssignableFrom(const CJavaClassSpec* a, const CJavaClassSpec* b) = 0;
    // True only when the class is known to derive from java.awt.Component.
    virtual bool IsVisualComponent(const char*) { return false; }
    // True with the class path the VM was created with once it exists: that
    // class path then holds for the rest of the process.
    virtual bool RunningClassPath(CString& classPath) const = 0;
};
