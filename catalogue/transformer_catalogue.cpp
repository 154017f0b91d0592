#include "catalogue/transformer_catalogue.h"

namespace ampera::catalogue {
namespace {

// Uвн list (kV), Pк list (kW) and the loss variants of each type, in list
// order. A variant is {Pк, Uк %, Uнн V, scheme}; std::nullopt leaves the
// field as it is. The ТМЖ, ТМПН and ТМФ types carry no settings.

// ТМ25
constexpr double kHv1[] = {6.0, 10.0};
constexpr double kPk1[] = {0.6, 0.69};
constexpr LossVariant kVar1[] = {
    {0.6, 4.5, std::nullopt, std::string_view{"Y/Yн-0"}},
    {0.69, 4.7, std::nullopt, std::string_view{"Y/Zн-11"}},
};

// ТМ40
constexpr double kHv2[] = {6.0, 10.0};
constexpr double kPk2[] = {0.88, 1.0};
constexpr LossVariant kVar2[] = {
    {0.88, 4.5, std::nullopt, std::string_view{"Y/Yн-0"}},
    {1.0, 4.7, std::nullopt, std::string_view{"Y/Zн-11"}},
};

// ТМ63
constexpr double kHv3[] = {6.0, 10.0};
constexpr double kPk3[] = {1.28, 1.47};
constexpr LossVariant kVar3[] = {
    {1.28, 4.5, std::nullopt, std::string_view{"Y/Yн-0"}},
    {1.47, 4.7, std::nullopt, std::string_view{"Y/Zн-11"}},
};

// ТМ100
constexpr double kHv4[] = {6.0, 10.0};
constexpr double kPk4[] = {2.0, 2.27};
constexpr LossVariant kVar4[] = {
    {2.0, 4.5, std::nullopt, std::string_view{"Y/Yн-0"}},
    {2.27, 4.7, std::nullopt, std::string_view{"Y/Zн-11"}},
};

// ТМ160
constexpr double kHv5[] = {6.0, 10.0};
constexpr double kPk5[] = {2.6, 3.1, 3.101};
constexpr LossVariant kVar5[] = {
    {2.6, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
    {3.1, 4.501, 690.0, std::string_view{"Д/Yн-0"}},
    {3.101, 4.7, 400.1, std::string_view{"Y/Zн-11"}},
};

// ТМ250
constexpr double kHv6[] = {6.0, 10.0};
constexpr double kPk6[] = {3.7, 4.2, 4.201};
constexpr LossVariant kVar6[] = {
    {3.7, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
    {4.2, 4.501, 690.0, std::string_view{"Д/Yн-0"}},
    {4.201, 4.7, 400.1, std::string_view{"Y/Zн-11"}},
};

// ТМ400
constexpr double kHv7[] = {6.0, 10.0};
constexpr double kPk7[] = {5.5, 5.9, 5.901};
constexpr LossVariant kVar7[] = {
    {5.5, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
    {5.9, 4.5, 400.1, std::string_view{"Д/Yн-11"}},
    {5.901, 4.5, 690.0, std::string_view{"Д/Yн-11"}},
};

// ТМ630
constexpr double kHv8[] = {6.0, 10.0};
constexpr double kPk8[] = {7.6, 8.5, 8.501};
constexpr LossVariant kVar8[] = {
    {7.6, 5.5, 400.0, std::string_view{"Y/Yн-0"}},
    {8.5, 5.5, 400.1, std::string_view{"Д/Yн-11"}},
    {8.501, 5.5, 690.0, std::string_view{"Д/Yн-11"}},
};

// ТМ1000/10
constexpr double kHv9[] = {6.0, 10.0};
constexpr double kPk9[] = {12.2, 12.201};
constexpr LossVariant kVar9[] = {
    {12.2, 5.5, 400.0, std::string_view{"Д/Yн-11"}},
    {12.201, 5.5, 690.0, std::string_view{"Д/Yн-11"}},
};

// ТМ1000/35
constexpr double kHv10[] = {35.0, 35.0};
constexpr double kPk10[] = {12.202, 12.203};
constexpr LossVariant kVar10[] = {
    {12.202, 7.2, 400.0, std::string_view{"Y/Yн-0"}},
    {12.203, 7.2, 690.0, std::string_view{"Y/Yн-0"}},
};

// ТМ1600/10
constexpr double kHv11[] = {6.0, 10.0};
constexpr double kPk11[] = {18.0, 18.01};
constexpr LossVariant kVar11[] = {
    {18.0, 6.0, 400.0, std::string_view{"Y/Yн-0"}},
    {18.01, 6.0, 690.0, std::string_view{"Y/Yн-0"}},
};

// ТМ1600/35
constexpr double kHv12[] = {35.0, 35.0};
constexpr double kPk12[] = {18.02, 18.03};
constexpr LossVariant kVar12[] = {
    {18.02, 7.2, 400.0, std::string_view{"Y/Yн-0"}},
    {18.03, 7.2, 690.0, std::string_view{"Y/Yн-0"}},
};

// ТМЖ100
constexpr double kHv13[] = {27.5, 27.5};
constexpr double kPk13[] = {1.8, 1.8};

// ТМЖ250
constexpr double kHv14[] = {27.5, 27.5};
constexpr double kPk14[] = {3.55, 3.55};

// ТМЖ400
constexpr double kHv15[] = {27.5, 27.5};
constexpr double kPk15[] = {6.6, 6.6};

// ТМЖ1000
constexpr double kHv16[] = {27.5, 27.5};
constexpr double kPk16[] = {11.6, 11.6};

// ТМЗ250
constexpr double kHv17[] = {6.0, 10.0};
constexpr double kPk17[] = {3.7, 3.7};
constexpr LossVariant kVar17[] = {
    {3.7, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
    {3.7, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
};

// ТМЗ400
constexpr double kHv18[] = {6.0, 10.0};
constexpr double kPk18[] = {5.5, 5.5};
constexpr LossVariant kVar18[] = {
    {5.5, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
    {5.5, 4.5, 400.0, std::string_view{"Y/Yн-0"}},
};

// ТМЗ630
constexpr double kHv19[] = {6.0, 10.0};
constexpr double kPk19[] = {7.9, 8.502};
constexpr LossVariant kVar19[] = {
    {7.9, std::nullopt, std::nullopt, std::string_view{"Y/Yн-0"}},
    {8.502, std::nullopt, std::nullopt, std::string_view{"Д/Yн-11"}},
};

// ТМЗ1000
constexpr double kHv20[] = {6.0, 10.0};
constexpr double kPk20[] = {12.203, 12.204};
constexpr LossVariant kVar20[] = {
    {12.203, std::nullopt, std::nullopt, std::string_view{"Y/Д-11"}},
    {12.204, std::nullopt, std::nullopt, std::string_view{"Д/Yн-11"}},
};

// ТМН1000
constexpr double kHv21[] = {35.0, 35.0};
constexpr double kPk21[] = {12.205, 12.206};
constexpr LossVariant kVar21[] = {
    {12.205, std::nullopt, 400.0, std::nullopt},
    {12.206, std::nullopt, 690.0, std::nullopt},
};

// ТМПН63/1
constexpr double kHv22[] = {0.856, 0.856};
constexpr double kPk22[] = {1.3, 1.3};

// ТМПН100/3
constexpr double kHv23[] = {1.61, 1.61};
constexpr double kPk23[] = {1.9, 1.9};

// ТМПН160/3
constexpr double kHv24[] = {2.05, 2.05};
constexpr double kPk24[] = {2.603, 2.603};

// ТМФ250
constexpr double kHv25[] = {6.0, 10.0};
constexpr double kPk25[] = {3.81, 3.81};

// ТМФ400
constexpr double kHv26[] = {6.0, 10.0};
constexpr double kPk26[] = {5.51, 5.51};

constexpr std::array<TransformerRecord, 26> kCatalogue{{
    // designation, Sт kVA, Uвн kV, Uнн V, Pк kW, Uк %, scheme, loss variants
    {"ТМ25", 25, kHv1, 400, kPk1, 4.5, "Y/Yн-0", kVar1},
    {"ТМ40", 40, kHv2, 400, kPk2, 4.5, "Y/Yн-0", kVar2},
    {"ТМ63", 63, kHv3, 400, kPk3, 4.5, "Y/Yн-0", kVar3},
    {"ТМ100", 100, kHv4, 400, kPk4, 4.5, "Y/Yн-0", kVar4},
    {"ТМ160", 160, kHv5, 400, kPk5, 4.5, "Y/Yн-0", kVar5},
    {"ТМ250", 250, kHv6, 400, kPk6, 4.5, "Y/Yн-0", kVar6},
    {"ТМ400", 400, kHv7, 400, kPk7, 4.5, "Y/Yн-0", kVar7},
    {"ТМ630", 630, kHv8, 400, kPk8, 4.5, "Y/Yн-0", kVar8},
    {"ТМ1000/10", 1000, kHv9, 400, kPk9, 5.5, "Д/Yн-11", kVar9},
    {"ТМ1000/35", 1000, kHv10, 400, kPk10, 7.2, "Y/Yн-0", kVar10},
    {"ТМ1600/10", 1600, kHv11, 400, kPk11, 6.0, "Y/Yн-0", kVar11},
    {"ТМ1600/35", 1600, kHv12, 400, kPk12, 7.2, "Y/Yн-0", kVar12},
    {"ТМЖ100", 100, kHv13, 400, kPk13, 6.5, "Y/Y-0", {}},
    {"ТМЖ250", 250, kHv14, 400, kPk14, 6.5, "Y/Y-0", {}},
    {"ТМЖ400", 400, kHv15, 400, kPk15, 6.5, "Y/Y-0", {}},
    {"ТМЖ1000", 1000, kHv16, 400, kPk16, 6.5, "Y/Y-0", {}},
    {"ТМЗ250", 250, kHv17, 400, kPk17, 4.5, "Y/Yн-0", kVar17},
    {"ТМЗ400", 400, kHv18, 400, kPk18, 4.5, "Y/Yн-0", kVar18},
    {"ТМЗ630", 630, kHv19, 400, kPk19, 5.5, "Y/Yн-0", kVar19},
    {"ТМЗ1000", 1000, kHv20, 400, kPk20, 5.5, "Y/Д-11", kVar20},
    {"ТМН1000", 1000, kHv21, 400, kPk21, 7.2, "Y/Yн-0", kVar21},
    {"ТМПН63/1", 63, kHv22, 380, kPk22, 5.5, "Y/Yн-0", {}},
    {"ТМПН100/3", 100, kHv23, 380, kPk23, 5.5, "Y/Yн-0", {}},
    {"ТМПН160/3", 160, kHv24, 380, kPk24, 5.5, "Y/Yн-0", {}},
    {"ТМФ250", 250, kHv25, 400, kPk25, 4.5, "Y/Yн-0", {}},
    {"ТМФ400", 400, kHv26, 400, kPk26, 4.5, "Y/Yн-0", {}},
}};

}  // namespace

const std::array<TransformerRecord, 26>& transformerCatalogue() { return kCatalogue; }

const TransformerRecord* findTransformer(std::string_view designation) {
    for (const TransformerRecord& record : kCatalogue) {
        if (record.designation == designation) return &record;
    }
    return nullptr;
}

const LossVariant* lossVariant(const TransformerRecord& record, std::size_t lossIndex) {
    if (lossIndex >= record.variants.size()) return nullptr;
    return &record.variants[lossIndex];
}

}  // namespace ampera::catalogue
