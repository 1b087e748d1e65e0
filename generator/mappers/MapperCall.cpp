#include "MapperCall.h"

void CReleaseStatements::Add(const CString& bodyText) {
    const std::string& text = bodyText.str();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        Line line;
        line.ended = end != std::string::npos;
        if (!line.ended) end = text.size();
        size_t first = text.find_first_not_of('\t', start);
        if (first == std::string::npos || first > end) first = end;
        line.depth = static_cast<int>(first - start) - 1;
        line.text = CString(text.substr(first, end - first).c_str());
        m_lines.push_back(line);
        start = end + 1;
    }
}

void CReleaseStatements::Add(const CReleaseStatements& more) {
    m_lines.insert(m_lines.end(), more.m_lines.begin(), more.m_lines.end());
}

CString CReleaseStatements::Text(int returnDepth) const {
    CString out;
    for (const Line& line : m_lines) {
        for (int i = 0; i < returnDepth + line.depth; ++i) out += '\t';
        out += line.text;
        if (line.ended) out += '\n';
    }
    return out;
}

void CReleaseStatements::Write(FILE* file, int returnDepth) const { fputs(Text(returnDepth), file); }
