// The parts of the platform layer that read the same on every system.
#include <cerrno>

#include "storage/platform.h"

namespace ampera::platform {

namespace fs = std::filesystem;

fs::path toPath(std::string_view utf8) {
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string fromPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

std::string normalPath(const std::string& path) {
    fs::path p = toPath(path).lexically_normal();
    if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
    return fromPath(p);
}

int makeFolders(const std::string& path) {
    if (path.empty()) return 0;
    fs::path partial;
    for (const fs::path& part : toPath(path).lexically_normal()) {
        partial /= part;
        // The root and drive are there; an empty part is a trailing separator.
        if (part.empty() || part == partial.root_path() || part == partial.root_name() ||
            part == partial.root_directory())
            continue;
        const std::string name = fromPath(partial);
        const int code = makeFolder(name);
        if (code == 0) continue;
        // A folder that is there already, whatever the system says of
        // making it again (Windows may deny it rather than name it).
        FileStatus st;
        if (status(name, st, true) == 0 && st.kind == FileKind::Directory) continue;
        if (code == EEXIST && st.kind != FileKind::Missing) return ENOTDIR;
        return code;
    }
    return 0;
}

}  // namespace ampera::platform
