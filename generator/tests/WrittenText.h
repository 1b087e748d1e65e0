// What a writing operation writes, read back from a temporary file with the
// line ends as LF (text mode on Windows writes CR LF).
#pragma once

#include <cstdio>
#include <functional>
#include <string>

inline std::string Written(const std::function<void(FILE*)>& write) {
    FILE* file = tmpfile();
    write(file);
    long size = ftell(file);
    rewind(file);
    std::string text(static_cast<size_t>(size), '\0');
    size_t got = fread(&text[0], 1, text.size(), file);
    fclose(file);
    text.resize(got);
    std::string lf;
    for (char c : text)
        if (c != '\r') lf += c;
    return lf;
}
