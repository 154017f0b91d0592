#include "model/calculation_file.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <nlohmann/json.hpp>

#include "model/checks_run.h"
#include "model/checks_texts.h"
#include "network/network_file.h"
#include "storage/file_access.h"
#include "storage/file_save.h"
#include "storage/platform.h"

namespace ampera::model {

namespace {

// Written in the window's order; read into a map, whose look-up stays fast however many keys a file holds.
using OrderedJson = nlohmann::ordered_json;
using Json = nlohmann::json;

constexpr std::size_t kMiB = 1024 * 1024;
constexpr const char* kNetworkKey = "Network";

FileRead failure(FileProblem problem, std::string detail = {}) {
    return {.ok = false, .texts = {}, .error = {problem, std::move(detail)}};
}

// The texts of one window's entry; false with the error when a value is not a string.
bool readPart(const Json& entry, Part part, PartTexts& texts, FileError& error) {
    for (const auto& [key, value] : entry.items()) {
        if (!value.is_string()) {
            error = {FileProblem::NotText, std::string(partName(part)) + "." + key};
            return false;
        }
        texts[key] = value.get<std::string>();
    }
    return true;
}

// The number the JSON reader could not hold, from its message "… number overflow parsing '1e400'", shortened.
std::string overflowingNumber(const std::string& message) {
    constexpr std::size_t kShown = 24;
    const std::size_t open = message.find('\''), close = message.rfind('\'');
    if (open == std::string::npos || close <= open) return {};
    const std::string number = message.substr(open + 1, close - open - 1);
    return number.size() > kShown ? number.substr(0, kShown) + "…" : number;
}

// "version" is a whole number from 1; any number above the program's version is a later version's.
FileRead checkVersion(const Json& file) {
    const auto version = file.find("version");
    if (version == file.end() || !version->is_number())
        return failure(FileProblem::BadVersion, version == file.end() ? "" : version->dump());
    const double value = version->get<double>();
    const bool whole = version->is_number_integer() || std::floor(value) == value;
    if (whole && value > kFileVersion) return failure(FileProblem::NewerVersion, version->dump());
    if (!whole || value < 1) return failure(FileProblem::BadVersion, version->dump());
    return {.ok = true, .texts = {}, .error = {}};
}

FileRead parseJson(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) return failure(FileProblem::TooLarge);
    // The JSON reader would take a NUL byte for the end of the text and ignore what follows.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos)
        return failure(FileProblem::NotJson, std::to_string(nul + 1));
    Json file;
    try {
        file = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        return failure(FileProblem::NotJson, std::to_string(e.byte));
    } catch (const Json::out_of_range& e) {
        return failure(FileProblem::NumberTooLarge, overflowingNumber(e.what()));
    }
    if (!file.is_object()) return failure(FileProblem::NotCalculation);
    const auto format = file.find("format");
    if (format == file.end() || !format->is_string() || format->get<std::string>() != kFileFormat)
        return failure(FileProblem::NotCalculation);
    if (FileRead version = checkVersion(file); !version.ok) return version;

    FileRead read{.ok = true, .texts = {}, .error = {}};
    for (Part part : kParts) {
        const auto entry = file.find(partName(part));
        if (entry == file.end()) continue;
        if (!entry->is_object()) return failure(FileProblem::BadPart, partName(part));
        if (!readPart(*entry, part, read.texts.parts[part], read.error))
            return failure(read.error.problem, read.error.detail);
    }
    if (const auto entry = file.find(kNetworkKey); entry != file.end()) {
        network::NetworkRead network = network::readNetwork(*entry);
        if (!network.ok) return failure(FileProblem::BadNetwork, network.problem);
        read.texts.network = std::move(network.network);
    }
    return read;
}

// "1,5": MiB to a tenth, rounded up, so that anything over the limit reads as over it.
std::string mebibytes(std::size_t bytes) {
    const std::size_t tenths = (bytes * 10 + kMiB - 1) / kMiB;
    const std::string whole = std::to_string(tenths / 10);
    return tenths % 10 == 0 ? whole : whole + "," + std::to_string(tenths % 10);
}

}  // namespace

std::string fileLimitText() { return mebibytes(kMaxFileBytes) + " МиБ"; }

std::string calculationFileText(Calculation& calculation, std::span<const Part> parts,
                                const network::Network* network) {
    OrderedJson file = OrderedJson::object();
    file["format"] = kFileFormat;
    file["version"] = network && network::holdsNodes(*network) ? kFileVersion : kFileVersionWithoutNetwork;
    for (Part part : parts) {
        OrderedJson texts = OrderedJson::object();
        for (const Field& f : calculation.fields(part)) texts[f.name] = *f.text;
        file[partName(part)] = std::move(texts);
    }
    // The model's texts are UTF-8; should one not be, it is written with replacement characters, never refused.
    const auto dump = [](const OrderedJson& json, int indent) {
        return json.dump(indent, ' ', false, OrderedJson::error_handler_t::replace);
    };
    std::string text = dump(file, 2);
    if (network && (network::holdsNodes(*network) || network->theta() != network::kStartTheta)) {
        // The network last, a node to a line: a file of thousands of nodes stays short and readable.
        const OrderedJson entry = network::networkJson(*network);
        text.resize(text.size() - 2);  // the closing "\n}"
        text += ",\n  \"" + std::string(kNetworkKey) + "\": {\n    \"theta\": " + dump(entry["theta"], -1) +
                ",\n    \"nodes\": [";
        const char* separator = "\n      ";
        for (const OrderedJson& node : entry["nodes"]) text += separator + dump(node, -1), separator = ",\n      ";
        text += "\n    ]\n  }\n}";
    }
    return text + "\n";
}

FileRead parseCalculationFile(std::string_view bytes) {
    try {
        return parseJson(bytes);
    } catch (const std::bad_alloc&) {
        return failure(FileProblem::Unreadable, "недостаточно памяти");
    } catch (const std::exception& e) {
        return failure(FileProblem::Unreadable, e.what());
    }
}

FileRead readCalculationFile(const std::string& path) {
    platform::FileStatus status;
    if (platform::status(path, status, true) == 0 && status.kind == platform::FileKind::Other)
        return failure(FileProblem::NotRegular);
    const files::ReadResult file = files::readWhole(path, kMaxFileBytes);
    if (file.status == files::ReadStatus::Missing) return failure(FileProblem::Missing);
    if (file.status == files::ReadStatus::Failed) {
        if (file.error.code == EISDIR) return failure(FileProblem::Folder);
        if (file.error.code == EFBIG) return failure(FileProblem::TooLarge);
        if (file.error.code == EINVAL) return failure(FileProblem::NotRegular);  // replaced since the look above
        return failure(FileProblem::Unreadable, storageErrorMessage(file.error));
    }
    return parseCalculationFile(file.bytes);
}

bool saveCalculationFile(const std::string& path, Calculation& calculation, std::span<const Part> parts,
                         StorageError& error, const network::Network* network) {
    const std::string bytes = calculationFileText(calculation, parts, network);
    if (bytes.size() > kMaxFileBytes) {
        error = {EFBIG, "расчет занял бы " + mebibytes(bytes.size()) + " МиБ, а файл расчета не может быть больше " +
                            fileLimitText()};
        return false;
    }
    return files::saveWhole(path, bytes, error);
}

void restorePart(Calculation& calculation, Part part, const PartTexts& texts) {
    const std::span<const ListField> lists = listFields(part);
    for (const Field& f : calculation.fields(part)) {
        const auto held = texts.find(f.name);
        std::string value = held != texts.end() ? held->second : *Calculation::startText(part, f.name);
        const auto list = std::ranges::find_if(lists,
                                               [&f](const ListField& l) { return l.name == std::string_view(f.name); });
        if (list != lists.end()) value = std::to_string(listItem(value, *list));
        // A verdict's words come with the verdict they are, or with none when no verdict reads so.
        const auto verdict = std::ranges::find_if(kVerdictFields, [&f, part](const VerdictField& v) {
            return part == Part::Checks && v.control == std::string_view(f.name);
        });
        if (verdict != std::end(kVerdictFields))
            showVerdict(calculation, readVerdict(verdict->check, value).value_or(Verdict{verdict->check}), value);
        else calculation.set(*f.text, value);
    }
}

void restoreCalculation(Calculation& calculation, const FileTexts& file, const std::function<void(Part)>& beforePart) {
    static const PartTexts none;
    for (Part part : kParts) {
        const auto texts = file.parts.find(part);
        const bool always = part == Part::Main || part == Part::Summary;
        if (!always && texts == file.parts.end()) continue;
        if (beforePart) beforePart(part);
        restorePart(calculation, part, texts == file.parts.end() ? none : texts->second);
    }
    if (file.holds(Part::Checks)) describeSection(calculation);
}

bool atStart(Calculation& calculation, Part part) {
    for (const Field& f : calculation.fields(part))
        if (*f.text != *Calculation::startText(part, f.name)) return false;
    return true;
}

std::string problemText(const FileError& e) {
    switch (e.problem) {
    case FileProblem::Missing: return "файл не найден";
    case FileProblem::Unreadable: return "файл не читается (" + e.detail + ")";
    case FileProblem::Folder: return "это папка, а не файл";
    case FileProblem::NotRegular: return "это не обычный файл";
    case FileProblem::TooLarge: return "файл больше " + fileLimitText() + ", это не файл расчета";
    case FileProblem::NotJson: return "это не текст JSON в UTF-8 (ошибка в байте " + e.detail + ")";
    case FileProblem::NumberTooLarge: return "число вне допустимых пределов (" + e.detail + ")";
    case FileProblem::NotCalculation: return "это не файл расчета ampera (нет \"format\": \"ampera-calculation\")";
    case FileProblem::BadVersion:
        return "неверная версия формата" + (e.detail.empty() ? std::string(" (ее нет)") : " (" + e.detail + ")");
    case FileProblem::NewerVersion:
        return "файл записан более новой версией программы (версия формата " + e.detail +
               ", эта программа читает версию " + std::to_string(kFileVersion) + ")";
    case FileProblem::BadPart: return "раздел \"" + e.detail + "\" не объект JSON";
    case FileProblem::NotText: return "значение \"" + e.detail + "\" не строка";
    case FileProblem::BadNetwork: return e.detail;
    }
    return {};
}

}  // namespace ampera::model
