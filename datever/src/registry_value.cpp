#include <string.h>

#include <string>

#include <platform/registry.h>

#include "sarnet.h"

namespace {

enum ValueType { type_bool = 1, type_int, type_text, type_float, type_double };

// The caller's variable may sit at any address: copied, not dereferenced.
template <class T>
T load(const void* from)
{
    T value;
    memcpy(&value, from, sizeof value);
    return value;
}

template <class T>
void store(void* to, T value)
{
    memcpy(to, &value, sizeof value);
}

void write_value(TRegistry& reg, const std::string& name, int type, const void* value)
{
    switch (type) {
    case type_bool:
        // Any non-zero byte is true; the byte is not read as a bool that might be 2.
        reg.WriteBool(name, load<unsigned char>(value) != 0);
        break;
    case type_int: reg.WriteInteger(name, load<int>(value)); break;
    case type_text: reg.WriteString(name, static_cast<const char*>(value)); break;
    case type_float: reg.WriteFloat(name, static_cast<double>(load<float>(value))); break;
    case type_double: reg.WriteFloat(name, load<double>(value)); break;
    }
}

// Reads the whole value before the caller's variable is touched, so a failed
// read leaves it as it was.
void read_value(TRegistry& reg, const std::string& name, int type, void* value)
{
    switch (type) {
    case type_bool: store(value, reg.ReadBool(name)); break;
    case type_int: store(value, reg.ReadInteger(name)); break;
    case type_text: {
        std::string text = reg.ReadString(name);
        memcpy(value, text.c_str(), text.size() + 1);
        break;
    }
    case type_float: store(value, static_cast<float>(reg.ReadFloat(name))); break;
    case type_double: store(value, reg.ReadFloat(name)); break;
    }
}

}  // namespace

int ctl_reg_(void* value, char* mode, int type, void* root, char* key, char* name)
{
    int result = 0;
    try {
        TRegistry reg;
        reg.SetRootKey(static_cast<HKEY>(root));
        if (reg.OpenKey(key ? key : "", false)) {
            result = 1;
            std::string value_name = name ? name : "";
            if (mode[0] == 'w')
                write_value(reg, value_name, type, value);
            else
                read_value(reg, value_name, type, value);
            reg.CloseKey();
        }
    } catch (...) {
        // The registry object closes its key on the way out.
        result = 0;
    }
    return result;
}
