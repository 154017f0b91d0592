#include "network/columns.h"

#include <algorithm>
#include <unordered_map>

#include "catalogue/cable_catalogue.h"
#include "core/fault_checks.h"

namespace ampera::network {

namespace {

using K = ColumnKind;

// clang-format off
constexpr ColumnInfo kColumns[] = {
    {Column::Name,        "Узел",              "name",       "",              K::Name},
    {Column::Cable,       "Кабель",            "cable",      kCableByData,    K::List},
    {Column::R1,          "r1, мОм/м",         "r1",         "0",             K::Number},
    {Column::X1,          "x1, мОм/м",         "x1",         "0",             K::Number},
    {Column::R0,          "r0, мОм/м",         "r0",         "0",             K::Number},
    {Column::X0,          "x0, мОм/м",         "x0",         "0",             K::Number},
    {Column::Length,      "L, м",              "length",     "0",             K::Number},
    {Column::Parallel,    "n",                 "n",          "1",             K::Number},
    {Column::Rk,          "Rк, мОм",           "rk",         "0",             K::Number},
    {Column::Xk,          "Xк, мОм",           "xk",         "0",             K::Number},
    {Column::Device,      "Аппарат",           "device",     kDeviceNone,     K::List},
    {Column::In,          "Iн, А",             "in",         "",              K::Number},
    {Column::Iset,        "Iуст, А",           "iset",       "",              K::Number},
    {Column::Icu,         "Icu, кА",           "icu",        "",              K::Number},
    {Column::Insulation,  "Изоляция",          "insulation", kInsulationTexts[1], K::List},
    {Column::S,           "S, мм²",            "s",          "",              K::Number},
    {Column::Time,        "tоткл, с",          "t",          "0,1",           K::Number},
    {Column::Circuit,     "Цепь",              "circuit",    kCircuitAuto,    K::List},
    {Column::RSum,        "RΣ, мОм",           "",           "",              K::Result},
    {Column::XSum,        "XΣ, мОм",           "",           "",              K::Result},
    {Column::Ik3,         "Iк(3), кА",         "",           "",              K::Result},
    {Column::Ik2,         "Iк(2), кА",         "",           "",              K::Result},
    {Column::Iud,         "iуд, кА",           "",           "",              K::Result},
    {Column::Ik1,         "Iк(1), кА",         "",           "",              K::Result},
    {Column::Ik1Min,      "Iк(1) мин., кА",    "",           "",              K::Result},
    {Column::Smin,        "Sмин, мм²",         "",           "",              K::Result},
    {Column::Sensitivity, "чувствительность",  "",           "",              K::Verdict},
    {Column::Breaking,    "Icu",               "",           "",              K::Verdict},
    {Column::Making,      "Icm",               "",           "",              K::Verdict},
    {Column::Thermal,     "нагрев",            "",           "",              K::Verdict},
    {Column::Disconnection, "время",           "",           "",              K::Verdict},
};
// clang-format on
static_assert(std::size(kColumns) == kColumnCount);

std::vector<std::string> cableItems() {
    std::vector<std::string> items;
    for (const catalogue::CableType& type : catalogue::cableTypes())
        for (const catalogue::CableRow& row : type.rows)
            items.push_back(std::string(type.caption) + " " + std::string(row.label));
    items.emplace_back(kCableByData);
    items.emplace_back(kCableNone);
    return items;
}

template <std::size_t N>
std::vector<std::string> itemsOf(const char* first, const std::array<const char*, N>& rest) {
    std::vector<std::string> items;
    if (first) items.emplace_back(first);
    items.insert(items.end(), rest.begin(), rest.end());
    return items;
}

}  // namespace

std::span<const ColumnInfo> columns() { return kColumns; }

const ColumnInfo& columnInfo(Column column) { return kColumns[static_cast<std::size_t>(column)]; }

std::optional<Column> columnByCaption(std::string_view caption) {
    const auto it = std::ranges::find(kColumns, caption,
                                      [](const ColumnInfo& c) { return std::string_view(c.caption); });
    if (it == std::end(kColumns)) return std::nullopt;
    return it->column;
}

const std::vector<std::string>& listItems(Column column) {
    static const std::vector<std::string> cables = cableItems();
    static const std::vector<std::string> devices = itemsOf(kDeviceNone, kDeviceTexts);
    static const std::vector<std::string> insulations = itemsOf(nullptr, kInsulationTexts);
    static const std::vector<std::string> circuits = itemsOf(kCircuitAuto, kCircuitTexts);
    static const std::vector<std::string> none;
    switch (column) {
    case Column::Cable: return cables;
    case Column::Device: return devices;
    case Column::Insulation: return insulations;
    case Column::Circuit: return circuits;
    default: return none;
    }
}

int itemNumber(Column column, std::string_view text) {
    // The cable list is long: its items are looked up by a table made once.
    static const std::unordered_map<std::string_view, int> cables = [] {
        std::unordered_map<std::string_view, int> numbers;
        const std::vector<std::string>& items = listItems(Column::Cable);
        for (std::size_t k = 0; k < items.size(); ++k) numbers.emplace(items[k], static_cast<int>(k) + 1);
        return numbers;
    }();
    if (column == Column::Cable) {
        const auto it = cables.find(text);
        return it == cables.end() ? 0 : it->second;
    }
    const std::vector<std::string>& items = listItems(column);
    const auto it = std::ranges::find(items, text);
    return it == items.end() ? 0 : static_cast<int>(it - items.begin()) + 1;
}

std::optional<CatalogueCable> catalogueCable(std::string_view item) {
    for (const catalogue::CableType& type : catalogue::cableTypes()) {
        if (!item.starts_with(type.caption) || item.size() <= type.caption.size() || item[type.caption.size()] != ' ')
            continue;
        const std::string_view label = item.substr(type.caption.size() + 1);
        for (const catalogue::CableRow& row : type.rows) {
            if (row.label != label) continue;
            const std::string_view phase = label.substr(label.find('x') + 1);
            return CatalogueCable{std::string(row.r1),
                                  std::string(row.x1),
                                  std::string(row.r0),
                                  std::string(row.x0),
                                  std::string(phase.substr(0, phase.find(' '))),
                                  std::string(label)};
        }
    }
    return std::nullopt;
}

}  // namespace ampera::network
