#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/overhead_catalogue.h"
#include "core/number_text.h"

using namespace ampera::catalogue;
using enum ampera::catalogue::ConductorMaterial;

namespace {

double value(std::string_view text) {
    const auto parsed = ampera::parseDouble(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.value;
}

double reactance(ConductorMaterial material, double spacing, double section) {
    const auto x = overheadReactance(material, spacing, section);
    EXPECT_TRUE(x.has_value()) << static_cast<int>(material) << " " << spacing << " " << section;
    return x.value_or(-1.0);
}

constexpr ConductorMaterial kMaterials[] = {Copper, Aluminium, SteelAluminium};

std::vector<std::string_view> texts(std::span<const std::string_view> list) { return {list.begin(), list.end()}; }

}  // namespace

TEST(OverheadCatalogue, ListSizesPerMaterial) {
    EXPECT_EQ(overheadMaterial(Copper).spacings.size(), 15u);
    EXPECT_EQ(overheadMaterial(Copper).sections.size(), 11u);
    EXPECT_EQ(overheadMaterial(Aluminium).spacings.size(), 15u);
    EXPECT_EQ(overheadMaterial(Aluminium).sections.size(), 9u);
    EXPECT_EQ(overheadMaterial(SteelAluminium).spacings.size(), 9u);
    EXPECT_EQ(overheadMaterial(SteelAluminium).sections.size(), 7u);
}

TEST(OverheadCatalogue, ListEnds) {
    const OverheadMaterial& cu = overheadMaterial(Copper);
    EXPECT_EQ(cu.spacings.front(), "0,4");
    EXPECT_EQ(cu.spacings[4], "1,25");
    EXPECT_EQ(cu.spacings.back(), "6");
    EXPECT_EQ(cu.sections.front(), "6");
    EXPECT_EQ(cu.sections.back(), "185");
    const OverheadMaterial& sa = overheadMaterial(SteelAluminium);
    EXPECT_EQ(sa.spacings.front(), "2");
    EXPECT_EQ(sa.spacings.back(), "6");
    EXPECT_EQ(sa.sections.front(), "35");
    EXPECT_EQ(sa.sections.back(), "185");
}

TEST(OverheadCatalogue, AluminiumSharesCopperSpacingsAndLargerSections) {
    const OverheadMaterial& cu = overheadMaterial(Copper);
    const OverheadMaterial& al = overheadMaterial(Aluminium);
    EXPECT_EQ(texts(al.spacings), texts(cu.spacings));
    EXPECT_EQ(texts(al.sections), texts(cu.sections.subspan(2)));
    EXPECT_EQ(al.sections.front(), "16");
    // Steel-aluminium spacings are copper's from 2 m on.
    EXPECT_EQ(texts(overheadMaterial(SteelAluminium).spacings), texts(cu.spacings.subspan(6)));
}

TEST(OverheadCatalogue, ListTextsAreRisingNumbersWithoutTrailingZeros) {
    for (ConductorMaterial m : kMaterials) {
        for (auto list : {overheadMaterial(m).spacings, overheadMaterial(m).sections}) {
            double previous = 0.0;
            for (std::string_view text : list) {
                const double v = value(text);
                EXPECT_EQ(ampera::formatDouble(v), text);
                EXPECT_GT(v, previous) << text;
                previous = v;
            }
        }
    }
}

TEST(OverheadCatalogue, Resistivities) {
    EXPECT_EQ(overheadMaterial(Copper).resistivity, 0.0178);
    EXPECT_EQ(overheadMaterial(Aluminium).resistivity, 0.0299);
    EXPECT_EQ(overheadMaterial(SteelAluminium).resistivity, 0.0299);
    EXPECT_EQ(ampera::formatDouble(overheadMaterial(Copper).resistivity), "0,0178");
}

TEST(OverheadCatalogue, EveryListedPairHasAnEntry) {
    for (ConductorMaterial m : kMaterials) {
        const OverheadMaterial& mat = overheadMaterial(m);
        for (std::string_view s : mat.sections) {
            for (std::string_view d : mat.spacings) {
                const double x = reactance(m, value(d), value(s));
                EXPECT_GE(x, 0.0);
                EXPECT_LT(x, 0.5) << static_cast<int>(m) << " " << s << " " << d;
            }
        }
    }
}

TEST(OverheadCatalogue, TabledValuesFormOneUnbrokenRunPerRow) {
    // Along a row the missing entries (0) sit only before or after the run of
    // values, and the run holds at least three; a 0 inside a run would be a typo.
    for (ConductorMaterial m : kMaterials) {
        const OverheadMaterial& mat = overheadMaterial(m);
        for (std::string_view s : mat.sections) {
            int runs = 0, length = 0;
            bool inRun = false;
            for (std::string_view d : mat.spacings) {
                const bool present = reactance(m, value(d), value(s)) > 0.0;
                if (present && !inRun) ++runs;
                if (present) ++length;
                inRun = present;
            }
            EXPECT_EQ(runs, 1) << static_cast<int>(m) << " " << s;
            EXPECT_GE(length, 3) << static_cast<int>(m) << " " << s;
        }
    }
}

TEST(OverheadCatalogue, ReactanceFallsWithCrossSectionAtEachSpacing) {
    for (ConductorMaterial m : kMaterials) {
        const OverheadMaterial& mat = overheadMaterial(m);
        for (std::string_view d : mat.spacings) {
            double previous = 1.0;
            for (std::string_view s : mat.sections) {
                const double x = reactance(m, value(d), value(s));
                if (x == 0.0) continue;
                EXPECT_LT(x, previous) << static_cast<int>(m) << " " << s << " " << d;
                previous = x;
            }
        }
    }
}

TEST(OverheadCatalogue, AluminiumLooksUpCopperValues) {
    const OverheadMaterial& al = overheadMaterial(Aluminium);
    for (std::string_view s : al.sections) {
        for (std::string_view d : al.spacings) {
            EXPECT_EQ(reactance(Aluminium, value(d), value(s)), reactance(Copper, value(d), value(s))) << s << " " << d;
        }
    }
}

TEST(OverheadCatalogue, SpotValues) {
    EXPECT_EQ(reactance(Copper, 0.4, 6), 0.371);
    EXPECT_EQ(reactance(Copper, 1.5, 6), 0.0);
    EXPECT_EQ(reactance(Copper, 0.4, 120), 0.0);
    EXPECT_EQ(reactance(Aluminium, 0.6, 120), 0.292);
    EXPECT_EQ(reactance(Copper, 2, 10), 0.457);
    EXPECT_EQ(reactance(Copper, 6, 185), 0.426);
    EXPECT_EQ(reactance(SteelAluminium, 2, 185), 0.0);
    EXPECT_EQ(reactance(SteelAluminium, 2, 35), 0.403);
    EXPECT_EQ(reactance(SteelAluminium, 5.5, 120), 0.43);
    EXPECT_EQ(reactance(SteelAluminium, 5.5, 185), 0.415);
}

TEST(OverheadCatalogue, ValuesThatBreakTheRiseAreKeptAsTabled) {
    EXPECT_EQ(reactance(Copper, 3.5, 35), 0.455);
    EXPECT_EQ(reactance(Aluminium, 3.5, 35), 0.455);
    EXPECT_EQ(reactance(Copper, 4, 35), 0.453);
    EXPECT_EQ(reactance(SteelAluminium, 3.5, 150), 0.398);
}

TEST(OverheadCatalogue, SteelAluminiumHasNoValueAtSixMetres) {
    for (std::string_view s : overheadMaterial(SteelAluminium).sections) {
        EXPECT_EQ(reactance(SteelAluminium, 6, value(s)), 0.0) << s;
    }
}

TEST(OverheadCatalogue, PairsOutsideTheListsHaveNoEntry) {
    EXPECT_FALSE(overheadReactance(Aluminium, 0.4, 6).has_value());
    EXPECT_FALSE(overheadReactance(Aluminium, 0.4, 10).has_value());
    EXPECT_FALSE(overheadReactance(SteelAluminium, 1.5, 35).has_value());
    EXPECT_FALSE(overheadReactance(SteelAluminium, 2, 25).has_value());
    EXPECT_FALSE(overheadReactance(Copper, 0, 50).has_value());
    EXPECT_FALSE(overheadReactance(Copper, 1, 0).has_value());
    EXPECT_FALSE(overheadReactance(Copper, 0.45, 50).has_value());
    EXPECT_FALSE(overheadReactance(Copper, 6.5, 50).has_value());
    EXPECT_FALSE(overheadReactance(Copper, 1, 240).has_value());
    EXPECT_FALSE(overheadReactance(static_cast<ConductorMaterial>(-1), 1, 50).has_value());
    EXPECT_FALSE(overheadReactance(static_cast<ConductorMaterial>(3), 1, 50).has_value());
    EXPECT_THROW(overheadMaterial(static_cast<ConductorMaterial>(3)), std::out_of_range);
    EXPECT_THROW(overheadMaterial(static_cast<ConductorMaterial>(-1)), std::out_of_range);
}
