// Saves of the settings file against real files: line ends of every kind,
// values that read back as saved, one replace per save, the lock between
// two processes, a save killed in the middle.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "storage/file_access.h"
#include "storage/file_lock.h"
#include "storage/settings_file.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

class SettingsSave : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ampera-save-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
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
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
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

TEST_F(SettingsSave, SaveKilledBeforeItsRenameLeavesTheOldFileAndTheNextSaveCleansUp) {
    write("[Tr]\r\nSt=630\r\nU=6\r\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        files::faultHook = [](std::string_view step) {
            if (step == "rename") ::raise(SIGKILL);
            return 0;
        };
        saveTransformer("400", "10", "400");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(read(), "[Tr]\r\nSt=630\r\nU=6\r\n");
    EXPECT_EQ(get("Tr", "St"), "630");
    EXPECT_EQ(entries(), (std::vector<std::string>{".ampera.ini.lock", ".ampera.ini.tmp", "ampera.ini"}));

    ASSERT_TRUE(saveTransformer("400", "10", "400"));
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

TEST_F(SettingsSave, TwoProcessesSavingAtOnceKeepEachOthersKeys) {
    constexpr int kSaves = 40;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            bool ok = true;
            for (int k = 0; k < kSaves; ++k) {
                const std::string n = std::to_string(k);
                ok = setValues(path_, {{c == 0 ? "Tr" : "Ad", "A" + n, n}, {c == 0 ? "Tr" : "Ad", "B" + n, n}}) && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int k = 0; k < kSaves; ++k) {
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
    const int other = ::open(files::lockPathFor(path_).c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    std::optional<StorageError> error;
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EWOULDBLOCK);
    EXPECT_EQ(error->description, "Ресурс временно недоступен");
    EXPECT_EQ(read(), "[Tr]\r\nSt=630\r\n");
    ::close(other);

    // A lock file its holder left behind (a killed copy) is taken over.
    ASSERT_TRUE(saveTransformer("400", "10", "400"));
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

TEST_F(SettingsSave, FilesThatAreNoFilesChangeNothingAndNeverBlock) {
    // A pipe, a directory and a device in place of the file or of its lock.
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    std::optional<StorageError> error;
    EXPECT_EQ(getValueString("Tr", "St", path_, &error), "");
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    EXPECT_TRUE(error.has_value());
    fs::remove(path_);

    write("[Tr]\r\nSt=630\r\n");
    fs::create_directory(files::lockPathFor(path_));
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    EXPECT_TRUE(error.has_value());
    fs::remove(files::lockPathFor(path_));
    fs::create_symlink("/dev/null", files::lockPathFor(path_));
    EXPECT_FALSE(saveTransformer("400", "10", "400", &error));
    fs::remove(files::lockPathFor(path_));
    fs::create_symlink("/dev/null", files::temporaryPathFor(path_));
    ASSERT_TRUE(saveTransformer("400", "10", "400"));  // the link is removed, never written through
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}
