#include <gtest/gtest.h>

#include <string>

#include "storage/cp1251.h"
#include "storage/report_writer.h"

using namespace ampera;

namespace {

ReportData calculated() {
    ReportData d;
    d.st = "400";
    d.threePhase = true;
    d.label44Caption = "ток к.з, кA";
    d.label62 = "12,2309";
    d.text4 = "12,2309";
    return d;
}

}  // namespace

TEST(ReportChecks, BlockSitsBetweenTheTotalAndTheRule) {
    ReportData d = calculated();
    const std::string without = buildReport(d);
    EXPECT_EQ(without.find("ПРОВЕРКА"), std::string::npos);

    d.checks = {"температура жил в конце КЗ, °C = 160", "Bк, кА^2·с = 16,5233"};
    const std::string with = buildReport(d);
    const std::string block =
        "суммарный ток кз = 12,2309\r\r\n"
        "------------------\r\r\n"
        "ПРОВЕРКА ПО ТОКАМ КЗ\r\r\n"
        "температура жил в конце КЗ, °C = 160\r\r\n"
        "Bк, кА^2·с = 16,5233\r\r\n"
        "==================\r\r\n"
        "\r\n\r\n";
    ASSERT_GE(with.size(), block.size());
    EXPECT_EQ(with.substr(with.size() - block.size()), block);
    EXPECT_EQ(with.substr(0, without.size() - 25), without.substr(0, without.size() - 25));
}

TEST(ReportChecks, EveryCharacterHasItsWindows1251Byte) {
    const std::string bytes = utf8ToCp1251("жил, °C; кА^2·с; Iк(1) мин. >= 1,6");
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_NE(bytes.find('\xB0'), std::string::npos);  // °
    EXPECT_NE(bytes.find('\xB7'), std::string::npos);  // ·
}
