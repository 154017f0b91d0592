#include "tests/unit/test_system.h"

#include <chrono>
#include <cstdlib>
#include <map>
#include <random>
#include <thread>

#include "storage/platform.h"
#include "tests/unit/environment.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fs = std::filesystem;
using namespace ampera;

namespace {

// The role and its arguments reach the other process in this variable,
// separated by kSeparator.
constexpr const char* kRoleVariable = "AMPERA_TEST_ROLE";
constexpr char kSeparator = '\x1f';

std::map<std::string, OtherProcess::Role>& roles() {
    static std::map<std::string, OtherProcess::Role> all;
    return all;
}

fs::path thisProgram() {
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    name.resize(::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
    return fs::path(name);
#else
    return fs::read_symlink("/proc/self/exe");
#endif
}

}  // namespace

fs::path scratchFolder(const std::string& prefix) {
    std::random_device random;
    for (;;) {
        const fs::path folder = fs::temp_directory_path() / platform::toPath(prefix + std::to_string(random()));
        if (fs::create_directory(folder)) return folder;
    }
}

std::string slashed(const std::string& path) {
    const std::u8string text = platform::toPath(path).generic_u8string();
    return std::string(text.begin(), text.end());
}

OtherProcess::Registration::Registration(const std::string& name, Role role) { roles()[name] = std::move(role); }

// The other process's side: this test, run alone in it, does the role.
TEST(OtherProcess, DISABLED_Role) {
    const std::string text = platform::environment(kRoleVariable).value_or("");
    std::vector<std::string> parts{""};
    for (const char c : text) {
        if (c == kSeparator) parts.emplace_back();
        else parts.back().push_back(c);
    }
    const auto role = roles().find(parts.front());
    ASSERT_NE(role, roles().end()) << "no role " << parts.front();
    std::exit(role->second(std::vector<std::string>(parts.begin() + 1, parts.end())));
}

bool OtherProcess::start(const std::string& role, const std::vector<std::string>& args) {
    std::string text = role;
    for (const std::string& a : args) text += kSeparator + a;
    Environment env;
    env.set(kRoleVariable, text);
    const std::string filter = "--gtest_filter=OtherProcess.DISABLED_Role";
    const std::string disabled = "--gtest_also_run_disabled_tests";
    const std::string brief = "--gtest_brief=1";
#ifdef _WIN32
    const std::wstring program = thisProgram().wstring();
    std::wstring command = L"\"" + program + L"\"";
    for (const std::string& a : {filter, disabled, brief}) command += L" " + platform::toPath(a).wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return false;
    ::CloseHandle(info.hThread);
    process_ = reinterpret_cast<std::intptr_t>(info.hProcess);
#else
    const std::string program = thisProgram().string();
    std::vector<char*> argv;
    for (const std::string* a : {&program, &filter, &disabled, &brief}) argv.push_back(const_cast<char*>(a->c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
    process_ = pid;
#endif
    return true;
}

int OtherProcess::wait() {
    if (process_ < 0) return -1;
    int code = -1;
#ifdef _WIN32
    const HANDLE h = reinterpret_cast<HANDLE>(process_);
    DWORD exitCode = 0;
    if (::WaitForSingleObject(h, INFINITE) == WAIT_OBJECT_0 && ::GetExitCodeProcess(h, &exitCode))
        code = static_cast<int>(exitCode);
    ::CloseHandle(h);
#else
    int status = 0;
    if (::waitpid(static_cast<pid_t>(process_), &status, 0) > 0)
        code = WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
#endif
    process_ = -1;
    return code;
}

OtherProcess::~OtherProcess() { wait(); }

void OtherProcess::dieAbruptly() {
#ifdef _WIN32
    ::TerminateProcess(::GetCurrentProcess(), kKilled);
#else
    ::raise(SIGKILL);
#endif
    std::abort();
}

#ifdef _WIN32
FileSizeLimit::FileSizeLimit(std::uint64_t) {}
FileSizeLimit::~FileSizeLimit() = default;
#else
FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    old_ = limit.rlim_cur;
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = old_;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler_);
}
#endif

bool waitForFile(const fs::path& path, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}
