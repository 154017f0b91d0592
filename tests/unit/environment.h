#pragma once

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "storage/platform.h"

// Sets environment variables for one test and puts the old values back.
class Environment {
public:
    void set(const char* name, const std::string& value) {
        remember(name);
        put(name, value);
    }
    void unset(const char* name) {
        remember(name);
        put(name, std::nullopt);
    }
    ~Environment() {
        for (auto& [name, value] : saved_) put(name.c_str(), value);
    }

private:
    void remember(const char* name) {
        if (!saved_.count(name)) saved_[name] = ampera::platform::environment(name);
    }
    // On Windows in UTF-16, as the system keeps it; an empty value removes the variable there.
    static void put(const char* name, const std::optional<std::string>& value) {
#ifdef _WIN32
        const std::wstring text = value ? ampera::platform::toPath(*value).wstring() : std::wstring();
        ::_wputenv_s(ampera::platform::toPath(name).wstring().c_str(), text.c_str());
#else
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
#endif
    }
    std::map<std::string, std::optional<std::string>> saved_;
};
