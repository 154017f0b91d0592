#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>

#include "storage/cp1251.h"
#include "storage/settings_file.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = scratchFolder("ampera-settings-");
        path_ = (dir_ / "ampera.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    void write(const std::string& bytes) { writeAt(path_, bytes); }
    static void writeAt(const std::string& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read() const { return readAt(path_); }
    static std::string readAt(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string get(const std::string& section, const std::string& key) {
        std::optional<StorageError> error;
        std::string value = getValueString(section, key, path_, &error);
        EXPECT_FALSE(error.has_value()) << error->description;
        return value;
    }
    void set(const std::string& section, const std::string& key, const std::string& value) {
        std::optional<StorageError> error;
        EXPECT_TRUE(setValue(section, key, value, path_, &error));
        EXPECT_FALSE(error.has_value()) << error->description;
    }
    // Names of the files in the test directory.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    std::string path_;
};

bool runningAsRoot() {
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

}  // namespace

TEST_F(SettingsFile, MissingOrEmptyFileReadsEmptyWithoutError) {
    EXPECT_EQ(get("Tr", "St"), "");
    EXPECT_FALSE(fs::exists(path_));  // reading creates nothing
    // A missing directory on the way is as good as a missing file.
    std::optional<StorageError> error;
    EXPECT_EQ(getValueString("Tr", "St", (dir_ / "none" / "ampera.ini").string(), &error), "");
    EXPECT_FALSE(error.has_value());

    write("");
    EXPECT_EQ(get("Tr", "St"), "");
}

TEST_F(SettingsFile, ReadsValuesOfTheNamedSection) {
    write("[Tr]\r\nSt=400\r\nU=10\r\nUf=400\r\n[Ad]\r\nIk=100\r\nK=7\r\n");
    EXPECT_EQ(get("Tr", "St"), "400");
    EXPECT_EQ(get("Tr", "U"), "10");
    EXPECT_EQ(get("Ad", "K"), "7");
    EXPECT_EQ(get("Ad", "St"), "");  // key of another section
    EXPECT_EQ(get("R", "Pp"), "");   // no such section
    EXPECT_EQ(get("Tr", "Pk"), "");  // no such key
}

TEST_F(SettingsFile, KeysBeforeAnySectionBelongToNone) {
    write("St=400\r\nU=10\r\n");
    EXPECT_EQ(get("Tr", "St"), "");
    EXPECT_EQ(get("", "St"), "");
}

TEST_F(SettingsFile, NamesMatchWithoutRegardToCase) {
    write(utf8ToCp1251("[TR]\r\nst=400\r\n[Секция ёж]\r\nКлюч=да\r\n"));
    EXPECT_EQ(get("Tr", "St"), "400");
    EXPECT_EQ(get("tr", "ST"), "400");
    EXPECT_EQ(get("СЕКЦИЯ ЁЖ", "ключ"), "да");
    EXPECT_EQ(get("секция ёж", "КЛЮЧ"), "да");
    EXPECT_EQ(get("Секция еж", "Ключ"), "");  // е is not ё

    set("ЇЇ ҐҐ", "Ab", "1");
    EXPECT_EQ(get("її ґґ", "aB"), "1");
    set("її ґґ", "AB", "2");
    EXPECT_EQ(get("Її Ґґ", "ab"), "2");
}

TEST_F(SettingsFile, BlanksAroundNamesAndValuesDoNotCount) {
    write("  [ Tr ]  \r\n\t St \t=  0,4  \r\nU=\r\n  [R]\nPp =   \n");
    EXPECT_EQ(get("Tr", "St"), "0,4");
    EXPECT_EQ(get(" Tr ", " St "), "0,4");
    EXPECT_EQ(get("Tr", "U"), "");
    EXPECT_EQ(get("R", "Pp"), "");
}

TEST_F(SettingsFile, FirstSectionAndFirstKeyWin) {
    write("[Tr]\r\nSt=1\r\nSt=2\r\n[tr]\r\nSt=3\r\nU=4\r\n");
    EXPECT_EQ(get("Tr", "St"), "1");
    EXPECT_EQ(get("Tr", "U"), "");  // only the first section is looked at

    set("Tr", "St", "5");
    set("Tr", "U", "6");
    EXPECT_EQ(read(), "[Tr]\r\nSt=5\r\nSt=2\r\nU=6\r\n[tr]\r\nSt=3\r\nU=4\r\n");
}

TEST_F(SettingsFile, LinesWithoutEqualsAndCommentsAreIgnored) {
    write("[Tr]\r\nSt\r\n;U=9\r\n  ; Uf=9\r\nрусский текст\r\n[broken\r\nU=10\r\nUf==5\r\n");
    EXPECT_EQ(get("Tr", "St"), "");
    EXPECT_EQ(get("Tr", "U"), "10");  // "[broken" is no section line
    EXPECT_EQ(get("Tr", ";U"), "");
    EXPECT_EQ(get("Tr", "Uf"), "=5");
}

TEST_F(SettingsFile, LongValueIsCutAt255Characters) {
    const std::string ascii(300, '7');
    std::string cyrillic;
    for (int k = 0; k < 300; ++k) cyrillic += "Ж";
    write("[Ad]\r\nA=" + ascii + "\r\nC=" + utf8ToCp1251(cyrillic) + "\r\n");
    EXPECT_EQ(get("Ad", "A"), std::string(255, '7'));
    const std::string c = get("Ad", "C");
    EXPECT_EQ(c, cyrillic.substr(0, 255 * 2));  // 255 characters of two UTF-8 bytes each

    std::string exact(255, 'x');
    set("Ad", "E", exact);
    EXPECT_EQ(get("Ad", "E"), exact);
}

TEST_F(SettingsFile, ValuesRoundTripUnchanged) {
    for (const std::string v : {"0,4", "12,5", "1E-05", "-3", "Д/Y", "«№1»", "a = b", "x;y"}) {
        set("Tr", "Uf", v);
        EXPECT_EQ(get("Tr", "Uf"), v);
    }
    EXPECT_EQ(read(), "[Tr]\r\nUf=x;y\r\n");
}

TEST_F(SettingsFile, WritingCreatesFileSectionsAndKeysInCp1251) {
    set("Tr", "St", "400");
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\n");
    set("Tr", "U", "0,4");
    set("Ad", "Ik", "100");
    set("Тест", "Ключ", "значение €");
    set("Tr", "Pk", "中");
    EXPECT_EQ(read(),
              "[Tr]\r\nSt=400\r\nU=0,4\r\nPk=?\r\n[Ad]\r\nIk=100\r\n"
              "[\xD2\xE5\xF1\xF2]\r\n\xCA\xEB\xFE\xF7=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5 \x88\r\n");
    EXPECT_EQ(get("тест", "ключ"), "значение €");
    EXPECT_EQ(get("Tr", "Pk"), "?");
}

TEST_F(SettingsFile, WritingKeepsEveryOtherByte) {
    const std::string before =
        "; ampera settings\r\n"
        "[Tr]\r\n"
        "St = 400\n"  // a bare LF line end stays bare
        "  U=10   \r\n"
        "; \xEA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\r\n"
        "junk line\r\n"
        "\r\n"
        "\r\n"
        "[R]\r\n"
        "Pp=5\r\n"
        "[Ad]\r\n"
        "Ik=100";  // no line end at the very end
    write(before);

    set("tr", "st", "630");  // replaced in place, own spelling and spacing kept
    set("Tr", "U", "");      // emptied
    set("Tr", "Uk", "5,5");  // new key after the section's last key line
    set("Ad", "K", "7");     // new key after a last line without line end
    set("Zz", "A", "1");     // new section at the end
    EXPECT_EQ(read(),
              "; ampera settings\r\n"
              "[Tr]\r\n"
              "St = 630\n"
              "  U=\r\n"
              "Uk=5,5\r\n"
              "; \xEA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\r\n"
              "junk line\r\n"
              "\r\n"
              "\r\n"
              "[R]\r\n"
              "Pp=5\r\n"
              "[Ad]\r\n"
              "Ik=100\r\n"
              "K=7\r\n"
              "[Zz]\r\n"
              "A=1\r\n");
}

TEST_F(SettingsFile, NewKeyOfASectionWithoutKeysFollowsItsHeader) {
    write("[Tr]\r\n\r\n; note\r\n[R]\r\n");
    set("Tr", "St", "1");
    set("R", "Pp", "2");
    EXPECT_EQ(read(), "[Tr]\r\nSt=1\r\n\r\n; note\r\n[R]\r\nPp=2\r\n");
}

TEST_F(SettingsFile, NewSectionAfterALastLineWithoutLineEnd) {
    write("[Tr]\r\nSt=1");
    set("R", "F", "50");
    EXPECT_EQ(read(), "[Tr]\r\nSt=1\r\n[R]\r\nF=50\r\n");
}

TEST_F(SettingsFile, BinaryFileIsReadAsBytes) {
    std::string bytes;
    std::mt19937 random(42);
    for (int k = 0; k < 100000; ++k) bytes += static_cast<char>(random() & 0xFF);
    const char tail[] =
        "\r\n[Tr]\r\nSt=4\0"
        "00\r\nU=\0\r\n";
    bytes.append(tail, sizeof tail - 1);
    bytes += std::string(1000, '\0');
    write(bytes);
    EXPECT_EQ(get("Tr", "St"), "4");  // a value ends at a NUL
    EXPECT_EQ(get("Tr", "U"), "");
    EXPECT_EQ(get("Tr", "Uf"), "");

    set("Tr", "St", "630");
    const std::string after = read();
    ASSERT_EQ(after.size(), bytes.size() - 4 + 3);  // the four value bytes became "630"
    EXPECT_EQ(after.substr(0, 100000), bytes.substr(0, 100000));
    EXPECT_EQ(get("Tr", "St"), "630");
}

TEST_F(SettingsFile, HugeFileIsReadAndWritten) {
    std::string bytes = "[Other]\r\n";
    const std::string filler = "Filler=" + std::string(90, 'z') + "\r\n";
    while (bytes.size() < 5u * 1024u * 1024u) bytes += filler;
    bytes += "[Tr]\r\nSt=400\r\n";
    write(bytes);
    EXPECT_EQ(get("Tr", "St"), "400");
    set("Tr", "U", "10");
    EXPECT_EQ(read(), bytes + "U=10\r\n");
}

TEST_F(SettingsFile, InvalidNamesAndValuesAreRefused) {
    write("[Tr]\r\nSt=400\r\n");
    const struct {
        const char *section, *key, *value;
    } cases[] = {{"Tr", "S=t", "1"}, {"T]r", "St", "1"}, {"Tr", "St", "1\r\nU=2"},
                 {"Tr", "", "1"},    {"", "St", "1"},    {"Tr", "S\nt", "1"}};
    for (const auto& c : cases) {
        std::optional<StorageError> error;
        EXPECT_FALSE(setValue(c.section, c.key, c.value, path_, &error)) << c.key;
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, EINVAL);
    }
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\n");
}

TEST_F(SettingsFile, DirectoryPathIsAnErrorForReadAndWrite) {
    std::optional<StorageError> error;
    EXPECT_EQ(getValueString("Tr", "St", dir_.string(), &error), "");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EISDIR);
    EXPECT_EQ(error->description, "Это каталог");

    const std::string sub = (dir_ / "sub").string();
    fs::create_directory(sub);
    error.reset();
    EXPECT_FALSE(setValue("Tr", "St", "400", sub, &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EISDIR);
    EXPECT_TRUE(fs::is_directory(sub));
    EXPECT_TRUE(fs::is_empty(sub));
    EXPECT_EQ(entries(), std::vector<std::string>{"sub"});  // no temporary file left
    // Works without an error slot too.
    EXPECT_FALSE(setValue("Tr", "St", "400", sub));
}

TEST_F(SettingsFile, ErrorSlotIsClearedBySuccess) {
    std::optional<StorageError> error = StorageError{5, "old"};
    EXPECT_EQ(getValueString("Tr", "St", path_, &error), "");
    EXPECT_FALSE(error.has_value());
    error = StorageError{5, "old"};
    EXPECT_TRUE(setValue("Tr", "St", "1", path_, &error));
    EXPECT_FALSE(error.has_value());
}

TEST_F(SettingsFile, UnreadableFileIsAnError) {
    AMPERA_SKIP_ON_WINDOWS("a file without read permission");
    write("[Tr]\r\nSt=400\r\n");
    fs::permissions(path_, fs::perms::none);
    if (::access(path_.c_str(), R_OK) == 0) GTEST_SKIP() << "permissions do not apply (running as root)";
    std::optional<StorageError> error;
    EXPECT_EQ(getValueString("Tr", "St", path_, &error), "");
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EACCES);
    EXPECT_EQ(error->description, "Отказано в доступе");
    // A write would have to read the file first; it refuses and leaves it.
    error.reset();
    EXPECT_FALSE(setValue("Tr", "St", "630", path_, &error));
    EXPECT_TRUE(error.has_value());
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\n");
}

TEST_F(SettingsFile, WriteProtectedFileIsKept) {
    write("[Tr]\r\nSt=400\r\n");
    fs::permissions(path_, fs::perms::owner_read);
    if (runningAsRoot()) GTEST_SKIP() << "permissions do not apply (running as root)";
    std::optional<StorageError> error;
    EXPECT_FALSE(setValue("Tr", "St", "630", path_, &error));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EACCES);
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\n");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

TEST_F(SettingsFile, ReadOnlyDirectoryFailsAndKeepsTheOldFile) {
    AMPERA_SKIP_ON_WINDOWS("the permission bits of a folder");
    write("[Tr]\r\nSt=400\r\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(dir_.string().c_str(), W_OK) == 0) GTEST_SKIP() << "permissions do not apply (running as root)";

    std::optional<StorageError> error;
    EXPECT_FALSE(setValue("Tr", "St", "630", path_, &error));  // existing file
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EACCES);
    EXPECT_FALSE(error->description.empty());
    error.reset();
    EXPECT_FALSE(setValue("Tr", "St", "630", (dir_ / "new.ini").string(), &error));  // new file
    EXPECT_TRUE(error.has_value());

    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(read(), "[Tr]\r\nSt=400\r\n");
    EXPECT_EQ(get("Tr", "St"), "400");
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});
}

TEST_F(SettingsFile, WritingKeepsPermissionsAndLinks) {
    AMPERA_SKIP_ON_WINDOWS("permission bits and links");
    write("[Tr]\r\nSt=400\r\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    set("Tr", "St", "630");
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const std::string link = (dir_ / "link.ini").string();
    fs::create_symlink("ampera.ini", link);
    EXPECT_TRUE(setValue("Tr", "U", "10", link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(read(), "[Tr]\r\nSt=630\r\nU=10\r\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"ampera.ini", "link.ini"}));
}

TEST_F(SettingsFile, FailedWriteKeepsTheOldFileWhole) {
    std::string before = "[Tr]\r\nSt=400\r\n";
    while (before.size() < 4000) before += "; padding padding padding padding\r\n";
    write(before);
    AMPERA_SKIP_ON_WINDOWS("a limit on the size of files a process writes (RLIMIT_FSIZE)");
    std::optional<StorageError> error;
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(setValue("Tr", "St", "630", path_, &error));
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->code, EFBIG);
    EXPECT_EQ(error->description, "Файл слишком велик");
    EXPECT_EQ(read(), before);
    EXPECT_EQ(entries(), std::vector<std::string>{"ampera.ini"});  // no temporary file left
}
