#include <gtest/gtest.h>

#include <array>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>

#include "catalogue/cable_catalogue.h"
#include "core/number_text.h"

using ampera::catalogue::CableRow;
using ampera::catalogue::cableTypes;
using ampera::catalogue::findCableRow;

namespace {

const CableRow& row(int type, std::string_view label) {
    const CableRow* r = findCableRow(type, label);
    EXPECT_NE(r, nullptr) << "type " << type << " " << label;
    static const CableRow none{};
    return r != nullptr ? *r : none;
}

// The phase cross-section of a label: "3x95 + 1x50" and "4x95" give 95.
int phaseSection(std::string_view label) { return std::stoi(std::string(label.substr(2))); }

}  // namespace

TEST(CableCatalogue, EveryTypeHasItsStatedNumberOfRows) {
    const std::array<std::size_t, 9> counts{13, 13, 11, 9, 12, 11, 12, 16, 11};
    for (std::size_t t = 0; t < counts.size(); ++t) {
        EXPECT_EQ(cableTypes()[t].rows.size(), counts[t]) << "type " << t + 1;
    }
}

TEST(CableCatalogue, ListsRunFromTheStatedFirstToLastLabel) {
    const std::array<std::pair<std::string_view, std::string_view>, 9> ends{{
        {"3x4", "3x240"},
        {"3x4", "3x240"},
        {"3x4", "3x150"},
        {"3x4 + 1x2,5", "3x95 + 1x50"},
        {"3x4 + 1x2,5", "3x185 + 1x70"},
        {"3x4 + 1x2,5", "3x150 + 1x70"},
        {"3x6", "3x240"},
        {"3x6 + 1x4", "3x185 + 1x95"},
        {"4x6", "4x185"},
    }};
    for (std::size_t t = 0; t < ends.size(); ++t) {
        const auto rows = cableTypes()[t].rows;
        EXPECT_EQ(rows.front().label, ends[t].first) << "type " << t + 1;
        EXPECT_EQ(rows.back().label, ends[t].second) << "type " << t + 1;
    }
}

TEST(CableCatalogue, LabelsAreUniqueAndShapedByConductorArrangement) {
    const std::regex three(R"(3x\d+)");
    const std::regex fourth(R"(3x\d+ \+ 1x\d+(,5)?)");
    const std::regex four(R"(4x\d+)");
    const std::array<const std::regex*, 9> shape{&three,  &three, &three,  &fourth, &fourth,
                                                 &fourth, &three, &fourth, &four};
    for (std::size_t t = 0; t < 9; ++t) {
        std::set<std::string_view> seen;
        int previous = 0;
        for (const CableRow& r : cableTypes()[t].rows) {
            EXPECT_TRUE(seen.insert(r.label).second) << "type " << t + 1 << " " << r.label;
            EXPECT_TRUE(std::regex_match(std::string(r.label), *shape[t])) << "type " << t + 1 << " " << r.label;
            // Cross-sections never fall along a list.
            EXPECT_GE(phaseSection(r.label), previous) << "type " << t + 1 << " " << r.label;
            previous = phaseSection(r.label);
        }
    }
}

TEST(CableCatalogue, ValuesArePositiveDecimalTextsWithoutPaddedZeros) {
    const std::regex decimal(R"(\d+(,\d*[1-9])?)");
    for (std::size_t t = 0; t < 9; ++t) {
        for (const CableRow& r : cableTypes()[t].rows) {
            for (std::string_view v : {r.r1, r.x1, r.r0, r.x0}) {
                EXPECT_TRUE(std::regex_match(std::string(v), decimal))
                    << "type " << t + 1 << " " << r.label << " " << v;
                const auto parsed = ampera::parseDouble(v);
                ASSERT_TRUE(parsed.ok()) << v;
                EXPECT_GT(parsed.value, 0.0) << "type " << t + 1 << " " << r.label;
                EXPECT_EQ(ampera::formatDouble(parsed.value), v);
            }
            // The zero-sequence resistance is never below the positive-sequence one.
            EXPECT_GT(ampera::parseDouble(r.r0).value, ampera::parseDouble(r.r1).value)
                << "type " << t + 1 << " " << r.label;
        }
    }
}

TEST(CableCatalogue, ResistanceDependsOnlyOnMetalAndPhaseCrossSection) {
    // Aluminium types 1 to 6 and copper types 7 to 9 each share r1 by phase
    // cross-section; types 1 to 3 and 4 to 6 also share x1 label by label.
    auto check = [](int first, int last) {
        std::map<int, std::string_view> r1;
        for (int t = first; t <= last; ++t) {
            for (const CableRow& r : cableTypes()[static_cast<std::size_t>(t - 1)].rows) {
                const auto it = r1.emplace(phaseSection(r.label), r.r1).first;
                EXPECT_EQ(it->second, r.r1) << "type " << t << " " << r.label;
            }
        }
    };
    check(1, 6);
    check(7, 9);
    for (int base : {1, 4}) {
        for (int t = base; t <= base + 2; ++t) {
            for (int u = t + 1; u <= base + 2; ++u) {
                for (const CableRow& r : cableTypes()[static_cast<std::size_t>(t - 1)].rows) {
                    if (const CableRow* other = findCableRow(u, r.label)) {
                        EXPECT_EQ(other->x1, r.x1) << "types " << t << ", " << u << " " << r.label;
                    }
                }
            }
        }
    }
}

TEST(CableCatalogue, CaptionsAreSharedByPairsOfTypes) {
    const auto& types = cableTypes();
    EXPECT_EQ(types[0].caption, "кабель с алюминиевыми жилами в алюминиевой оболочке");
    EXPECT_EQ(types[1].caption, "кабель с алюминиевыми жилами в свинцовой оболочке");
    EXPECT_EQ(types[2].caption, "кабель с алюминиевыми жилами в непроводящей оболочке");
    EXPECT_EQ(types[6].caption, "кабель с медными жилами в стальной оболочке***");
    EXPECT_EQ(types[7].caption, "кабель с медными жилами в стальной оболочке");
    EXPECT_EQ(types[3].caption, types[0].caption);
    EXPECT_EQ(types[4].caption, types[1].caption);
    EXPECT_EQ(types[5].caption, types[2].caption);
    EXPECT_EQ(types[8].caption, types[7].caption);
    EXPECT_EQ(std::string(types[6].caption), std::string(types[7].caption) + "***");
    EXPECT_NE(types[0].caption, types[1].caption);
    EXPECT_NE(types[1].caption, types[2].caption);
}

TEST(CableCatalogue, FirstRowOfTypeOneIsTheStartUpState) {
    const CableRow& r = cableTypes()[0].rows.front();
    EXPECT_EQ(r.label, "3x4");
    EXPECT_EQ(r.r1, "9,61");
    EXPECT_EQ(r.x1, "0,092");
    EXPECT_EQ(r.r0, "10,95");
    EXPECT_EQ(r.x0, "0,579");
}

TEST(CableCatalogue, ValuesAreShownAsTabled) {
    EXPECT_EQ(row(3, "3x150").x0, "2");
    EXPECT_EQ(row(8, "3x150 + 1x50").x0, "0,54");
    const CableRow& r9 = row(9, "4x185");
    EXPECT_EQ(r9.r1, "0,115");
    EXPECT_EQ(r9.x1, "0,069");
    EXPECT_EQ(r9.r0, "0,37");
    EXPECT_EQ(r9.x0, "0,27");

    const CableRow& r7 = cableTypes()[6].rows.front();
    EXPECT_EQ(r7.label, "3x6");
    EXPECT_EQ(r7.r1, "3,54");
    EXPECT_EQ(r7.x1, "0,094");
    EXPECT_EQ(r7.r0, "4,07");
    EXPECT_EQ(r7.x0, "1,69");
    const CableRow& r4 = cableTypes()[3].rows.front();
    EXPECT_EQ(r4.label, "3x4 + 1x2,5");
    EXPECT_EQ(r4.r1, "9,61");
    EXPECT_EQ(r4.x1, "0,098");
    EXPECT_EQ(r4.r0, "10,87");
    EXPECT_EQ(r4.x0, "0,57");
    EXPECT_EQ(row(1, "3x50").x1, "0,06");
    EXPECT_EQ(row(2, "3x6").x0, "1,2");
}

TEST(CableCatalogue, SameLabelUnderDifferentTypesIsADifferentRow) {
    for (int t : {1, 2, 3}) {
        EXPECT_EQ(row(t, "3x95").r1, "0,405");
        EXPECT_EQ(row(t, "3x95").x1, "0,057");
    }
    EXPECT_EQ(row(1, "3x95").r0, "1,06");
    EXPECT_EQ(row(2, "3x95").r0, "2,1");
    EXPECT_EQ(row(3, "3x95").r0, "2,505");
    const CableRow& copper = row(7, "3x95");
    EXPECT_EQ(copper.r1, "0,22");
    EXPECT_EQ(copper.x1, "0,064");
    EXPECT_EQ(copper.r0, "0,75");
    EXPECT_EQ(copper.x0, "1,45");
}

TEST(CableCatalogue, TypeEightKeepsBothFourthCoresOfAPhaseSection) {
    const auto rows = cableTypes()[7].rows;
    auto position = [&](std::string_view label) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].label == label) return i;
        }
        return rows.size();
    };
    EXPECT_EQ(position("3x70 + 1x25") + 1, position("3x70 + 1x35"));
    EXPECT_EQ(position("3x185 + 1x50") + 1, position("3x185 + 1x95"));
    EXPECT_EQ(row(8, "3x70 + 1x25").x0, "0,851");
    EXPECT_EQ(row(8, "3x70 + 1x35").x0, "0,654");
    EXPECT_EQ(row(8, "3x185 + 1x50").r0, "0,7");
    EXPECT_EQ(row(8, "3x185 + 1x95").r0, "0,54");
}

TEST(CableCatalogue, LeadSheathedZeroSequenceReactanceFallsWithCrossSection) {
    // Type 2, "3x95": the entry fits its column (the copied 0,174 would not).
    EXPECT_EQ(row(2, "3x95").x0, "0,813");
    double previous = 1e9;
    for (const CableRow& r : cableTypes()[1].rows) {
        const double x0 = ampera::parseDouble(r.x0).value;
        EXPECT_LT(x0, previous) << r.label;
        previous = x0;
    }
}

TEST(CableCatalogue, LookupIsByExactLabelWithinAType) {
    EXPECT_EQ(findCableRow(0, "3x4"), nullptr);
    EXPECT_EQ(findCableRow(10, "3x4"), nullptr);
    EXPECT_EQ(findCableRow(1, "3x4 + 1x2,5"), nullptr);
    EXPECT_EQ(findCableRow(4, "3x4+1x2,5"), nullptr);
    EXPECT_EQ(findCableRow(4, "3x4 + 1x2.5"), nullptr);
    EXPECT_EQ(findCableRow(3, "3x185"), nullptr);
    EXPECT_EQ(findCableRow(1, ""), nullptr);
    for (int t = 1; t <= 9; ++t) {
        for (const CableRow& r : cableTypes()[static_cast<std::size_t>(t - 1)].rows) {
            EXPECT_EQ(findCableRow(t, r.label), &r);
        }
    }
}
