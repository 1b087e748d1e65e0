// The rules of the Java-to-COM package page: the package a sample object
// must use, and the checks of Next. A package passes only when javac would
// take it: every part is a Java identifier of ASCII letters and digits that
// starts with a letter and is not a reserved word.
#pragma once

#include "BrvString.h"

// The package that the COM object requires ("j2c.tutorial" for the sample
// object, any letter case of its name), or empty when any package will do.
CString RequiredPackage(const char* comObjectName);
// The note the page shows for that rule (empty without one).
CString RequiredPackageNote(const char* comObjectName);

// Empty when the package may be used, else the message that says why not.
CString CheckPackageName(const char* package);
