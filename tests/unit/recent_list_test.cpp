// The recent files' list: every path the file system allows comes back byte
// for byte, and a list file that is damaged or missing reads as no list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/recent_list.h"

using namespace ampera;
namespace fs = std::filesystem;

TEST(RecentList, EveryPathComesBackByteForByte) {
    std::string pattern = (fs::temp_directory_path() / "ampera-recent-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string list = (dir / kRecentListName).string();

    // Letters Windows-1251 lacks, an emoji, a path of 4000 bytes, line breaks, a tab, quotes and backslashes.
    const std::vector<std::string> paths = {
        "/home/user/проект/фидер 1.ampera",        "/home/user/Ärger/Ä.ampera",
        "/home/user/\xF0\x9F\x94\x8C сеть.ampera", "/home/user/" + std::string(3980, 'a') + ".ampera",
        "/home/user/две\nстроки\r\n.ampera",       "/home/user/\t\"в кавычках\" \\ и \\\\.ampera",
    };
    EXPECT_FALSE(readRecentList(list).has_value());
    StorageError error;
    ASSERT_TRUE(saveRecentList(list, paths, error)) << error.description;
    EXPECT_EQ(readRecentList(list), paths);

    // Damaged lists read as empty ones; entries that are no paths are left out.
    const std::pair<const char*, std::vector<std::string>> damaged[] = {
        {"", {}},
        {"[Recent]\r\nFile1=/a.ampera\r\n", {}},
        {R"({"files": ["/a.ampera")", {}},
        {R"({"files": "/a.ampera"})", {}},
        {R"({"files": ["/a.ampera", 5, "", null, ["/b"], "/c.ampera", 1e400]})", {}},
        {R"({"files": ["/a.ampera", 5, "", null, ["/b"], "/c.ampera"]})", {"/a.ampera", "/c.ampera"}},
    };
    for (const auto& [bytes, want] : damaged) {
        std::ofstream(list, std::ios::binary | std::ios::trunc) << bytes;
        EXPECT_EQ(readRecentList(list), want) << bytes;
    }
    fs::remove_all(dir);
}
