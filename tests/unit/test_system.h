#pragma once

// What the unit tests need of the system they run on, the same on Linux and
// Windows: scratch folders, other processes of this test program, and the
// skipping of what one system alone has.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Skips the rest of a test on Windows, saying why.
#ifdef _WIN32
#define AMPERA_SKIP_ON_WINDOWS(why) GTEST_SKIP() << "POSIX only: " << why
#else
#define AMPERA_SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif

// A new empty folder of the test's own in the system's temporary folder,
// named prefix and a random part.
std::filesystem::path scratchFolder(const std::string& prefix);

// The path as UTF-8 with forward slashes, to compare with an expected text on either system.
std::string slashed(const std::string& path);

// Another process running this test program, doing one role: a function
// registered under a name, given text arguments, whose result is the
// process's exit code.
class OtherProcess {
public:
    using Role = std::function<int(const std::vector<std::string>& args)>;
    // Registers a role; a namespace-scope object per role does it at start.
    struct Registration {
        Registration(const std::string& name, Role role);
    };

    OtherProcess() = default;
    OtherProcess(const OtherProcess&) = delete;
    OtherProcess& operator=(const OtherProcess&) = delete;
    ~OtherProcess();

    bool start(const std::string& role, const std::vector<std::string>& args = {});
    // The exit code; kKilled for a process that ended itself with dieAbruptly.
    int wait();

    static constexpr int kKilled = 137;
    // Ends this process at once, as a crash or a kill would: no destructor,
    // no flush, no cleanup of any kind.
    [[noreturn]] static void dieAbruptly();

private:
    std::intptr_t process_ = -1;
};

// Caps the size of files this process may write while it lives, so that a
// write fails part way (EFBIG) as on a full disk. POSIX only: nothing on Windows.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit();

private:
    std::uint64_t old_ = 0;
    void (*previousHandler_)(int) = nullptr;
};

// Waits until the file at path exists (another process's sign); false
// after timeoutMs.
bool waitForFile(const std::filesystem::path& path, int timeoutMs = 10000);
