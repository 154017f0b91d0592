#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#ifndef _WIN32
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "storage/cp1251.h"
#include "storage/file_locations.h"
#include "storage/platform.h"
#include "storage/report_writer.h"
#include "storage/settings_file.h"
#include "tests/unit/environment.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

// A file's text, decoded from Windows-1251.
std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return cp1251ToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
}

// A scratch tree: prefix/bin holds the executable's folder, home the user's.
class Locations : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = scratchFolder("ampera-locations-");
        fs::permissions(root_, fs::perms(0755));
        fs::create_directories(bin());
        fs::create_directories(home());
        env_.set("HOME", home().string());
        env_.set("XDG_CONFIG_HOME", (home() / "config").string());
        env_.set("XDG_DOCUMENTS_DIR", (home() / "Документы").string());
        env_.set("APPDATA", (home() / "config").string());  // Windows' configuration folder
    }
    void TearDown() override {
        std::error_code ec;
        for (auto& p : fs::recursive_directory_iterator(root_, ec))
            if (p.is_directory()) fs::permissions(p.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(bin(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root_, ec);
    }
    fs::path bin() const { return root_ / "prefix" / "bin"; }
    fs::path home() const { return root_ / "home"; }
    void installHelp() {
        fs::create_directories(root_ / "prefix" / "share" / "ampera");
        std::ofstream(root_ / "prefix" / "share" / "ampera" / "ampera.hlp") << "<html></html>";
    }

    fs::path root_;
    Environment env_;
};

// What the program does with its files in one run: the locations decided at
// start, a setting saved and read back, one report appended. Empty on
// success, otherwise what went wrong.
std::string oneRun(const std::string& programDir, FileLocations* seen = nullptr) {
    const FileLocations l = decideLocations(findLocationFacts(programDir, "../share/ampera"));
    if (seen) *seen = l;
    StorageError folderError;
    if (!makeFolder(l.settingsFolder, folderError)) return "settings folder: " + folderError.description;
    std::optional<StorageError> error;
    if (!setValue("Tr", "St", "0,4", l.settings, &error)) return "save: " + (error ? error->description : "");
    if (getValueString("Tr", "St", l.settings, &error) != "0,4") return "the saved value does not read back";
    ReportData d;
    d.st = "400";
    d.computedCurrent = "12,2309";
    if (!makeFolder(l.reportFolder, folderError)) return "report folder: " + folderError.description;
    if (!appendReport(l.report, d, &error)) return "report: " + (error ? error->description : "");
    return {};
}

}  // namespace

TEST(FileLocationsDecision, OnlyAWritableFolderOutsideAnInstallationIsPortable) {
    LocationFacts f;
    f.programDir = "/opt/calc";
    f.configHome = "/home/u/.config";
    f.documentsDir = "/home/u/Документы";

    f.programDirWritable = true;
    FileLocations l = decideLocations(f);
    EXPECT_TRUE(l.portable);
    EXPECT_EQ(slashed(l.settings), "/opt/calc/ampera.ini");
    EXPECT_EQ(slashed(l.report), "/opt/calc/ampera.txt");
    EXPECT_EQ(slashed(l.help), "/opt/calc/ampera.hlp");
    EXPECT_EQ(l.settingsFolder + l.reportFolder, "");  // nothing to make

    // Read-only and outside an installation: the help stays beside the program.
    f.programDirWritable = false;
    l = decideLocations(f);
    EXPECT_FALSE(l.portable);
    EXPECT_EQ(slashed(l.settings), "/home/u/.config/ampera/ampera.ini");
    EXPECT_EQ(slashed(l.settingsFolder), "/home/u/.config/ampera");
    EXPECT_EQ(slashed(l.report), "/home/u/Документы/ampera.txt");
    EXPECT_EQ(slashed(l.reportFolder), "/home/u/Документы");
    EXPECT_EQ(slashed(l.help), "/opt/calc/ampera.hlp");

    // An installation, writable (~/.local, or root's /usr) or not, uses the user's folders.
    f.installedDataDir = "/usr/share/ampera";
    for (bool writable : {false, true}) {
        f.programDirWritable = writable;
        l = decideLocations(f);
        EXPECT_FALSE(l.portable);
        EXPECT_EQ(slashed(l.settings), "/home/u/.config/ampera/ampera.ini");
        EXPECT_EQ(slashed(l.report), "/home/u/Документы/ampera.txt");
        EXPECT_EQ(slashed(l.help), "/usr/share/ampera/ampera.hlp");
    }
}

TEST_F(Locations, UserFoldersFromTheEnvironmentAndUserDirs) {
    AMPERA_SKIP_ON_WINDOWS("the XDG folders; Windows has its known folders");
    EXPECT_EQ(platform::userConfigHome(), (home() / "config").string());
    EXPECT_EQ(platform::userDocumentsDir(), (home() / "Документы").string());

    // Relative values do not count; the documents folder then comes from user-dirs.dirs.
    env_.set("XDG_CONFIG_HOME", "config");
    env_.unset("XDG_DOCUMENTS_DIR");
    EXPECT_EQ(platform::userConfigHome(), (home() / ".config").string());
    EXPECT_EQ(platform::userDocumentsDir(), home().string());  // no user-dirs.dirs: home
    fs::create_directories(home() / ".config");
    std::ofstream(home() / ".config" / "user-dirs.dirs")
        << "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n";
    EXPECT_EQ(platform::userDocumentsDir(), (home() / "Docs").string());
    std::ofstream(home() / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"/srv/papers/\"\n";
    EXPECT_EQ(platform::userDocumentsDir(), "/srv/papers");
    std::ofstream(home() / ".config" / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"papers\"\n";
    EXPECT_EQ(platform::userDocumentsDir(), home().string());
}

#ifdef _WIN32
TEST_F(Locations, WindowsFoldersFromTheEnvironmentAndTheKnownFolders) {
    EXPECT_EQ(platform::userConfigHome(), (home() / "config").string());
    env_.set("LOCALAPPDATA", (home() / "local").string());
    EXPECT_EQ(platform::userCacheHome(), (home() / "local").string());
    // Relative values do not count: the known folders then answer.
    env_.set("APPDATA", "config");
    EXPECT_TRUE(platform::toPath(platform::userConfigHome()).is_absolute());
    EXPECT_TRUE(platform::toPath(platform::userDocumentsDir()).is_absolute());
}
#endif

TEST_F(Locations, WritableProgramFolderKeepsTheFilesBesideTheProgram) {
    FileLocations l;
    EXPECT_EQ(oneRun(bin().string(), &l), "");
    EXPECT_TRUE(l.portable);
    EXPECT_NE(read(bin() / "ampera.ini").find("St=0,4"), std::string::npos);
    EXPECT_NE(read(bin() / "ampera.txt").find("Sт,кВА = 400"), std::string::npos);
    EXPECT_FALSE(fs::exists(home() / "config"));
    EXPECT_FALSE(fs::exists(home() / "Документы"));

    // The same folder as the bin folder of an installation (~/.local/bin) is no portable copy.
    installHelp();
    l = decideLocations(findLocationFacts(bin().string(), "../share/ampera"));
    EXPECT_FALSE(l.portable);
    EXPECT_EQ(l.help, (root_ / "prefix" / "share" / "ampera" / "ampera.hlp").string());
    EXPECT_EQ(l.settings, (home() / "config" / "ampera" / "ampera.ini").string());
}

#ifndef _WIN32
// Gives up the capabilities that let root pass file permission checks, so
// that permissions apply to this process as to any owner. True on success.
bool dropPermissionOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

#endif

// A read-only program folder, for real: as root (who may write anywhere) the
// run happens in a child process that has given up overriding permissions.
// (It stays root, so the scratch tree may lie in a temporary folder private
// to the user.)
TEST_F(Locations, ReadOnlyProgramFolderUsesTheUsersFolders) {
    AMPERA_SKIP_ON_WINDOWS("permission bits and root's capabilities");
#ifndef _WIN32
    fs::create_directories(root_ / "locked");
    fs::permissions(bin(), fs::perms(0555));
    fs::permissions(root_ / "locked", fs::perms(0555));

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && !dropPermissionOverrides()) _exit(3);
        FileLocations l;
        std::string failure = oneRun(bin().string(), &l);
        if (failure.empty() && l.portable) failure = "taken for a portable copy";
        if (failure.empty() && l.help != (bin() / "ampera.hlp").string()) failure = "help at " + l.help;
        // A configuration folder that cannot be made: the save fails, nothing is written.
        ::setenv("XDG_CONFIG_HOME", (root_ / "locked" / "config").c_str(), 1);
        if (failure.empty() && oneRun(bin().string()).rfind("settings folder: Отказано в доступе", 0) != 0)
            failure = "an unmakable configuration folder was not refused";
        ::setenv("XDG_DOCUMENTS_DIR", (root_ / "locked").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home() / "config").c_str(), 1);
        if (failure.empty() && oneRun(bin().string()).rfind("report: ", 0) != 0)
            failure = "an unwritable documents folder was not refused";
        if (!failure.empty()) std::fprintf(stderr, "%s\n", failure.c_str());
        _exit(failure.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    EXPECT_NE(read(home() / "config" / "ampera" / "ampera.ini").find("St=0,4"), std::string::npos);
    EXPECT_NE(read(home() / "Документы" / "ampera.txt").find("Sт,кВА = 400"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(bin()));
    EXPECT_TRUE(fs::is_empty(root_ / "locked"));
#endif
}
