#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include "registry_store.h"

ERegistryException::ERegistryException(const std::string& message) : std::runtime_error(message) {}

ERegistryException::~ERegistryException() = default;

namespace {

[[noreturn]] void raise_invalid_type(const std::string& name)
{
    throw ERegistryException("Invalid data type for '" + name + "'");
}

bool usable_folder(const std::string& folder)
{
    struct stat st;
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && access(folder.c_str(), R_OK | W_OK | X_OK) == 0;
}

}  // namespace

TRegistry::TRegistry() : root_(HKEY_CURRENT_USER), key_is_root_(false) {}

TRegistry::~TRegistry()
{
    CloseKey();
}

void TRegistry::SetRootKey(HKEY root)
{
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const std::string& key, bool can_create)
{
    CloseKey();
    std::string folder, root_folder;
    if (!key_folder(root_, key, &folder) || !key_folder(root_, "", &root_folder))
        return false;
    bool is_root = folder == root_folder;
    if (can_create && !is_root && !make_key_folder(folder))
        return false;
    // A root key always exists, even before a first write makes its folder.
    bool unmade_root = is_root && access(folder.c_str(), F_OK) != 0;
    RegValues values;
    if (!unmade_root && (!usable_folder(folder) || !load_values(folder, &values)))
        return false;
    key_dir_ = folder;
    key_is_root_ = is_root;
    return true;
}

void TRegistry::CloseKey()
{
    key_dir_.clear();
    key_is_root_ = false;
}

bool TRegistry::Read(const std::string& name, DWORD* type, std::string* data)
{
    if (key_dir_.empty())
        throw ERegistryException("No key is open");
    RegValues values;
    if (!load_values(key_dir_, &values))
        throw ERegistryException("The store of the key is damaged or cannot be read");
    const RegValue* value = find_value(values, name);
    if (!value)
        return false;
    *type = value->type;
    *data = value->data;
    return true;
}

void TRegistry::Write(const std::string& name, DWORD type, const std::string& data)
{
    if (key_dir_.empty())
        throw ERegistryException("No key is open");
    if (!store_value(key_dir_, RegValue{name, type, data}, key_is_root_))
        throw ERegistryException("Failed to set data for '" + name + "'");
}

bool TRegistry::ValueExists(const std::string& name)
{
    RegValues values;
    return !key_dir_.empty() && load_values(key_dir_, &values) && find_value(values, name);
}

int TRegistry::ReadInteger(const std::string& name)
{
    DWORD type;
    std::string data;
    if (!Read(name, &type, &data) || type != REG_DWORD || data.size() != 4)
        raise_invalid_type(name);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(data[i]);  // stored little-endian
    return static_cast<int>(value);
}

bool TRegistry::ReadBool(const std::string& name)
{
    return ReadInteger(name) != 0;
}

std::string TRegistry::ReadString(const std::string& name)
{
    DWORD type;
    std::string data;
    if (!Read(name, &type, &data))
        return std::string();
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        raise_invalid_type(name);
    // The stored text ends at its terminating zero.
    return data.substr(0, data.find('\0'));
}

double TRegistry::ReadFloat(const std::string& name)
{
    DWORD type;
    std::string data;
    if (!Read(name, &type, &data) || type != REG_BINARY || data.size() != sizeof(double))
        raise_invalid_type(name);
    double value;
    memcpy(&value, data.data(), sizeof value);
    return value;
}

void TRegistry::WriteInteger(const std::string& name, int value)
{
    uint32_t bits = static_cast<uint32_t>(value);
    std::string data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>(bits >> (8 * i));
    Write(name, REG_DWORD, data);
}

void TRegistry::WriteBool(const std::string& name, bool value)
{
    WriteInteger(name, value ? 1 : 0);
}

void TRegistry::WriteString(const std::string& name, const std::string& value)
{
    Write(name, REG_SZ, value + '\0');
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value)
{
    Write(name, REG_EXPAND_SZ, value + '\0');
}

void TRegistry::WriteFloat(const std::string& name, double value)
{
    WriteBinaryData(name, &value, sizeof value);
}

void TRegistry::WriteBinaryData(const std::string& name, const void* data, size_t size)
{
    Write(name, REG_BINARY, std::string(static_cast<const char*>(data), size));
}
