// Saves of the settings file against real files: line ends of every kind,
// values that read back as saved, one replace per save, the lock between
// two processes, a save killed in the middle.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "storage/file_access.h"
#include "storage/file_lock.h"
#include "storage/platform.h"
#include "storage/settings_file.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

class SettingsSave : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = scratchFolder("ampera-save-");
        path_ = (dir_ / "ampera.ini").string();
    }
    void TearDown() override {
        files::faultHook = nullptr;
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    void write(const std::string& bytes) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string get(const std::string& section, const std::string& key) const {
        return getValueString(section, key, path_);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(platform::fromPath(e.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }
    // The transformer save of the main window.
    bool saveTransformer(const std::string& st, const std::string& u, const std::string& uf,
                         std::optional<StorageError>* error = nullptr) {
        return setValues(path_, {{"Tr", "St", st}, {"Tr", "U", u}, {"Tr", "Uf", uf}}, error);
    }

    fs::path dir_;
    std::string path_;
};

}  // namespace

TEST_F(SettingsSave, CrLfAndCrAloneEachEndALine) {
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {
        // A last line cut short after its CR.
        {"[Tr]\r\nSt=630\r\nU=6\r", "[Tr]\r\nSt=400\r\nU=10\rUf=400\r\n"},
        // Lines ended by CR alone throughout.
        {"[Tr]\rSt=630\rU=6\r[R]\rPp=5\r", "[Tr]\rSt=400\rU=10\rUf=400\r\n[R]\rPp=5\r"},
        // Mixed, with empty lines of each kind.
        {"[R]\n\r\r\n[Tr]\nSt=1\r\rU=2\n", "[R]\n\r\r\n[Tr]\nSt=400\r\rU=10\nUf=400\r\n"},
    };
    for (const Case& c : cases) {
        write(c.before);
        ASSERT_TRUE(saveTransformer("400", "10", "400"));
        EXPECT_EQ(read(), c.after) << c.before;
        EXPECT_EQ(get("Tr", "St"), "400");
        EXPECT_EQ(get("Tr", "U"), "10");
        EXPECT_EQ(get("Tr", "Uf"), "400");
    }
    write("[Tr]\rSt=630\rU=6\r[R]\rPp=5");
    EXPECT_EQ(get("Tr", "St"), "630");
    EXPECT_EQ(get("Tr", "U"), "6");
    EXPECT_EQ(get("R", "Pp"), "5");
}

TEST_F(SettingsSave, ValueReadsBackAsSavedAndASecondSaveChangesNoByte) {
    for (const std::string v : {" 400", "400 ", "  ", "\"quoted\"", "'", "\"", "'a'", "a\"b", "\t5,5\t", ""}) {
        ASSERT_TRUE(setValue("Tr", "St", v, path_));
        EXPECT_EQ(get("Tr", "St"), v) << '[' << v << ']';
        const std::string once = read();
        ASSERT_TRUE(setValue("Tr", "St", v, path_));
        ASSERT_TRUE(setValue("Tr", "St", v, path_));
        EXPECT_EQ(read(), once) << '[' << v << ']';
        EXPECT_EQ(get("Tr", "St"), v);
    }
    EXPECT_EQ(read(), "[Tr]\r\nSt=\r\n");
    ASSERT_TRUE(setValue("Tr", "St", " 400", path_));
    EXPECT_EQ(read(), "[Tr]\r\nSt=\" 400\"\r\n");
}

TEST_F(SettingsSave, ByteOrderMarkDoesNotHideTheFirstSection) {
    write("\xEF\xBB\xBF[Tr]\r\nSt=630\r\n");
    EXPECT_EQ(get("Tr", "St"), "630");
    ASSERT_TRUE(saveTransformer("400", "10", "400"));
    EXPECT_EQ(read(), "\xEF\xBB\xBF[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n");
}

TEST_F(SettingsSave, OneSaveIsOneReplaceOfAllItsKeys) {
    write("[Tr]\r\nSt=630\r\n");
    int renames = 0;
    files::faultHook = [&renames](std::string_view step) {
        if (step == "rename") ++renames;
        return 0;
    };
    ASSERT_TRUE(saveTransformer("400", "10", "400"));
    EXPECT_EQ(renames, 1);

    // A failure in the middle changes nothing, and every key gets the error.
    files::faultHook = [](std::string_view step) { return step == "sync" ? ENOSPC : 0; };
    std::optional<StorageError> error;
    EXPECT_FALSE(saveTransformer("1", "2", "3", &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, ENOSPC);
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});

    // So does one invalid key among valid ones.
    files::faultHook = nullptr;
    EXPECT_FALSE(setValues(path_, {{"Tr", "St", "1"}, {"Tr", "U", "2\n"}}, &error));
    EXPECT_EQ(error->code, EINVAL);
    EXPECT_EQ(get("Tr", "St"), "400");
}

// Another copy of the program saving the transformer at args[0], killed just
// before its rename.
const OtherProcess::Registration killedSave("killed-save", [](const std::vector<std::string>& args) {
    files::faultHook = [](std::string_view step) {
        if (step == "rename") OtherProcess::dieAbruptly();
        return 0;
    };
    return setValues(args[0], {{"Tr", "St", "400"}, {"Tr", "U", "10"}, {"Tr", "Uf", "400"}}) ? 0 : 1;
});

TEST_F(SettingsSave, SaveKilledBeforeItsRenameLeavesTheOldFileAndTheNextSaveCleansUp) {
    write("[Tr]\r\nSt=630\r\nU=6\r\n");
    OtherProcess child;
    ASSERT_TRUE(child.start("killed-save", {path_}));
    ASSERT_EQ(child.wait(), OtherProcess::kKilled);
    EXPECT_EQ(read(), "[Tr]\r\nSt=630\r\nU=6\r\n");
    EXPECT_EQ(get("Tr", "St"), "630");
#ifdef _WIN32
    // Windows removes a lock file with the last handle to it.
    EXPECT_EQ(entries(), (std::vector<std::string>{".ampera.ini.tmp", "ampera.ini"}));
#else
    EXPECT_EQ(entries(), (std::vector<std::string>{".ampera.ini.lock", ".ampera.ini.tmp", "ampera.ini"}));
#endif

    ASSERT_TRUE(saveTransformer("400", "10", "400"));
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

// Another copy of the program saving keys A0, B0, A1, ... of section args[1]
// into args[0], two at a time.
const OtherProcess::Registration keySaves("key-saves", [](const std::vector<std::string>& args) {
    bool ok = true;
    for (int k = 0; k < 40; ++k) {
        const std::string n = std::to_string(k);
        ok = setValues(args[0], {{args[1], "A" + n, n}, {args[1], "B" + n, n}}) && ok;
    }
    return ok ? 0 : 1;
});

TEST_F(SettingsSave, TwoProcessesSavingAtOnceKeepEachOthersKeys) {
    OtherProcess copies[2];
    const char* sections[2] = {"Tr", "Ad"};
    for (int c = 0; c < 2; ++c) ASSERT_TRUE(copies[c].start("key-saves", {path_, sections[c]}));
    for (OtherProcess& copy : copies) EXPECT_EQ(copy.wait(), 0);
    for (int k = 0; k < 40; ++k) {
        const std::string n = std::to_string(k);
        EXPECT_EQ(get("Tr", "A" + n), n);
        EXPECT_EQ(get("Tr", "B" + n), n);
        EXPECT_EQ(get("Ad", "A" + n), n);
        EXPECT_EQ(get("Ad", "B" + n), n);
    }
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

TEST_F(SettingsSave, ALockHeldElsewhereFailsTheSaveInsteadOfWaitingForever) {
    write("[Tr]\r\nSt=630\r\n");
    const std::string lockPath = files::lockPathFor(path_);
    std::intptr_t other = -1;
    ASSERT_EQ(platform::tryLock(lockPath, other), 0);
    std::optional<StorageError> error;
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EWOULDBLOCK);
    EXPECT_EQ(error->description, "Ресурс временно недоступен");
    EXPECT_EQ(read(), "[Tr]\r\nSt=630\r\n");
    platform::unlock(lockPath, other);

    // A lock file its holder left behind (a killed copy) is taken over.
    std::ofstream(lockPath).put('x');
    ASSERT_TRUE(saveTransformer("400", "10", "400"));
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

TEST_F(SettingsSave, FilesThatAreNoFilesChangeNothingAndNeverBlock) {
    // A directory in place of the file's lock.
    write("[Tr]\r\nSt=630\r\n");
    std::optional<StorageError> error;
    fs::create_directory(files::lockPathFor(path_));
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    EXPECT_TRUE(error.has_value());
    fs::remove(files::lockPathFor(path_));
    EXPECT_EQ(read(), "[Tr]\r\nSt=630\r\n");

    AMPERA_SKIP_ON_WINDOWS("named pipes in the file system and links to devices");
    // A pipe in place of the file, a device behind links in place of its lock and temporary file.
    fs::remove(path_);
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
#endif
    EXPECT_EQ(getValueString("Tr", "St", path_, &error), "");
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    EXPECT_TRUE(error.has_value());
    fs::remove(path_);

    write("[Tr]\r\nSt=630\r\n");
    fs::create_symlink("/dev/null", files::lockPathFor(path_));
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    fs::remove(files::lockPathFor(path_));
    fs::create_symlink("/dev/null", files::temporaryPathFor(path_));
    ASSERT_TRUE(saveTransformer("400", "10", "400"));  // the link is removed, never written through
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}
