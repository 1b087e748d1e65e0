// Writes type libraries with the platform's own writer (CreateTypeLib2),
// for shapes the IDL compiler cannot produce: references into other
// libraries, repeated identifiers.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

// A library "ImporterLib" whose interface IImporter (IDispatch-based) has
// Use([in] IImported* other, [in] Shade shade) with both types taken from
// Imported.tlb, and a creatable coclass Importer.
bool WriteImporterLibrary(const std::string& path, const std::string& importedPath);

// A library "RepeatLib" whose first type is an interface with the identifier
// of IImporter, followed by the enumerations Tone and RepeatMain; and a main library
// "RepeatMainLib" whose coclass's interface IRepeatMain takes a Tone and
// derives from IImporter of the first.
bool WriteRepeatLibraries(const std::string& repeatPath, const std::string& mainPath);

// A library "ThreadingLib" of three creatable coclasses whose CLSIDs are
// {5A1B0005-0000-4000-8000-0000000000 40, 41, 42}, registered nowhere.
bool WriteThreadingLibrary(const std::string& path);

// A library "StdoleUserLib" whose interface IStdoleUser has one method per
// standard OLE type named (by its name in stdole2.tlb), each taking that
// type: by value, or through one pointer when the name ends in "*".
bool WriteStdoleUserLibrary(const std::string& path, const std::vector<std::string>& typeNames);

// A library "NotesLib" that references MSXML's IXMLDOMNode and
// IXMLDOMDocument, taken from msxmlPath (a library named "MSXML"): its
// interface INotes has Attach([in] IXMLDOMNode* node) and Load([out, retval]
// IXMLDOMDocument** document), its coclass is Notes. Its record Note carries
// documentation strings with a Windows path and non-ASCII letters, and
// fields named "width", "Gr\xF6\xDF" "e" (code page 1252), "a\"b\\c?" and "cells"
// (long[2]), each documented.
bool WriteNotesLibrary(const std::string& path, const std::string& msxmlPath);

extern const GUID kImporterIid;
