#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "storage/help_copy.h"
#include "storage/platform.h"
#include "tests/unit/environment.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
void write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }
unsigned modeOf(const fs::path& p) {
    platform::FileStatus st;
    return platform::status(platform::fromPath(p), st) == 0 ? st.permissions : 0;
}

// A scratch tree of its own: the help file, a home, a runtime and a
// temporary folder, and a file another user might want overwritten.
class HelpCopy : public ::testing::Test {
public:
    void SetUp() override {
        root_ = scratchFolder("ampera-help-");
        fresh();
    }
    // The tree and the environment as at the start of a test.
    void fresh() {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(root_)) fs::remove_all(entry.path(), ec);
        for (const char* d : {"home", "runtime", "tmp"}) fs::create_directory(root_ / d);
        fs::permissions(root_ / "runtime", fs::perms(0700));
        write(help(), "<html>справка</html>");
        write(victim(), "чужой файл");
        env_.set("HOME", (root_ / "home").string());
        env_.set("TMPDIR", (root_ / "tmp").string());
        env_.set("XDG_RUNTIME_DIR", (root_ / "runtime").string());
        env_.unset("XDG_CACHE_HOME");
        env_.set("LOCALAPPDATA", (root_ / "home" / ".cache").string());  // Windows' cache folder
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    fs::path help() const { return root_ / "ampera.hlp"; }
    fs::path victim() const { return root_ / "victim"; }
    fs::path defaultCache() const { return root_ / "home" / ".cache" / "ampera"; }

    fs::path root_;
    Environment env_;
};

}  // namespace

TEST_F(HelpCopy, PlantedLinksAreReplacedByAPrivateFileAndTheirTargetsKept) {
    AMPERA_SKIP_ON_WINDOWS("the runtime folder and links planted in a shared temporary folder");
    // Links at the copy's name in the runtime folder and at the old shared name.
    fs::create_symlink(victim(), root_ / "runtime" / "ampera-help.html");
    fs::create_symlink(victim(), root_ / "tmp" / "ampera.html");
    for (const std::string content : {"<html>справка</html>", "<html>новая справка</html>"}) {
        write(help(), content);
        std::string copy;
        StorageError error;
        ASSERT_TRUE(writeHelpCopy(help().string(), copy, error)) << error.description;
        EXPECT_EQ(copy, (root_ / "runtime" / "ampera-help.html").string());
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(copy)));
        EXPECT_EQ(modeOf(copy), 0600u);
        EXPECT_EQ(read(copy), content);  // replaced each time
    }
    EXPECT_EQ(read(victim()), "чужой файл");
    EXPECT_TRUE(fs::is_symlink(root_ / "tmp" / "ampera.html"));
    EXPECT_EQ(read(help()), "<html>новая справка</html>");
    // Only the copy is left in the runtime folder: no temporary or lock file.
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "runtime"), fs::directory_iterator()), 1);
}

TEST_F(HelpCopy, WithoutAPrivateRuntimeFolderTheCacheFolderIsMadePrivate) {
    struct Case {
        const char* what;
        void (*prepare)(HelpCopy&);
        fs::path (*folder)(const HelpCopy&);
    };
    const Case cases[] = {
        {"no XDG_RUNTIME_DIR", [](HelpCopy& t) { t.env_.unset("XDG_RUNTIME_DIR"); },
         [](const HelpCopy& t) { return t.defaultCache(); }},
#ifndef _WIN32  // the runtime folder, permission bits and XDG_CACHE_HOME are POSIX's
        {"a runtime folder others may enter",
         [](HelpCopy& t) { fs::permissions(t.root_ / "runtime", fs::perms(0755)); },
         [](const HelpCopy& t) { return t.defaultCache(); }},
        {"a relative XDG_RUNTIME_DIR", [](HelpCopy& t) { t.env_.set("XDG_RUNTIME_DIR", "runtime"); },
         [](const HelpCopy& t) { return t.defaultCache(); }},
        {"XDG_CACHE_HOME, an open ampera folder in it",
         [](HelpCopy& t) {
             t.env_.unset("XDG_RUNTIME_DIR");
             t.env_.set("XDG_CACHE_HOME", (t.root_ / "cache").string());
             fs::create_directories(t.root_ / "cache" / "ampera");
             fs::permissions(t.root_ / "cache" / "ampera", fs::perms(0777));
         },
         [](const HelpCopy& t) { return t.root_ / "cache" / "ampera"; }},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fresh();
        c.prepare(*this);
        std::string copy;
        StorageError error;
        ASSERT_TRUE(writeHelpCopy(help().string(), copy, error)) << error.description;
        EXPECT_EQ(slashed(copy), slashed((c.folder(*this) / "ampera-help.html").string()));
#ifndef _WIN32
        EXPECT_EQ(modeOf(c.folder(*this)), 0700u);
        EXPECT_EQ(modeOf(copy), 0600u);
#endif
        EXPECT_EQ(read(copy), read(help()));
    }
}

TEST_F(HelpCopy, AFolderThatCannotBeMadeOrAMissingHelpFails) {
    struct Case {
        const char* what;
        void (*prepare)(HelpCopy&);
        int code;
    };
    const Case cases[] = {
        {"the cache folder is a file", [](HelpCopy& t) { write(t.root_ / "home" / ".cache", ""); }, ENOTDIR},
#ifndef _WIN32  // links need a privilege on Windows
        {"the ampera folder is a link",
         [](HelpCopy& t) {
             fs::create_directories(t.root_ / "home" / ".cache");
             fs::create_symlink(t.root_ / "tmp", t.defaultCache());
         },
         ENOTDIR},
#endif
        {"no help file", [](HelpCopy& t) { fs::remove(t.help()); }, ENOENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fresh();
        env_.unset("XDG_RUNTIME_DIR");
        c.prepare(*this);
        std::string copy;
        StorageError error;
        EXPECT_FALSE(writeHelpCopy(help().string(), copy, error));
        EXPECT_EQ(error.code, c.code);
        EXPECT_TRUE(fs::is_empty(root_ / "tmp"));  // nothing written through the link
    }
}
