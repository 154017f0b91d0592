// The recent files' list: every path the file system allows comes back byte
// for byte, and a list file that is damaged or missing reads as no list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/recent_list.h"
#include "tests/unit/test_system.h"

using namespace ampera;
namespace fs = std::filesystem;

TEST(RecentList, EveryPathComesBackByteForByte) {
    const fs::path dir = scratchFolder("ampera-recent-");
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

    // A damaged list reads as an empty one; entries that are no paths are left out.
    std::ofstream(list, std::ios::binary | std::ios::trunc) << "[Recent]\r\nFile1=/a.ampera\r\n";
    EXPECT_EQ(readRecentList(list), std::vector<std::string>{});
    std::ofstream(list, std::ios::binary | std::ios::trunc) << R"({"files": ["/a.ampera", 5, "", null, "/c.ampera"]})";
    EXPECT_EQ(readRecentList(list), (std::vector<std::string>{"/a.ampera", "/c.ampera"}));
    fs::remove_all(dir);
}
