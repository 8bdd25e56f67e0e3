// Files by the system's own path texts: Shift-JIS, with '\' or '/' between
// folders, relative paths taken from the current folder.
#ifndef PLATFORM_FILES_H
#define PLATFORM_FILES_H

#include <string>

#include <platform/lasterror.h>
#include <platform/wintypes.h>

// The path as the file system spells it: UTF-8, '/' between folders. A 0x5C
// byte that is the second half of a Shift-JIS character is not a separator.
std::string native_path(const char* path);

// The attribute word of a file or folder (symbolic links followed):
// FILE_ATTRIBUTE_DIRECTORY for a folder, FILE_ATTRIBUTE_READONLY when this
// user may not write it, FILE_ATTRIBUTE_HIDDEN when its name starts with '.',
// FILE_ATTRIBUTE_NORMAL for a file with none of these.
// INVALID_FILE_ATTRIBUTES when nothing of that name exists, with the last
// error ERROR_FILE_NOT_FOUND (or ERROR_PATH_NOT_FOUND when a folder on the
// way is missing).
DWORD GetFileAttributesA(const char* path);

// The running program's full path, in Shift-JIS.
std::string exe_name();

// The folder part of a path with its trailing separator ('/' or '\'), empty
// when there is none.
std::string ExtractFilePath(const std::string& path);

#endif
