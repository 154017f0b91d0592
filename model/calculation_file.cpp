#include "model/calculation_file.h"

#include <nlohmann/json.hpp>

#include "storage/file_access.h"
#include "storage/file_save.h"

namespace ampera::model {

namespace {

using Json = nlohmann::ordered_json;

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

}  // namespace

std::string calculationFileText(Calculation& calculation, std::span<const Part> parts) {
    Json file = Json::object();
    file["format"] = kFileFormat;
    file["version"] = kFileVersion;
    for (Part part : parts) {
        Json texts = Json::object();
        for (const Field& f : calculation.fields(part)) texts[f.name] = *f.text;
        file[partName(part)] = std::move(texts);
    }
    // The model's texts are UTF-8; should one not be, it is written with replacement characters, never refused.
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

FileRead parseCalculationFile(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) return failure(FileProblem::TooLarge);
    Json file;
    try {
        file = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
        return failure(FileProblem::NotJson, std::to_string(e.byte));
    }
    if (!file.is_object()) return failure(FileProblem::NotCalculation);
    const auto format = file.find("format");
    if (format == file.end() || !format->is_string() || format->get<std::string>() != kFileFormat)
        return failure(FileProblem::NotCalculation);
    const auto version = file.find("version");
    if (version == file.end() || !version->is_number_integer())
        return failure(FileProblem::BadVersion, version == file.end() ? "" : version->dump());
    if (version->is_number_unsigned() ? version->get<std::uint64_t>() > std::uint64_t(kFileVersion)
                                      : version->get<std::int64_t>() > kFileVersion)
        return failure(FileProblem::NewerVersion, version->dump());
    if (version->get<std::int64_t>() < 1) return failure(FileProblem::BadVersion, version->dump());

    FileRead read{.ok = true, .texts = {}, .error = {}};
    for (Part part : kParts) {
        const auto entry = file.find(partName(part));
        if (entry == file.end()) continue;
        if (!entry->is_object()) return failure(FileProblem::BadPart, partName(part));
        if (!readPart(*entry, part, read.texts.parts[part], read.error))
            return failure(read.error.problem, read.error.detail);
    }
    return read;
}

FileRead readCalculationFile(const std::string& path) {
    const files::ReadResult file = files::readWhole(path, kMaxFileBytes);
    if (file.status == files::ReadStatus::Missing) return failure(FileProblem::Missing);
    if (file.status == files::ReadStatus::Failed) {
        if (file.error.code == EISDIR) return failure(FileProblem::Folder);
        if (file.error.code == EFBIG) return failure(FileProblem::TooLarge);
        return failure(FileProblem::Unreadable, storageErrorMessage(file.error));
    }
    return parseCalculationFile(file.bytes);
}

bool saveCalculationFile(const std::string& path, Calculation& calculation, std::span<const Part> parts,
                         StorageError& error) {
    return files::saveWhole(path, calculationFileText(calculation, parts), error);
}

void restorePart(Calculation& calculation, Part part, const PartTexts& texts) {
    for (const Field& f : calculation.fields(part)) {
        const auto held = texts.find(f.name);
        calculation.set(*f.text, held != texts.end() ? held->second : *Calculation::startText(part, f.name));
    }
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
    case FileProblem::TooLarge: return "файл больше 1 МиБ, это не файл расчета";
    case FileProblem::NotJson: return "это не текст JSON в UTF-8 (ошибка в байте " + e.detail + ")";
    case FileProblem::NotCalculation: return "это не файл расчета ampera (нет \"format\": \"ampera-calculation\")";
    case FileProblem::BadVersion:
        return "неверная версия формата" + (e.detail.empty() ? std::string(" (ее нет)") : " (" + e.detail + ")");
    case FileProblem::NewerVersion:
        return "файл записан более новой версией программы (версия формата " + e.detail +
               ", эта программа читает версию " + std::to_string(kFileVersion) + ")";
    case FileProblem::BadPart: return "раздел \"" + e.detail + "\" не объект JSON";
    case FileProblem::NotText: return "значение \"" + e.detail + "\" не строка";
    }
    return {};
}

}  // namespace ampera::model
