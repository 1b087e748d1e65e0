// Configuration of the remote Java server: the key/value file
// BrivelServer.config beside BrvServerLib, read into an item list, queried,
// changed and written through these functions.
//
// Texts are ANSI. Returned texts are owned by the library: the paths stay
// valid while it is loaded, a value until its item is changed or deleted.
// No function throws.
#pragma once

#include <windows.h>

#ifdef BRVSERVERLIB_BUILDING
#define BRVSERVERLIB_API __declspec(dllexport)
#else
#define BRVSERVERLIB_API __declspec(dllimport)
#endif

// Reads the configuration file into the item list (merging into what it
// holds). Also starts Windows Sockets 1.1 for the process, once, which the
// server host relies on. False when the file cannot be opened for reading.
BRVSERVERLIB_API bool BrivelServerInitConfig();

// Rewrites the whole file from the item list. False when it cannot be
// written; the previous file is then left as it was.
BRVSERVERLIB_API bool BrvServerWriteConfigFile();

BRVSERVERLIB_API const char* BrvServerGetConfigFile();
BRVSERVERLIB_API const char* BrvServerGetConfigDir();

// The key's value (keys match case-insensitively), or null when absent.
BRVSERVERLIB_API const char* BrvServerGetConfigItem(const char* key);
// The value read as a decimal integer, or the default when the key is absent
// or its value does not begin with a number.
BRVSERVERLIB_API int BrvServerGetConfigItemInt(const char* key, int defaultValue);

// Sets a key's value; a null comment keeps an existing comment.
BRVSERVERLIB_API void BrvServerSetConfigItem(const char* key, const char* value, const char* comment);
BRVSERVERLIB_API void BrvServerSetConfigItemInt(const char* key, int value, const char* comment);

// Removes the key. False when the key is null or absent.
BRVSERVERLIB_API bool BrvServerDeleteConfigItem(const char* key);
