// Any old bytes in the settings file, any save: the saved key reads back as
// saved, every other line keeps its bytes, keys of other names read as
// before, and saving the same value again leaves the file as it was.
//
// Input: the name of the section, the key and the value, each ended by a
// byte 0x00 (bytes are mapped into what a name or a value may hold), then
// the old content of the file.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unistd.h>

#include "storage/settings_file.h"

using namespace ampera;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

const std::string& filePath() {
    static const std::string path = [] {
        // A folder of its own under the run's temporary folder ($TMPDIR).
        std::string pattern = (std::filesystem::temp_directory_path() / "ampera-fuzz-XXXXXX").string();
        require(::mkdtemp(pattern.data()) != nullptr);
        static std::string directory = pattern;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(directory, ec);
        });
        return directory + "/ampera.ini";
    }();
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string_view takeField(std::string_view& in) {
    const std::size_t end = in.find('\0');
    const std::string_view field = in.substr(0, end);
    in.remove_prefix(end == std::string_view::npos ? in.size() : end + 1);
    return field;
}

// A name of Latin letters and digits, at least one character; other bytes
// become letters.
std::string nameFrom(std::string_view bytes, char fallback) {
    std::string name;
    for (const char c : bytes.substr(0, 12))
        name += std::isalnum(static_cast<unsigned char>(c))
                    ? c
                    : static_cast<char>('a' + static_cast<unsigned char>(c) % 26);
    return name.empty() ? std::string(1, fallback) : name;
}

// Printable ASCII, blanks and quotes included.
std::string valueFrom(std::string_view bytes) {
    std::string value;
    for (const char c : bytes.substr(0, 300)) {
        const unsigned char u = static_cast<unsigned char>(c);
        value += u >= 0x20 && u < 0x7F ? c : static_cast<char>(' ' + u % 95);
    }
    return value;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view in(reinterpret_cast<const char*>(data), size);
    const std::string section = nameFrom(takeField(in), 'S');
    const std::string key = nameFrom(takeField(in), 'K');
    const std::string value = valueFrom(takeField(in));
    const std::string_view old = in;

    const std::string& path = filePath();
    writeFile(path, old);
    // Keys of other names, read before and after the save.
    const std::string others[][2] = {{"Tr", "St"}, {"Tr", "U"}, {"R", "Pp"}, {"Ad", "K"}, {section, key + "2"}};
    std::string before[std::size(others)];
    for (std::size_t k = 0; k < std::size(others); ++k) before[k] = getValueString(others[k][0], others[k][1], path);

    require(setValues(path, {{section, key, value}}));
    const std::string saved = readFile(path);
    require(getValueString(section, key, path) == value.substr(0, kMaxSettingLength));
    for (std::size_t k = 0; k < std::size(others); ++k) {
        if (sameName(others[k][0], section) && sameName(others[k][1], key)) continue;
        require(getValueString(others[k][0], others[k][1], path) == before[k]);
    }

    // One change in one place: the bytes the save replaced lie within one line.
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < saved.size() && old[prefix] == saved[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < saved.size() - prefix &&
           old[old.size() - 1 - suffix] == saved[saved.size() - 1 - suffix])
        ++suffix;
    require(!hasLineBreak(old.substr(prefix, old.size() - prefix - suffix)));

    require(setValues(path, {{section, key, value}}));
    require(readFile(path) == saved);
    return 0;
}
