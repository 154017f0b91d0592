#include "storage/recent_list.h"

#include <nlohmann/json.hpp>

#include "storage/file_access.h"
#include "storage/file_save.h"

namespace ampera {

namespace {

using Json = nlohmann::json;
constexpr const char* kKey = "files";
// A list of a few paths is a few kilobytes; anything much larger is no list of ours.
constexpr std::size_t kMaxListBytes = 1024 * 1024;

}  // namespace

std::optional<std::vector<std::string>> readRecentList(const std::string& path) {
    const files::ReadResult file = files::readWhole(path, kMaxListBytes);
    if (file.status == files::ReadStatus::Missing) return std::nullopt;
    std::vector<std::string> paths;
    const Json list = Json::parse(file.bytes, nullptr, false);  // a damaged file reads as discarded, never throws
    if (!list.is_object() || !list.contains(kKey) || !list[kKey].is_array()) return paths;
    for (const Json& entry : list[kKey])
        if (entry.is_string() && !entry.get_ref<const std::string&>().empty())
            paths.push_back(entry.get<std::string>());
    return paths;
}

bool saveRecentList(const std::string& path, const std::vector<std::string>& paths, StorageError& error) {
    const Json list = {{kKey, paths}};
    // The program's paths are UTF-8; should one not be, it is written with replacement characters, never refused.
    return files::saveWhole(path, list.dump(2, ' ', false, Json::error_handler_t::replace) + "\n", error);
}

}  // namespace ampera
