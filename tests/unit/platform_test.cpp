// The platform layer where another process is involved, and names in
// Cyrillic with blanks: the same outcome on Linux and on Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "storage/file_access.h"
#include "storage/file_lock.h"
#include "storage/file_save.h"
#include "storage/platform.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

// Writes a file whose existence tells the test that the role has reached its point.
void signal(const std::string& path) { std::ofstream(platform::toPath(path)) << "ready"; }

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Holds the file at args[0] open for reading for a while, as another program
// would (on Windows without letting it be deleted or replaced), then reads
// it whole through that handle and writes what it read to args[2]. args[1]
// is its sign.
const OtherProcess::Registration holdOpen("hold-open", [](const std::vector<std::string>& args) {
    std::ifstream in(platform::toPath(args[0]), std::ios::binary);
    if (!in) return 1;
    signal(args[1]);
    pause(300);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    StorageError error;
    return files::saveWhole(args[2], bytes, error) ? 0 : 3;
});

// Holds the lock of args[0] for args[2] milliseconds, or dies holding it
// when that is "die". args[1] is its sign.
const OtherProcess::Registration holdLock("hold-lock", [](const std::vector<std::string>& args) {
    files::FileLock lock;
    StorageError error;
    if (!lock.acquire(args[0], 1000, error)) return 1;
    signal(args[1]);
    if (args[2] == "die") OtherProcess::dieAbruptly();
    pause(std::stoi(args[2]));
    return 0;
});

class Platform : public ::testing::Test {
protected:
    void SetUp() override { root_ = scratchFolder("ampera-platform-"); }
    void TearDown() override { fs::remove_all(root_); }
    std::string at(const std::string& name) const { return platform::fromPath(root_ / platform::toPath(name)); }
    std::string read(const std::string& path) const { return files::readWhole(path).bytes; }

    fs::path root_;
};

}  // namespace

TEST_F(Platform, ACyrillicNameWithBlanksIsSavedReadLockedAndListed) {
    const std::string folder = at("Проект №1/подстанция ТП-12");
    ASSERT_EQ(platform::makeFolders(folder), 0);
    const std::string path = folder + "/расчёт 1 (копия).ampera";
    StorageError error;
    ASSERT_TRUE(files::saveWhole(path, "первое", error)) << error.description;
    ASSERT_TRUE(files::saveWhole(path, "второе", error)) << error.description;
    EXPECT_EQ(read(path), "второе");
    ASSERT_TRUE(files::append(folder + "/отчёт.txt", "строка\n", error)) << error.description;
    files::FileLock lock;
    ASSERT_TRUE(lock.acquire(path, 100, error)) << error.description;
    lock.release();

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(platform::toPath(folder)))
        names.push_back(platform::fromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"отчёт.txt", "расчёт 1 (копия).ampera"}));
    platform::FileStatus st;
    ASSERT_EQ(platform::status(folder, st), 0);
    EXPECT_EQ(st.kind, platform::FileKind::Directory);
}

// A reader keeps the file it opened; the replace waits for it where the
// system will not replace a file in use (Windows), and puts the new file in place.
TEST_F(Platform, AReplaceOverAFileAnotherProcessHoldsOpen) {
    const std::string path = at("сеть.ampera");
    StorageError error;
    ASSERT_TRUE(files::saveWhole(path, "old", error));
    OtherProcess reader;
    ASSERT_TRUE(reader.start("hold-open", {path, at("ready"), at("seen")}));
    ASSERT_TRUE(waitForFile(root_ / "ready"));
    EXPECT_TRUE(files::saveWhole(path, "new", error)) << error.description;
    EXPECT_EQ(reader.wait(), 0);
    EXPECT_EQ(read(path), "new");
    EXPECT_EQ(read(at("seen")), "old");
}

// A lock another process holds: a short wait reports it, a long one gets
// it once the holder lets go; a holder that dies loses it.
TEST_F(Platform, ALockHeldByAnotherProcess) {
    const std::string path = at("ampera.ini");
    OtherProcess holder;
    ASSERT_TRUE(holder.start("hold-lock", {path, at("ready"), "700"}));
    ASSERT_TRUE(waitForFile(root_ / "ready"));
    files::FileLock lock;
    StorageError error;
    EXPECT_FALSE(lock.acquire(path, 50, error));
    EXPECT_EQ(error.description, "Ресурс временно недоступен");
    EXPECT_TRUE(lock.acquire(path, 10000, error)) << error.description;
    EXPECT_EQ(holder.wait(), 0);
    lock.release();

    OtherProcess dying;
    fs::remove(root_ / "ready");
    ASSERT_TRUE(dying.start("hold-lock", {path, at("ready"), "die"}));
    ASSERT_TRUE(waitForFile(root_ / "ready"));
    EXPECT_EQ(dying.wait(), OtherProcess::kKilled);
    EXPECT_TRUE(lock.acquire(path, 1000, error)) << error.description;
}
