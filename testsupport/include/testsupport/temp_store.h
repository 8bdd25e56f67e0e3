// A fresh, empty registry store for each test, removed afterwards.
#ifndef TESTSUPPORT_TEMP_STORE_H
#define TESTSUPPORT_TEMP_STORE_H

#include <stdlib.h>

#include <filesystem>
#include <string>

class TempStore {
public:
    TempStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "registry-XXXXXX").string();
        // Without a folder of its own a test would reach the user's real store.
        if (!mkdtemp(&pattern[0]))
            abort();
        config_ = pattern;
        setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
    }
    ~TempStore()
    {
        std::error_code ignored;
        std::filesystem::permissions(config_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(config_, ignored);
        unsetenv("XDG_CONFIG_HOME");
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::string& config() const { return config_; }
    std::string store() const { return config_ + "/velmora/registry"; }
    std::string user() const { return store() + "/HKEY_CURRENT_USER"; }

private:
    std::string config_;
};

#endif
