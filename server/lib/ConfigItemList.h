// The item list of BrivelServer.config and its file format.
//
// Lines are "key: value", optionally followed by " #comment"; lines that
// begin with ';' or '#', and lines that are not "key: value", are kept as
// comment lines and written back unchanged. The list keeps the order of the
// file; keys set later are appended. A deleted key keeps its place and
// comment out of sight: set again, it comes back there (a dialog's Cancel
// sets back what its OK deleted).
#pragma once

#include <list>
#include <string>

namespace brivel {

class CConfigItemList {
public:
    // Sets a key (matched case-insensitively) or, with a null key, adds a
    // comment line. An existing or deleted item keeps its place; a null
    // comment keeps its comment. A null value is stored as empty text.
    void Set(const char* key, const char* value, const char* comment);

    // The value of the key, or null. The text stays valid until the item is
    // changed or deleted.
    const char* Get(const char* key) const;
    int GetInt(const char* key, int defaultValue) const;
    bool Delete(const char* key);

    // Merges the file's lines into the list. False when it cannot be opened.
    bool ReadFile(const std::string& path);

    // Writes the list as the file's new text (through a temporary file beside
    // it, so that a failed write leaves the old file whole); the file keeps
    // its security and attributes.
    bool WriteFile(const std::string& path) const;

    // Parses one line of the file into the list.
    void ReadLine(const std::string& line);
    // The file text of the list, with '\n' line ends.
    std::string Text() const;

private:
    struct Item {
        bool isComment;       // a comment line: `text` holds the whole line
        std::string key;
        std::string value;
        bool hasComment;
        std::string text;     // the comment (the line, for a comment line)
        bool deleted = false; // out of the file until it is set again
    };
    // The key's item, unless deleted.
    Item* Find(const char* key);
    // The key's item, deleted or not.
    Item* FindKept(const char* key);
    const Item* Find(const char* key) const;

    std::list<Item> m_items;  // in file order
};

}  // namespace brivel
