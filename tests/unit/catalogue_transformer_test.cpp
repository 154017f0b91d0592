#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/transformer_catalogue.h"

using namespace ampera::catalogue;

namespace {

const TransformerRecord& record(std::string_view designation) {
    const TransformerRecord* r = findTransformer(designation);
    EXPECT_NE(r, nullptr) << designation;
    static const TransformerRecord none{};
    return r != nullptr ? *r : none;
}

std::vector<double> list(std::span<const double> values) { return {values.begin(), values.end()}; }

const std::set<std::string_view> kSchemes{"Y/Yн-0", "Y/Zн-11", "Д/Yн-0", "Д/Yн-11", "Y/Д-11", "Y/Y-0"};

}  // namespace

TEST(TransformerCatalogue, TwentySixUniqueTypesInListOrder) {
    const auto& all = transformerCatalogue();
    std::set<std::string_view> seen;
    for (const TransformerRecord& r : all) {
        EXPECT_TRUE(seen.insert(r.designation).second) << r.designation;
        EXPECT_EQ(findTransformer(r.designation), &r);
    }
    EXPECT_EQ(all.front().designation, "ТМ25");
    EXPECT_EQ(all[8].designation, "ТМ1000/10");
    EXPECT_EQ(all[12].designation, "ТМЖ100");
    EXPECT_EQ(all[21].designation, "ТМПН63/1");
    EXPECT_EQ(all.back().designation, "ТМФ400");
    EXPECT_EQ(findTransformer(""), nullptr);
    EXPECT_EQ(findTransformer("TM25"), nullptr);  // Latin letters are another text
}

TEST(TransformerCatalogue, RecordsAreWellFormed) {
    for (const TransformerRecord& r : transformerCatalogue()) {
        EXPECT_GT(r.ratedPower, 0) << r.designation;
        EXPECT_EQ(r.highVoltages.size(), 2u) << r.designation;
        EXPECT_TRUE(r.losses.size() == 2 || r.losses.size() == 3) << r.designation;
        EXPECT_TRUE(r.lowVoltage == 400 || r.lowVoltage == 380) << r.designation;
        EXPECT_GT(r.uk, 4.0) << r.designation;
        EXPECT_LT(r.uk, 8.0) << r.designation;
        EXPECT_TRUE(kSchemes.count(r.scheme)) << r.designation << " " << r.scheme;
        // Short-circuit losses run from about 1 % to 3 % of the rated power.
        for (double pk : r.losses) {
            EXPECT_GT(pk / r.ratedPower, 0.009) << r.designation << " " << pk;
            EXPECT_LT(pk / r.ratedPower, 0.03) << r.designation << " " << pk;
        }
        // The listed losses never fall.
        for (std::size_t i = 1; i < r.losses.size(); ++i) {
            EXPECT_LE(r.losses[i - 1], r.losses[i]) << r.designation;
        }
    }
}

TEST(TransformerCatalogue, VariantsMatchTheLossListEntryByEntry) {
    for (const TransformerRecord& r : transformerCatalogue()) {
        if (r.variants.empty()) continue;
        ASSERT_EQ(r.variants.size(), r.losses.size()) << r.designation;
        for (std::size_t i = 0; i < r.losses.size(); ++i) {
            EXPECT_EQ(r.variants[i].loss, r.losses[i]) << r.designation << " " << i;
            EXPECT_EQ(lossVariant(r, i), &r.variants[i]);
            if (r.variants[i].scheme) {
                EXPECT_TRUE(kSchemes.count(*r.variants[i].scheme)) << r.designation;
            }
            EXPECT_TRUE(r.variants[i].uk || r.variants[i].uf || r.variants[i].scheme) << r.designation << " " << i;
        }
        EXPECT_EQ(lossVariant(r, r.losses.size()), nullptr);
    }
}

TEST(TransformerCatalogue, TypesWithoutSettings) {
    std::vector<std::size_t> bare;
    const auto& all = transformerCatalogue();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].variants.empty()) bare.push_back(i + 1);
    }
    EXPECT_EQ(bare, (std::vector<std::size_t>{13, 14, 15, 16, 22, 23, 24, 25, 26}));
    for (std::size_t n : bare) {
        const TransformerRecord& r = all[n - 1];
        EXPECT_EQ(lossVariant(r, 0), nullptr) << r.designation;
        EXPECT_EQ(lossVariant(r, 1), nullptr) << r.designation;
        // Their loss lists show one value twice, and so do the high-voltage
        // lists except for the two 6/10 kV types at the end.
        EXPECT_EQ(r.losses[0], r.losses[1]) << r.designation;
        EXPECT_EQ(r.highVoltages[0] == r.highVoltages[1], n < 25) << r.designation;
    }
}

TEST(TransformerCatalogue, DefaultsOfTheFirstType) {
    const TransformerRecord& r = transformerCatalogue().front();
    EXPECT_EQ(r.ratedPower, 25);
    EXPECT_EQ(list(r.highVoltages), (std::vector<double>{6, 10}));
    EXPECT_EQ(r.lowVoltage, 400);
    EXPECT_EQ(list(r.losses), (std::vector<double>{0.6, 0.69}));
    EXPECT_EQ(r.uk, 4.5);
    EXPECT_EQ(r.scheme, "Y/Yн-0");
}

TEST(TransformerCatalogue, ThirdLossEntryOfTm160) {
    const TransformerRecord& r = record("ТМ160");
    EXPECT_EQ(r.ratedPower, 160);
    EXPECT_EQ(list(r.losses), (std::vector<double>{2.6, 3.1, 3.101}));
    const LossVariant* v = lossVariant(r, 2);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->uk, 4.7);
    EXPECT_EQ(v->uf, 400.1);
    EXPECT_EQ(v->scheme, "Y/Zн-11");
    const LossVariant* second = lossVariant(r, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->uk, 4.501);
    EXPECT_EQ(second->uf, 690.0);
    EXPECT_EQ(second->scheme, "Д/Yн-0");
}

TEST(TransformerCatalogue, SameLossValueInTwoTypesCarriesItsOwnSettings) {
    const TransformerRecord& tm = record("ТМ1000/35");
    EXPECT_EQ(list(tm.highVoltages), (std::vector<double>{35, 35}));
    const LossVariant* a = lossVariant(tm, 1);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->loss, 12.203);
    EXPECT_EQ(a->uk, 7.2);
    EXPECT_EQ(a->uf, 690.0);

    const TransformerRecord& tmz = record("ТМЗ1000");
    EXPECT_EQ(tmz.uk, 5.5);
    EXPECT_EQ(tmz.scheme, "Y/Д-11");
    const LossVariant* b = lossVariant(tmz, 0);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->loss, 12.203);
    EXPECT_FALSE(b->uk.has_value());
    EXPECT_FALSE(b->uf.has_value());
    EXPECT_EQ(b->scheme, "Y/Д-11");
}

TEST(TransformerCatalogue, TmnChangesOnlyTheLowVoltage) {
    const TransformerRecord& r = record("ТМН1000");
    EXPECT_EQ(r.uk, 7.2);
    const LossVariant* v = lossVariant(r, 1);
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->uk.has_value());
    EXPECT_FALSE(v->scheme.has_value());
    EXPECT_EQ(v->uf, 690.0);
}

TEST(TransformerCatalogue, RepeatedLossEntriesShareTheirVariant) {
    for (int n : {17, 18}) {
        const TransformerRecord& r = transformerCatalogue()[static_cast<std::size_t>(n - 1)];
        ASSERT_EQ(r.variants.size(), 2u) << r.designation;
        EXPECT_EQ(r.losses[0], r.losses[1]);
        for (const LossVariant& v : r.variants) {
            EXPECT_EQ(v.uk, 4.5);
            EXPECT_EQ(v.uf, 400.0);
            EXPECT_EQ(v.scheme, "Y/Yн-0");
        }
    }
    EXPECT_EQ(record("ТМЗ250").losses[0], 3.7);
    EXPECT_EQ(record("ТМЗ400").losses[0], 5.5);
}

TEST(TransformerCatalogue, OddValuesAreKeptAsTabled) {
    EXPECT_EQ(list(record("ТМЖ100").highVoltages), (std::vector<double>{27.5, 27.5}));
    EXPECT_EQ(record("ТМЖ400").ratedPower, 400);
    EXPECT_EQ(list(record("ТМПН63/1").highVoltages), (std::vector<double>{0.856, 0.856}));
    EXPECT_EQ(record("ТМПН63/1").lowVoltage, 380);
    EXPECT_EQ(record("ТМЖ100").scheme, "Y/Y-0");
    EXPECT_EQ(list(record("ТМПН160/3").losses), (std::vector<double>{2.603, 2.603}));
    EXPECT_EQ(list(record("ТМ1000/10").losses), (std::vector<double>{12.2, 12.201}));
    EXPECT_EQ(list(record("ТМ1600/10").losses), (std::vector<double>{18, 18.01}));
    EXPECT_EQ(list(record("ТМЗ630").losses), (std::vector<double>{7.9, 8.502}));
    EXPECT_EQ(record("ТМ1000/10").scheme, "Д/Yн-11");
    EXPECT_EQ(record("ТМ1600/10").uk, 6.0);
    const LossVariant* v = lossVariant(record("ТМ400"), 1);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->uf, 400.1);
    EXPECT_EQ(v->scheme, "Д/Yн-11");
}
