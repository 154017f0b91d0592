#include "storage/file_access.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "storage/platform.h"

namespace ampera::files {

namespace {

using platform::FileKind;

int fault(std::string_view step) { return faultHook ? faultHook(step) : 0; }

// Writes every byte; 0 on success, otherwise the error number.
int writeAll(platform::File& file, std::string_view bytes) {
    if (const int code = fault("write")) return code;
    return file.writeAll(bytes);
}

}  // namespace

bool replaceTarget(const std::string& path, std::string& target, StorageError& error) {
    constexpr int kMaxLinks = 40;  // as many as the system follows in one path
    std::filesystem::path p = platform::toPath(path);
    for (int links = 0; links <= kMaxLinks; ++links) {
        platform::FileStatus st;
        if (platform::status(platform::fromPath(p), st) != 0 || st.kind != FileKind::Link) {
            target = platform::fromPath(p);
            return true;
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) {
            error = storageErrorFromErrno(ec.default_error_condition().value());
            return false;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    error = storageErrorFromErrno(ELOOP);
    return false;
}

bool mayReplace(const std::string& target, StorageError& error) {
    const int code = platform::mayWrite(target);
    if (code == 0) return true;
    error = storageErrorFromErrno(code);
    return false;
}

std::string helperPathFor(const std::string& path, std::string_view suffix) {
    constexpr std::size_t kMaxNameBytes = 255;  // a folder entry's name, on every common file system
    const std::filesystem::path p = platform::toPath(path);
    const std::string name = platform::fromPath(p.filename());
    std::string helper = "." + name + std::string(suffix);
    if (helper.size() > kMaxNameBytes) {
        // FNV-1a, 64 bits: the same name gives the same helper in every copy of the program.
        std::uint64_t hash = 14695981039346656037ull;
        for (const unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
        helper = "." + std::string(hex) + std::string(suffix);
    }
    return platform::fromPath(p.parent_path() / platform::toPath(helper));
}

std::string temporaryPathFor(const std::string& path) { return helperPathFor(path, ".tmp"); }

ReadResult readWhole(const std::string& path, std::size_t maxSize) {
    ReadResult result;
    const auto fail = [&](int code) {
        result.status = ReadStatus::Failed;
        result.bytes.clear();
        result.error = storageErrorFromErrno(code);
        return result;
    };

    platform::File file;
    if (const int code = file.open(path, platform::File::Open::Read)) {
        if (code == ENOENT || code == ENOTDIR) return result;  // Missing
        return fail(code);
    }
    platform::FileStatus st;
    if (const int code = file.status(st)) return fail(code);
    if (st.kind == FileKind::Directory) return fail(EISDIR);
    if (st.kind != FileKind::Regular) return fail(EINVAL);
    if (st.size > maxSize) return fail(EFBIG);
    result.mode = st.permissions;

    result.bytes.reserve(static_cast<std::size_t>(st.size));
    char buffer[65536];
    for (;;) {
        std::size_t n = 0;
        if (const int code = file.read(buffer, sizeof buffer, n)) return fail(code);
        if (n == 0) break;
        if (result.bytes.size() + n > maxSize) return fail(EFBIG);
        result.bytes.append(buffer, n);
    }
    result.status = ReadStatus::Read;
    return result;
}

bool replaceAtomically(const std::string& path, std::string_view bytes, std::optional<unsigned> keepMode,
                       StorageError& error) {
    const std::string temp = temporaryPathFor(path);
    // What a killed replace left behind goes first; a new file that follows
    // no link then makes sure we write a file of our own and nothing else.
    if (const int code = platform::remove(temp); code != 0 && code != ENOENT) {
        error = storageErrorFromErrno(code);
        return false;
    }
    platform::File file;
    if (const int code = file.open(temp, platform::File::Open::CreateNew)) {
        error = storageErrorFromErrno(code);
        return false;
    }

    int code = keepMode ? file.setPermissions(*keepMode) : 0;
    if (code == 0) code = writeAll(file, bytes);
    if (code == 0) code = fault("sync");
    if (code == 0) code = file.sync();
    const int closeCode = file.close();
    if (code == 0) code = closeCode;
    if (code == 0) code = fault("rename");
    if (code == 0) code = platform::replace(temp, path);
    if (code != 0) {
        platform::remove(temp);
        error = storageErrorFromErrno(code);
        return false;
    }
    return true;
}

bool append(const std::string& path, std::string_view bytes, StorageError& error) {
    platform::File file;
    platform::FileStatus st;
    int code = file.open(path, platform::File::Open::Append);
    if (code == 0) code = file.status(st);
    if (code == 0 && st.kind != FileKind::Regular) code = st.kind == FileKind::Directory ? EISDIR : EINVAL;
    if (code != 0) {
        error = storageErrorFromErrno(code);
        return false;
    }
    // Whether this call made the file decides what a failure leaves.
    const bool created = file.created();
    const std::uint64_t before = created ? 0 : st.size;

    code = writeAll(file, bytes);
    if (code == 0) {
        code = file.close();
        if (code == 0) return true;
        // The file is closed; cut it back by name.
        std::error_code ignored;  // the write error is the one to report
        std::filesystem::resize_file(platform::toPath(path), before, ignored);
    } else {
        // Leave what the file held before, and nothing of the broken report.
        file.truncate(before);  // the original error is the one to report
        file.close();
    }
    if (created) {
        // An empty file is no report: remove the one made here, unless
        // another writer has put something into it meanwhile.
        platform::FileStatus now;
        if (platform::status(path, now) == 0 && now.kind == FileKind::Regular && now.device == st.device &&
            now.node == st.node && now.size == 0)
            platform::remove(path);
    }
    error = storageErrorFromErrno(code);
    return false;
}

}  // namespace ampera::files
