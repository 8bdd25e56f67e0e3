// Folder for the objects that the processes of one user's session share
// (named mutexes, findable window captions). It is $XDG_RUNTIME_DIR/velmora,
// or /tmp/velmora-<uid> when XDG_RUNTIME_DIR is not set. The environment is
// read at every call, so a test can point a process and its children at a
// private folder.
#ifndef PLATFORM_SESSION_H
#define PLATFORM_SESSION_H

#include <string>

// "<session folder>/<kind>", created with mode 0700 when missing. Empty when
// the folder cannot be made, or when it exists but is not a real folder owned
// by this user (somebody else's, or a symbolic link planted in /tmp).
std::string session_folder(const char* kind);

// A name as a file name: letters, digits, '-' and '_' stand as they are,
// every other byte (Shift-JIS included) as '%' and two hex digits. Distinct
// names stay distinct.
std::string session_file_name(const std::string& name);

#endif
