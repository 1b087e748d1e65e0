// What a writer tells a mapper about the one fragment it asks it to write:
// the release of the arguments set up before this one (written before every
// early return inside the fragment) and, for an event's argument, whether it
// is out-only. The writer makes one for each call and passes it along, so a
// mapper reads nothing that another call or another job left behind.
#pragma once

#include "BrvString.h"

#include <cstdio>
#include <utility>
#include <vector>

// Statements that release what a native's arguments set up, each kept with
// its nesting below the native's body, so that they are written at the
// depth of whichever return they precede.
class CReleaseStatements {
public:
    // Adds statements as they are written in the native's body (a statement
    // of the body one tab deep, a nested one deeper).
    void Add(const CString& bodyText);
    void Add(const CReleaseStatements& more);
    bool IsEmpty() const { return m_lines.empty(); }

    // The statements before a return statement written `returnDepth` tabs
    // deep inside a block of the body: a statement of the body then stands
    // as deep as the return.
    CString Text(int returnDepth) const;
    void Write(FILE* file, int returnDepth) const;

private:
    struct Line {
        int depth = 0;  // tabs below the body's own statements (-1 for a line at the margin)
        CString text;   // the line after its leading tabs
        bool ended = true;  // ends with a line feed
    };
    std::vector<Line> m_lines;
};

class CMapperCall {
public:
    CMapperCall() = default;
    explicit CMapperCall(CReleaseStatements earlyRelease) : m_earlyRelease(std::move(earlyRelease)) {}
    // The call of an event's argument, out-only or not.
    static CMapperCall EventArgument(bool outOnly) {
        CMapperCall call;
        call.m_eventArgumentOutOnly = outOnly;
        return call;
    }

    const CReleaseStatements& EarlyRelease() const { return m_earlyRelease; }
    // Writes the release of the arguments before this one, in front of a
    // return written `returnDepth` tabs deep.
    void WriteEarlyRelease(FILE* file, int returnDepth) const { m_earlyRelease.Write(file, returnDepth); }
    // The event argument's incoming value is undefined: it must not be read
    // (or freed).
    bool EventArgumentOutOnly() const { return m_eventArgumentOutOnly; }

private:
    CReleaseStatements m_earlyRelease;
    bool m_eventArgumentOutOnly = false;
};
