// The on-disk store behind TRegistry: where keys live and how a key's values
// are kept.
#ifndef PLATFORM_REGISTRY_STORE_H
#define PLATFORM_REGISTRY_STORE_H

#include <string>
#include <vector>

#include <platform/registry.h>

struct RegValue {
    std::string name;
    DWORD type;
    std::string data;  // the value's bytes as stored
};
typedef std::vector<RegValue> RegValues;

// The store's folder; empty when neither XDG_CONFIG_HOME nor HOME gives one.
std::string registry_store_dir();

// The folder of `path` below `root`; false for an unknown root key or a
// malformed path (an empty name between separators).
bool key_folder(HKEY root, const std::string& path, std::string* folder);

// The file text of a key's values, and back; parsing fails on any fault.
std::string format_values(const RegValues& values);
bool parse_values(const std::string& text, RegValues* values);

// Reads the key's values; a key without a values file has none. False when
// the file cannot be read or is damaged.
bool load_values(const std::string& folder, RegValues* values);

// Sets one value of the key (a value of the same name is replaced), under
// the key's lock, by writing a new file and renaming it over the old one.
// A damaged file is left as it is and the write fails. With make_folder the
// key's folder is made first (the root keys always exist).
bool store_value(const std::string& folder, const RegValue& value, bool make_folder);

// Makes the key's folder and those above it; true when it is there.
bool make_key_folder(const std::string& folder);

// The value whose name matches, or nullptr.
const RegValue* find_value(const RegValues& values, const std::string& name);

#endif
