#include <stdlib.h>

#include <vector>

#include <platform/charset.h>

#include "registry_store.h"

namespace {

struct RootName {
    uint32_t handle;
    const char* name;
};

const RootName root_names[] = {
    {0x80000000u, "HKEY_CLASSES_ROOT"}, {0x80000001u, "HKEY_CURRENT_USER"},     {0x80000002u, "HKEY_LOCAL_MACHINE"},
    {0x80000003u, "HKEY_USERS"},        {0x80000004u, "HKEY_PERFORMANCE_DATA"}, {0x80000005u, "HKEY_CURRENT_CONFIG"},
    {0x80000006u, "HKEY_DYN_DATA"},
};

const char* root_name(HKEY root)
{
    // Taken sign-extended or not: the upper half must be all ones or all zeros.
    uint64_t value = reinterpret_cast<uintptr_t>(root);
    uint32_t upper = static_cast<uint32_t>(value >> 32);
    if (upper != 0 && upper != 0xFFFFFFFFu)
        return nullptr;
    for (const RootName& r : root_names)
        if (r.handle == static_cast<uint32_t>(value))
            return r.name;
    return nullptr;
}

// A key name as a file name: folded, then every byte but a lower-case letter,
// a digit, '-' and '_' written as %XX, so that no name can climb out of its
// folder or meet the values file.
std::string folder_name(const std::string& name)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : fold_sjis_name(name)) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

}  // namespace

std::string registry_store_dir()
{
    // A relative XDG_CONFIG_HOME is to be ignored.
    const char* config = getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = getenv("HOME");
        if (!home || home[0] == '\0')
            return std::string();
        base = std::string(home) + "/.config";
    }
    return base + "/velmora/registry";
}

bool key_folder(HKEY root, const std::string& path, std::string* folder)
{
    const char* root_folder = root_name(root);
    std::string store = registry_store_dir();
    if (!root_folder || store.empty())
        return false;
    // The names between separators; a '\\' that is the second byte of a
    // double-byte character separates nothing.
    std::vector<std::string> names(1);
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (c == '\\') {
            names.emplace_back();
            continue;
        }
        names.back() += path[i];
        if (is_sjis_lead(c) && i + 1 < path.size())
            names.back() += path[++i];
    }
    // One leading and one trailing separator are allowed; no other empty name.
    if (names.size() > 1 && names.front().empty())
        names.erase(names.begin());
    if (names.size() > 1 && names.back().empty())
        names.pop_back();
    if (names.size() == 1 && names.front().empty())
        names.clear();
    std::string out = store + "/" + root_folder;
    for (const std::string& name : names) {
        if (name.empty())
            return false;
        out += "/" + folder_name(name);
    }
    *folder = out;
    return true;
}

const RegValue* find_value(const RegValues& values, const std::string& name)
{
    for (const RegValue& v : values)
        if (same_sjis_name(v.name, name))
            return &v;
    return nullptr;
}
