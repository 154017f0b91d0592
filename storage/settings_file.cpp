#include "storage/settings_file.h"

#include <cerrno>
#include <string_view>
#include <vector>

#include "storage/cp1251.h"
#include "storage/file_access.h"
#include "storage/file_lock.h"

namespace ampera {

namespace {

// Everything below works on the file's own bytes (Windows-1251); names and
// values are converted at the edges.

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A value in matching quotes stands for what is between them; so a value
// with blanks at its edges, or in quotes itself, is written quoted.
bool isQuote(char c) { return c == '"' || c == '\''; }

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && isQuote(v.front()) && v.back() == v.front()) return v.substr(1, v.size() - 2);
    return v;
}

std::string quoteIfNeeded(const std::string& v) {
    if (v.empty()) return v;
    const bool needed = isBlank(v.front()) || isBlank(v.back()) || unquote(v).size() != v.size();
    return needed ? "\"" + v + "\"" : v;
}

// Upper case of a Windows-1251 byte, for Latin and Cyrillic letters.
unsigned char foldCase(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0) return static_cast<unsigned char>(c - 32);  // а..я
    switch (c) {
    case 0xB8: return 0xA8;  // ё
    case 0x90: return 0x80;  // ђ
    case 0x83: return 0x81;  // ѓ
    case 0x9A: return 0x8A;  // љ
    case 0x9C: return 0x8C;  // њ
    case 0x9D: return 0x8D;  // ќ
    case 0x9E: return 0x8E;  // ћ
    case 0x9F: return 0x8F;  // џ
    case 0xA2: return 0xA1;  // ў
    case 0xBC: return 0xA3;  // ј
    case 0xB4: return 0xA5;  // ґ
    case 0xBA: return 0xAA;  // є
    case 0xBF: return 0xAF;  // ї
    case 0xB3: return 0xB2;  // і
    case 0xBE: return 0xBD;  // ѕ
    default: return c;
    }
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

enum class LineKind { Other, Comment, Section, Key };

struct Line {
    std::size_t begin = 0;    // first byte
    std::size_t textEnd = 0;  // end of the text, before the line end
    std::size_t end = 0;      // past the line end ("\r\n", "\n" or nothing)
    LineKind kind = LineKind::Other;
    std::string_view name;       // section or key name, trimmed
    std::string_view value;      // key value, trimmed
    std::size_t valueBegin = 0;  // where the value's bytes start (keys)
};

Line classify(std::string_view content, std::size_t begin, std::size_t textEnd, std::size_t end) {
    Line line;
    line.begin = begin;
    line.textEnd = textEnd;
    line.end = end;
    const std::string_view text = content.substr(begin, textEnd - begin);
    const std::string_view t = trim(text);
    if (t.empty()) return line;
    if (t.front() == ';') {
        line.kind = LineKind::Comment;
        return line;
    }
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = trim(t.substr(1, close - 1));
            return line;
        }
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return line;
    line.kind = LineKind::Key;
    line.name = trim(text.substr(0, eq));
    std::size_t v = eq + 1;
    while (v < text.size() && isBlank(text[v])) ++v;
    line.valueBegin = begin + v;
    std::string_view value = text.substr(v);
    value = value.substr(0, value.find('\0'));  // the text ends at a NUL
    line.value = unquote(trim(value));
    return line;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// CR LF, LF and CR alone each end a line. A byte-order mark before the
// first line is no part of its text.
std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t pos = content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (pos < content.size()) {
        const std::size_t textEnd = std::min(content.find_first_of("\r\n", pos), content.size());
        std::size_t end = textEnd;
        if (end < content.size()) {
            end += content.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        }
        lines.push_back(classify(content, pos, textEnd, end));
        pos = end;
    }
    return lines;
}

struct Location {
    std::optional<std::size_t> section;  // index of the section line
    std::optional<std::size_t> key;      // index of the key line
    std::size_t lastKeyOrHeader = 0;     // where a new key goes after
};

Location locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location loc;
    std::size_t i = 0;
    for (; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && sameName(lines[i].name, section)) break;
    }
    if (i == lines.size()) return loc;
    loc.section = i;
    loc.lastKeyOrHeader = i;
    for (++i; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
        if (lines[i].kind != LineKind::Key) continue;
        loc.lastKeyOrHeader = i;
        if (!loc.key && sameName(lines[i].name, key)) loc.key = i;
    }
    return loc;
}

void report(std::optional<StorageError>* error, StorageError e) {
    if (error) *error = std::move(e);
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::string getValueString(const std::string& section, const std::string& key, const std::string& path,
                           std::optional<StorageError>* error) {
    if (error) error->reset();
    const files::ReadResult file = files::readWhole(path);
    if (file.status == files::ReadStatus::Failed) {
        report(error, file.error);
        return {};
    }
    if (file.status == files::ReadStatus::Missing) return {};

    const std::string wantedSection = utf8ToCp1251(trim(section));
    const std::string wantedKey = utf8ToCp1251(trim(key));
    const std::vector<Line> lines = splitLines(file.bytes);
    const Location loc = locate(lines, wantedSection, wantedKey);
    if (!loc.key) return {};

    return cp1251ToUtf8(lines[*loc.key].value.substr(0, kMaxSettingLength));
}

namespace {

bool isValid(const SettingEntry& e) {
    const std::string_view sectionName = trim(e.section), keyName = trim(e.key);
    return !sectionName.empty() && !keyName.empty() && !hasLineBreak(e.section) && !hasLineBreak(e.key) &&
           !hasLineBreak(e.value) && keyName.find('=') == std::string_view::npos &&
           sectionName.find(']') == std::string_view::npos && keyName.front() != ';' && keyName.front() != '[';
}

// The file's bytes with one key set.
std::string withValue(const std::string& old, const SettingEntry& e) {
    const std::string sectionBytes = utf8ToCp1251(trim(e.section));
    const std::string keyBytes = utf8ToCp1251(trim(e.key));
    const std::string valueBytes = quoteIfNeeded(utf8ToCp1251(e.value));
    const std::vector<Line> lines = splitLines(old);
    const Location loc = locate(lines, sectionBytes, keyBytes);

    std::string updated;
    updated.reserve(old.size() + sectionBytes.size() + keyBytes.size() + valueBytes.size() + 8);
    if (loc.key) {
        // Same line, same name and spacing before the value, same line end.
        const Line& line = lines[*loc.key];
        updated.append(old, 0, line.valueBegin);
        updated += valueBytes;
        updated.append(old, line.textEnd, std::string::npos);
    } else if (loc.section) {
        const Line& after = lines[loc.lastKeyOrHeader];
        updated.append(old, 0, after.end);
        if (after.end == after.textEnd) updated += "\r\n";  // the file's last line had no line end
        updated += keyBytes + "=" + valueBytes + "\r\n";
        updated.append(old, after.end, std::string::npos);
    } else {
        updated = old;
        if (!updated.empty() && updated.back() != '\n' && updated.back() != '\r') updated += "\r\n";
        updated += "[" + sectionBytes + "]\r\n" + keyBytes + "=" + valueBytes + "\r\n";
    }
    return updated;
}

}  // namespace

bool setValues(const std::string& path, const std::vector<SettingEntry>& entries, std::optional<StorageError>* error) {
    if (error) error->reset();
    for (const SettingEntry& e : entries) {
        if (!isValid(e)) {
            report(error, storageErrorFromErrno(EINVAL));
            return false;
        }
    }

    std::string target;
    StorageError failure;
    if (!files::replaceTarget(path, target, failure)) {
        report(error, failure);
        return false;
    }
    files::FileLock lock;
    if (!lock.acquire(target, kLockTimeoutMs, failure)) {
        report(error, failure);
        return false;
    }
    const files::ReadResult file = files::readWhole(target);
    if (file.status == files::ReadStatus::Failed) {
        report(error, file.error);
        return false;
    }
    const bool exists = file.status == files::ReadStatus::Read;
    if (exists && !files::mayReplace(target, failure)) {
        report(error, failure);
        return false;
    }

    std::string updated = file.bytes;
    for (const SettingEntry& e : entries) updated = withValue(updated, e);
    if (exists && updated == file.bytes) return true;
    if (!files::replaceAtomically(target, updated, exists ? std::optional<unsigned>(file.mode) : std::nullopt,
                                  failure)) {
        report(error, failure);
        return false;
    }
    return true;
}

bool setValue(const std::string& section, const std::string& key, const std::string& value, const std::string& path,
              std::optional<StorageError>* error) {
    return setValues(path, {SettingEntry{section, key, value}}, error);
}

}  // namespace ampera
