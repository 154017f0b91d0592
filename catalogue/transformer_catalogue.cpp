#include "catalogue/transformer_catalogue.h"

#include "catalogue/catalogue_list.h"

namespace ampera::catalogue {
namespace {

// The numbers of each type as tabled, in list order: the Uвн lists (kV),
// shared by the types that offer the same, the Pк lists (kW) and the loss
// variants {Pк, Uк %, Uнн V, scheme}, one per loss entry. kKeep leaves the
// field as it is. The ТМЖ, ТМПН and ТМФ types carry no settings.
constexpr std::nullopt_t kKeep = std::nullopt;

// clang-format off
constexpr double kHv6And10[] = {6.0, 10.0};
constexpr double kHv35[]     = {35.0, 35.0};
constexpr double kHv27_5[]   = {27.5, 27.5};
constexpr double kHv0_856[]  = {0.856, 0.856};
constexpr double kHv1_61[]   = {1.61, 1.61};
constexpr double kHv2_05[]   = {2.05, 2.05};

constexpr double kTm25Losses[]      = {0.6, 0.69};
constexpr double kTm40Losses[]      = {0.88, 1.0};
constexpr double kTm63Losses[]      = {1.28, 1.47};
constexpr double kTm100Losses[]     = {2.0, 2.27};
constexpr double kTm160Losses[]     = {2.6, 3.1, 3.101};
constexpr double kTm250Losses[]     = {3.7, 4.2, 4.201};
constexpr double kTm400Losses[]     = {5.5, 5.9, 5.901};
constexpr double kTm630Losses[]     = {7.6, 8.5, 8.501};
constexpr double kTm1000_10Losses[] = {12.2, 12.201};
constexpr double kTm1000_35Losses[] = {12.202, 12.203};
constexpr double kTm1600_10Losses[] = {18.0, 18.01};
constexpr double kTm1600_35Losses[] = {18.02, 18.03};
constexpr double kTmzh100Losses[]   = {1.8, 1.8};
constexpr double kTmzh250Losses[]   = {3.55, 3.55};
constexpr double kTmzh400Losses[]   = {6.6, 6.6};
constexpr double kTmzh1000Losses[]  = {11.6, 11.6};
constexpr double kTmz250Losses[]    = {3.7, 3.7};
constexpr double kTmz400Losses[]    = {5.5, 5.5};
constexpr double kTmz630Losses[]    = {7.9, 8.502};
constexpr double kTmz1000Losses[]   = {12.203, 12.204};
constexpr double kTmn1000Losses[]   = {12.205, 12.206};
constexpr double kTmpn63_1Losses[]  = {1.3, 1.3};
constexpr double kTmpn100_3Losses[] = {1.9, 1.9};
constexpr double kTmpn160_3Losses[] = {2.603, 2.603};
constexpr double kTmf250Losses[]    = {3.81, 3.81};
constexpr double kTmf400Losses[]    = {5.51, 5.51};
constexpr LossVariant kTm25Variants[] = {
    {0.6,  4.5, kKeep, "Y/Yн-0"},
    {0.69, 4.7, kKeep, "Y/Zн-11"},
};
constexpr LossVariant kTm40Variants[] = {
    {0.88, 4.5, kKeep, "Y/Yн-0"},
    {1.0,  4.7, kKeep, "Y/Zн-11"},
};
constexpr LossVariant kTm63Variants[] = {
    {1.28, 4.5, kKeep, "Y/Yн-0"},
    {1.47, 4.7, kKeep, "Y/Zн-11"},
};
constexpr LossVariant kTm100Variants[] = {
    {2.0,  4.5, kKeep, "Y/Yн-0"},
    {2.27, 4.7, kKeep, "Y/Zн-11"},
};
constexpr LossVariant kTm160Variants[] = {
    {2.6,   4.5,   400.0, "Y/Yн-0"},
    {3.1,   4.501, 690.0, "Д/Yн-0"},
    {3.101, 4.7,   400.1, "Y/Zн-11"},
};
constexpr LossVariant kTm250Variants[] = {
    {3.7,   4.5,   400.0, "Y/Yн-0"},
    {4.2,   4.501, 690.0, "Д/Yн-0"},
    {4.201, 4.7,   400.1, "Y/Zн-11"},
};
constexpr LossVariant kTm400Variants[] = {
    {5.5,   4.5, 400.0, "Y/Yн-0"},
    {5.9,   4.5, 400.1, "Д/Yн-11"},
    {5.901, 4.5, 690.0, "Д/Yн-11"},
};
constexpr LossVariant kTm630Variants[] = {
    {7.6,   5.5, 400.0, "Y/Yн-0"},
    {8.5,   5.5, 400.1, "Д/Yн-11"},
    {8.501, 5.5, 690.0, "Д/Yн-11"},
};
constexpr LossVariant kTm1000_10Variants[] = {
    {12.2,   5.5, 400.0, "Д/Yн-11"},
    {12.201, 5.5, 690.0, "Д/Yн-11"},
};
constexpr LossVariant kTm1000_35Variants[] = {
    {12.202, 7.2, 400.0, "Y/Yн-0"},
    {12.203, 7.2, 690.0, "Y/Yн-0"},
};
constexpr LossVariant kTm1600_10Variants[] = {
    {18.0,  6.0, 400.0, "Y/Yн-0"},
    {18.01, 6.0, 690.0, "Y/Yн-0"},
};
constexpr LossVariant kTm1600_35Variants[] = {
    {18.02, 7.2, 400.0, "Y/Yн-0"},
    {18.03, 7.2, 690.0, "Y/Yн-0"},
};
constexpr LossVariant kTmz250Variants[] = {
    {3.7, 4.5, 400.0, "Y/Yн-0"},
    {3.7, 4.5, 400.0, "Y/Yн-0"},
};
constexpr LossVariant kTmz400Variants[] = {
    {5.5, 4.5, 400.0, "Y/Yн-0"},
    {5.5, 4.5, 400.0, "Y/Yн-0"},
};
constexpr LossVariant kTmz630Variants[] = {
    {7.9,   kKeep, kKeep, "Y/Yн-0"},
    {8.502, kKeep, kKeep, "Д/Yн-11"},
};
constexpr LossVariant kTmz1000Variants[] = {
    {12.203, kKeep, kKeep, "Y/Д-11"},
    {12.204, kKeep, kKeep, "Д/Yн-11"},
};
constexpr LossVariant kTmn1000Variants[] = {
    {12.205, kKeep, 400.0, kKeep},
    {12.206, kKeep, 690.0, kKeep},
};

constexpr std::array<TransformerRecord, 26> kCatalogue{{
    // designation, Sт kVA, Uвн kV, Uнн V, Pк kW, Uк %, scheme, loss variants
    {"ТМ25",      25,   kHv6And10, 400, kTm25Losses,      4.5, "Y/Yн-0",  kTm25Variants},
    {"ТМ40",      40,   kHv6And10, 400, kTm40Losses,      4.5, "Y/Yн-0",  kTm40Variants},
    {"ТМ63",      63,   kHv6And10, 400, kTm63Losses,      4.5, "Y/Yн-0",  kTm63Variants},
    {"ТМ100",     100,  kHv6And10, 400, kTm100Losses,     4.5, "Y/Yн-0",  kTm100Variants},
    {"ТМ160",     160,  kHv6And10, 400, kTm160Losses,     4.5, "Y/Yн-0",  kTm160Variants},
    {"ТМ250",     250,  kHv6And10, 400, kTm250Losses,     4.5, "Y/Yн-0",  kTm250Variants},
    {"ТМ400",     400,  kHv6And10, 400, kTm400Losses,     4.5, "Y/Yн-0",  kTm400Variants},
    {"ТМ630",     630,  kHv6And10, 400, kTm630Losses,     4.5, "Y/Yн-0",  kTm630Variants},
    {"ТМ1000/10", 1000, kHv6And10, 400, kTm1000_10Losses, 5.5, "Д/Yн-11", kTm1000_10Variants},
    {"ТМ1000/35", 1000, kHv35,     400, kTm1000_35Losses, 7.2, "Y/Yн-0",  kTm1000_35Variants},
    {"ТМ1600/10", 1600, kHv6And10, 400, kTm1600_10Losses, 6.0, "Y/Yн-0",  kTm1600_10Variants},
    {"ТМ1600/35", 1600, kHv35,     400, kTm1600_35Losses, 7.2, "Y/Yн-0",  kTm1600_35Variants},
    {"ТМЖ100",    100,  kHv27_5,   400, kTmzh100Losses,   6.5, "Y/Y-0",   {}},
    {"ТМЖ250",    250,  kHv27_5,   400, kTmzh250Losses,   6.5, "Y/Y-0",   {}},
    {"ТМЖ400",    400,  kHv27_5,   400, kTmzh400Losses,   6.5, "Y/Y-0",   {}},
    {"ТМЖ1000",   1000, kHv27_5,   400, kTmzh1000Losses,  6.5, "Y/Y-0",   {}},
    {"ТМЗ250",    250,  kHv6And10, 400, kTmz250Losses,    4.5, "Y/Yн-0",  kTmz250Variants},
    {"ТМЗ400",    400,  kHv6And10, 400, kTmz400Losses,    4.5, "Y/Yн-0",  kTmz400Variants},
    {"ТМЗ630",    630,  kHv6And10, 400, kTmz630Losses,    5.5, "Y/Yн-0",  kTmz630Variants},
    {"ТМЗ1000",   1000, kHv6And10, 400, kTmz1000Losses,   5.5, "Y/Д-11",  kTmz1000Variants},
    {"ТМН1000",   1000, kHv35,     400, kTmn1000Losses,   7.2, "Y/Yн-0",  kTmn1000Variants},
    {"ТМПН63/1",  63,   kHv0_856,  380, kTmpn63_1Losses,  5.5, "Y/Yн-0",  {}},
    {"ТМПН100/3", 100,  kHv1_61,   380, kTmpn100_3Losses, 5.5, "Y/Yн-0",  {}},
    {"ТМПН160/3", 160,  kHv2_05,   380, kTmpn160_3Losses, 5.5, "Y/Yн-0",  {}},
    {"ТМФ250",    250,  kHv6And10, 400, kTmf250Losses,    4.5, "Y/Yн-0",  {}},
    {"ТМФ400",    400,  kHv6And10, 400, kTmf400Losses,    4.5, "Y/Yн-0",  {}},
}};
// clang-format on

}  // namespace

const std::array<TransformerRecord, 26>& transformerCatalogue() { return kCatalogue; }

const TransformerRecord* findTransformer(std::string_view designation) {
    return findRow(kCatalogue, designation, &TransformerRecord::designation);
}

const LossVariant* lossVariant(const TransformerRecord& record, std::size_t lossIndex) {
    if (lossIndex >= record.variants.size()) return nullptr;
    return &record.variants[lossIndex];
}

}  // namespace ampera::catalogue
