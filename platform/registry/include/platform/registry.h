// The registry: a per-user store on disk in place of the desktop's registry.
//
// The store lives in $XDG_CONFIG_HOME/velmora/registry (~/.config when the
// variable is unset). Each predefined root key is a folder named after it and
// each key below it a folder; key and value names compare without regard to
// the case of their ASCII letters. A key's values sit in one file in its
// folder, rewritten whole under a lock and put in place by rename, so a
// reader sees either the old or the new file and two writers never lose each
// other's values.
#ifndef PLATFORM_REGISTRY_H
#define PLATFORM_REGISTRY_H

#include <stddef.h>
#include <stdint.h>

#include <stdexcept>
#include <string>

#include <platform/wintypes.h>

typedef void* HKEY;

// The usual handle values, sign-extended to 64 bits as the platform has them.
#define HKEY_CLASSES_ROOT ((HKEY)(intptr_t)(int32_t)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(intptr_t)(int32_t)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(intptr_t)(int32_t)0x80000002)
#define HKEY_USERS ((HKEY)(intptr_t)(int32_t)0x80000003)
#define HKEY_PERFORMANCE_DATA ((HKEY)(intptr_t)(int32_t)0x80000004)
#define HKEY_CURRENT_CONFIG ((HKEY)(intptr_t)(int32_t)0x80000005)
#define HKEY_DYN_DATA ((HKEY)(intptr_t)(int32_t)0x80000006)

// Kinds of stored values.
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

// Raised by TRegistry when a value is absent or of another kind than asked
// for, when the key's store file is damaged, or when a write fails.
class __attribute__((visibility("default"))) ERegistryException : public std::runtime_error {
public:
    explicit ERegistryException(const std::string& message);
    ~ERegistryException() override;
};

// Opens one key at a time, below the root key, with full access.
class TRegistry {
public:
    TRegistry();  // root key HKEY_CURRENT_USER, no key open
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root);  // closes the open key

    // Opens `key`, a path of names separated by '\' ("" is the root key
    // itself). Without can_create a missing key is not made and gives false,
    // as do an unknown root, a key that cannot be read and written, and a key
    // whose store file is damaged.
    bool OpenKey(const std::string& key, bool can_create);
    void CloseKey();

    bool ValueExists(const std::string& name);

    // The readers raise ERegistryException for an absent value or one of
    // another kind: REG_DWORD for bools and integers, an 8-byte REG_BINARY for
    // floats, REG_SZ or REG_EXPAND_SZ for strings. An absent string reads as "".
    bool ReadBool(const std::string& name);
    int ReadInteger(const std::string& name);
    std::string ReadString(const std::string& name);
    double ReadFloat(const std::string& name);

    void WriteBool(const std::string& name, bool value);                        // REG_DWORD 0 or 1
    void WriteInteger(const std::string& name, int value);                      // REG_DWORD
    void WriteString(const std::string& name, const std::string& value);        // REG_SZ
    void WriteExpandString(const std::string& name, const std::string& value);  // REG_EXPAND_SZ
    void WriteFloat(const std::string& name, double value);                     // 8-byte REG_BINARY
    void WriteBinaryData(const std::string& name, const void* data, size_t size);

private:
    // False when the value is absent; raises when the store file is damaged.
    bool Read(const std::string& name, DWORD* type, std::string* data);
    void Write(const std::string& name, DWORD type, const std::string& data);

    HKEY root_;
    std::string key_dir_;  // folder of the open key; empty when none is open
    bool key_is_root_;
};

#endif
