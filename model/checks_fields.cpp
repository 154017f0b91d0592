// The checks window's texts as fields of the calculation, walked from its descriptions.
#include "model/checks_texts.h"

namespace ampera::model {

std::string deviceText(int item) { return kDevices.at(static_cast<std::size_t>(item - 1)); }
std::string cableText(int item) { return kCables.at(static_cast<std::size_t>(item - 1)); }
std::string sectionText(int item) { return sectionItemText(sectionItem(item)); }
std::string circuitText(int item) { return kCircuitTexts.at(static_cast<std::size_t>(item - 1)); }

const std::string& pointFieldName(int point, std::size_t column) {
    static const auto names = [] {
        std::array<std::array<std::string, kPointColumns.size()>, kPointCount> n;
        for (std::size_t k = 0; k < n.size(); ++k)
            for (std::size_t col = 0; col < kPointColumns.size(); ++col)
                n[k][col] = "txtK" + std::to_string(k + 1) + kPointColumns[col].key;
        return n;
    }();
    return names.at(static_cast<std::size_t>(point - 1)).at(column);
}

std::span<const ListField> checksLists() {
    static const auto lists = [] {
        std::vector<ListField> l;
        for (const CheckInput& in : kCheckInputs)
            if (in.list) l.push_back(*in.list);
        return l;
    }();
    return lists;
}

std::vector<Field> checksFields(ChecksTexts& c) {
    std::vector<Field> f;
    for (const CheckInput& in : kCheckInputs) f.push_back({in.control, &(c.*in.member)});
    f.push_back({"lblSection", &c.sectionLabel});
    for (const CheckValue& v : kCheckValues) f.push_back({v.control, &(c.*v.member)});
    for (const PointsAt& at : kPointsAt) f.push_back({at.control, &(c.*at.member)});
    for (const VerdictField& v : kVerdictFields) f.push_back({v.control, &(c.*v.member)});
    for (std::size_t k = 0; k < c.points.size(); ++k)
        for (std::size_t col = 0; col < kPointColumns.size(); ++col)
            f.push_back({pointFieldName(int(k) + 1, col).c_str(), &(c.points[k].*kPointColumns[col].cell)});
    return f;
}

}  // namespace ampera::model
