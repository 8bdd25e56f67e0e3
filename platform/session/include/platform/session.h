// Folder for the objects that the processes of one user's session share
// (named mutexes, findable window captions). It is $XDG_RUNTIME_DIR/velmora,
// or /tmp/velmora-<uid> ($TMPDIR in place of /tmp when set) when
// XDG_RUNTIME_DIR is not set or gives no usable folder. The environment is
// read at every call, so a test can point a process and its children at a
// private folder.
#ifndef PLATFORM_SESSION_H
#define PLATFORM_SESSION_H

#include <string>

// "<session folder>/<kind>", created with mode 0700 when missing; a folder of
// this user that others could reach is made 0700 before use. A folder that
// cannot be made or is not a real folder of this user (somebody else's, or a
// symbolic link planted in /tmp) is passed over for the next one; empty when
// none is left.
std::string session_folder(const char* kind);

// A name as a file name: letters, digits, '-' and '_' stand as they are,
// every other byte (Shift-JIS included) as '%' and two hex digits. Distinct
// names stay distinct.
std::string session_file_name(const std::string& name);

#endif
