#include "platform/shell.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <platform/charset.h>
#include <platform/files.h>

#include "spawn.h"

namespace {

const int started = 42;            // any result above 32 means started
const int opener_watch_ms = 2000;  // time an opener has to report failure

HINSTANCE result(int code)
{
    return reinterpret_cast<HINSTANCE>((intptr_t)code);
}

bool is_file(const std::string& path, struct stat* st)
{
    return stat(path.c_str(), st) == 0;
}

bool is_program(const std::string& path)
{
    struct stat st;
    return is_file(path, &st) && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// "scheme:rest" with a scheme of two or more characters (one is a drive).
bool is_address(const std::string& text)
{
    size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 2 || !isalpha((unsigned char)text[0]))
        return false;
    for (size_t i = 1; i < colon; ++i) {
        char c = text[i];
        if (!isalnum((unsigned char)c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

bool ends_with_exe(const std::string& path)
{
    return path.size() > 4 && strcasecmp(path.c_str() + path.size() - 4, ".exe") == 0;
}

// The first executable of that name on PATH, or empty.
std::string find_on_path(const std::string& name)
{
    const char* path = getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (is_program(candidate))
            return candidate;
        start = end + 1;
    }
    return std::string();
}

std::string current_folder()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : ".";
}

int error_of_exec(int e)
{
    switch (e) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN: return SE_ERR_OOM;
    default: return SE_ERR_NOASSOC;
    }
}

int start_program(const std::string& program, const char* parameters, const std::string& directory)
{
    std::vector<std::string> argv = {program};
    for (const std::string& arg : split_command_line(sjis_to_utf8(parameters ? parameters : "")))
        argv.push_back(arg);
    SpawnOutcome outcome;
    if (!spawn_detached(argv, directory, 0, &outcome))
        return SE_ERR_OOM;
    return outcome.exec_error ? error_of_exec(outcome.exec_error) : started;
}

// Hands a document, folder or address to the desktop's default application.
int open_with_desktop(const std::string& target)
{
    const char* chosen = getenv("VELMORA_OPENER");
    std::string opener = chosen && chosen[0] ? chosen : "xdg-open";
    if (opener.find('/') == std::string::npos)
        opener = find_on_path(opener);
    if (opener.empty() || !is_program(opener))
        return SE_ERR_NOASSOC;
    SpawnOutcome outcome;
    if (!spawn_detached({opener, target}, std::string(), opener_watch_ms, &outcome))
        return SE_ERR_OOM;
    if (outcome.exec_error)
        return SE_ERR_NOASSOC;
    if (!outcome.finished || outcome.exit_code == 0)
        return started;
    // xdg-open: 2 a file that does not exist; 1, 3, 4 no tool or the action failed.
    return outcome.exit_code == 2 ? ERROR_FILE_NOT_FOUND : SE_ERR_NOASSOC;
}

int open_path(const std::string& native, const char* parameters, const std::string& directory)
{
    // Absolute, so that a program started in another folder is still found.
    std::string base = directory.empty()     ? current_folder()
                       : directory[0] == '/' ? directory
                                             : current_folder() + "/" + directory;
    std::string full = native[0] == '/' ? native : base + "/" + native;
    struct stat st;
    if (!is_file(full, &st)) {
        if (ends_with_exe(full) && is_program(full.substr(0, full.size() - 4)))
            return start_program(full.substr(0, full.size() - 4), parameters, directory);
        if (native.find('/') == std::string::npos) {
            std::string bare = ends_with_exe(native) ? native.substr(0, native.size() - 4) : native;
            std::string found = find_on_path(native);
            if (found.empty())
                found = find_on_path(bare);
            if (!found.empty())
                return start_program(found, parameters, directory);
        }
        if (native.compare(0, 4, "www.") == 0)
            return open_with_desktop("http://" + native);
        size_t slash = full.rfind('/');
        struct stat folder;
        return is_file(full.substr(0, slash ? slash : 1), &folder) && S_ISDIR(folder.st_mode) ? ERROR_FILE_NOT_FOUND
                                                                                              : ERROR_PATH_NOT_FOUND;
    }
    if (S_ISREG(st.st_mode) && access(full.c_str(), X_OK) == 0)
        return start_program(full, parameters, directory);
    if (access(full.c_str(), R_OK) != 0)
        return ERROR_ACCESS_DENIED;
    return open_with_desktop(full);
}

}  // namespace

HINSTANCE ShellExecuteA(QWidget* owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int show)
{
    (void)owner;
    (void)show;
    if (verb && verb[0] && strcasecmp(verb, "open") != 0)
        return result(SE_ERR_NOASSOC);
    if (!file || !file[0])
        return result(ERROR_FILE_NOT_FOUND);
    std::string text = sjis_to_utf8(file);
    if (is_address(text))
        return result(open_with_desktop(text));
    std::string folder = directory && directory[0] ? native_path(directory) : std::string();
    return result(open_path(native_path(file), parameters, folder));
}
