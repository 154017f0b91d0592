// Any bytes as a calculation file: the reader returns, never throws, and a
// file it accepts, put into a calculation and saved, is accepted again and
// gives the same texts and, saved once more, the same bytes: whatever the
// program saves, it opens.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/calculation_file.h"

using namespace ampera::model;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

FileRead parse(std::string_view bytes) {
    try {
        return parseCalculationFile(bytes);
    } catch (...) {
        std::abort();  // nothing may leave the reader
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FileRead read = parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.ok) {
        require(!problemText(read.error).empty());
        return 0;
    }
    Calculation opened;
    restoreCalculation(opened, read.texts);
    // What a save writes: the main window and the summary always, every other part the file held.
    std::vector<Part> parts;
    for (Part part : kParts)
        if (part == Part::Main || part == Part::Summary || read.texts.holds(part)) parts.push_back(part);
    const std::string saved = calculationFileText(opened, parts);
    if (saved.size() > kMaxFileBytes) return 0;  // such a save is refused, and says so

    const FileRead again = parse(saved);
    require(again.ok);
    Calculation reopened;
    restoreCalculation(reopened, again.texts);
    for (Part part : kParts) {
        const std::vector<Field> want = opened.fields(part), got = reopened.fields(part);
        for (std::size_t k = 0; k < want.size(); ++k) require(*got[k].text == *want[k].text);
    }
    require(calculationFileText(reopened, parts) == saved);
    return 0;
}
