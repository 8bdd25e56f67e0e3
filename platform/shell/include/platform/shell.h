// Opening documents, addresses and programs as the desktop's shell does.
#ifndef PLATFORM_SHELL_H
#define PLATFORM_SHELL_H

#include <string>
#include <vector>

#include <platform/wintypes.h>

class QWidget;

// Opens file with the verb "open" (a null or empty verb means the same; any
// other verb gives SE_ERR_NOASSOC). Texts are Shift-JIS; '\' and '/' both
// separate folders; a relative path is taken from directory when one is given,
// else from the current folder.
//  - An executable file starts directly, with parameters split into its
//    arguments as a command line is (split_command_line), in directory when
//    one is given. A missing "name.exe" beside an executable "name" starts
//    that; a bare name that is not in the folder is looked for on PATH.
//  - Any other file or folder, and an address ("scheme:...", or "www...."
//    that names no file), opens with the desktop's default application: the
//    program named by $VELMORA_OPENER, or xdg-open. The opener is given up to
//    two seconds to report failure; one still running then counts as started.
// The result follows the shell's convention: above 32 when started, else
// ERROR_FILE_NOT_FOUND (2), ERROR_PATH_NOT_FOUND (3), ERROR_ACCESS_DENIED (5),
// SE_ERR_OOM (8), ERROR_BAD_FORMAT (11, not a program this system can run) or
// SE_ERR_NOASSOC (31: no application opens it, or no opener). Nothing waits
// for the started program, and no finished one is left unreaped. owner and
// show are accepted for the call's shape and not used.
HINSTANCE ShellExecuteA(QWidget* owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int show);

// The arguments of a command line (UTF-8), split as the desktop's programs
// split theirs: blanks separate; double quotes group (a quote preceded by an
// odd number of backslashes is a plain quote, and 2n backslashes before a
// quote stand for n); other backslashes are plain.
std::vector<std::string> split_command_line(const std::string& line);

// A program's command line rebuilt from its arguments (UTF-8, argv[1] on) so
// that split_command_line gives them back, in Shift-JIS: what a started
// program takes as its whole command line. One plain argument comes back
// exactly as it was passed ("100" -> "100").
std::string command_line_of_args(int argc, char** argv);

#endif
