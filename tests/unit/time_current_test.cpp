// The devices' time-current zones, the guaranteed times, the limits by ПУЭ 1.7.79 and the time verdict.
#include <gtest/gtest.h>

#include <cmath>

#include "core/fault_checks.h"
#include "core/time_current.h"

namespace ampera {
namespace {

// The gG gates of ГОСТ IEC 60269-1 as published: In, Imin 10 s, Imax 5 s, Imin 0,1 s, Imax 0,1 s.
struct Gates {
    double in, min10, max5, min01, max01;
};
constexpr Gates kGates[] = {
    {16, 33, 65, 85, 150},          {20, 42, 85, 110, 200},         {25, 52, 110, 150, 260},
    {32, 75, 150, 200, 350},        {40, 95, 190, 260, 450},        {50, 125, 250, 350, 610},
    {63, 160, 320, 450, 820},       {80, 215, 425, 610, 1100},      {100, 290, 580, 820, 1450},
    {125, 355, 715, 1100, 1910},    {160, 460, 950, 1450, 2590},    {200, 610, 1250, 1910, 3420},
    {250, 750, 1650, 2590, 4500},   {315, 1050, 2200, 3420, 6000},  {400, 1420, 2840, 4500, 8060},
    {500, 1780, 3800, 6000, 10600}, {630, 2200, 5100, 8060, 14140},
};

TEST(TimeCurrent, FuseZonesFollowTheirGates) {
    for (const Gates& g : kGates) {
        const auto zone = timeZone(ProtectiveDevice::Fuse, g.in, 0);
        ASSERT_TRUE(zone) << g.in;
        const double hours = g.in <= 63 ? 1 : g.in <= 160 ? 2 : g.in <= 400 ? 3 : 4;
        EXPECT_EQ(zone->lower, (std::vector<TimePoint>{{1.25 * g.in, hours * 3600}, {g.min10, 10}, {g.min01, 0.1}}));
        EXPECT_EQ(zone->upper, (std::vector<TimePoint>{{1.6 * g.in, hours * 3600}, {g.max5, 5}, {g.max01, 0.1}}));
        // The greatest melting time at the gates, between them on the log-log line, none below fusing.
        EXPECT_EQ(guaranteedTime(*zone, g.max5), 5.0) << g.in;
        EXPECT_EQ(guaranteedTime(*zone, g.max01), 0.1) << g.in;
        EXPECT_EQ(guaranteedTime(*zone, 10 * g.max01), 0.1) << g.in;
        EXPECT_NEAR(*guaranteedTime(*zone, std::sqrt(g.max5 * g.max01)), std::sqrt(5 * 0.1), 1e-9) << g.in;
        EXPECT_FALSE(guaranteedTime(*zone, 1.59 * g.in)) << g.in;
        EXPECT_EQ(currentWithin(*zone, 5), g.max5) << g.in;
        EXPECT_EQ(currentWithin(*zone, 0.1), g.max01) << g.in;
        EXPECT_NEAR(*currentWithin(*zone, std::sqrt(0.5)), std::sqrt(g.max5 * g.max01), 1e-9) << g.in;
    }
    // A rating outside the table has no zone.
    EXPECT_FALSE(timeZone(ProtectiveDevice::Fuse, 35, 0));
    EXPECT_FALSE(timeZone(ProtectiveDevice::Fuse, 16.5, 0));
}

TEST(TimeCurrent, BreakersAndReleaseTripByTheirStandards) {
    struct Case {
        ProtectiveDevice device;
        double in, noInstantaneous, instantaneous, hour, at255;
    };
    for (const Case& c :
         {Case{ProtectiveDevice::BreakerB, 16, 3, 5, 3600, 60}, Case{ProtectiveDevice::BreakerC, 40, 5, 10, 3600, 120},
          Case{ProtectiveDevice::BreakerD, 100, 10, 20, 7200, 120}}) {
        const auto zone = timeZone(c.device, c.in, 0);
        ASSERT_TRUE(zone);
        EXPECT_FALSE(guaranteedTime(*zone, 1.13 * c.in));
        EXPECT_EQ(guaranteedTime(*zone, 1.45 * c.in), c.hour);
        EXPECT_EQ(guaranteedTime(*zone, 2.55 * c.in), c.at255);
        EXPECT_EQ(guaranteedTime(*zone, c.instantaneous * c.in - 0.01), c.at255);
        EXPECT_EQ(guaranteedTime(*zone, c.instantaneous * c.in), 0.1);
        // Every limit asks the instantaneous zone: the sensitivity's current.
        for (double limit : {0.1, 0.2, 0.4, 0.8, 5.0})
            EXPECT_EQ(currentWithin(*zone, limit), requiredCurrent(c.device, c.in, 0));
        EXPECT_EQ(zone->lower[0], (TimePoint{1.13 * c.in, c.hour}));
        EXPECT_EQ(zone->lower[1], (TimePoint{2.55 * c.in, 1}));
        EXPECT_EQ(zone->lower[2], (TimePoint{c.noInstantaneous * c.in, 0.1}));
    }
    // The electromagnetic release: 0,1 s from 1,2·Iуст, In not needed.
    const auto release = timeZone(ProtectiveDevice::BreakerInstantaneous, 0, 1000);
    ASSERT_TRUE(release);
    EXPECT_FALSE(guaranteedTime(*release, 1199));
    EXPECT_EQ(guaranteedTime(*release, 1200), 0.1);
    EXPECT_EQ(currentWithin(*release, 5), 1200);
    EXPECT_EQ(release->lower, (std::vector<TimePoint>{{800, 0.1}}));
}

TEST(TimeCurrent, LimitsByTheLineVoltage) {
    for (const auto& [circuit, volts, seconds] : {std::tuple{Circuit::Final, 220.0, "0,8"},
                                                  {Circuit::Final, 250.0, "0,8"},
                                                  {Circuit::Final, 380.0, "0,4"},
                                                  {Circuit::Final, 450.0, "0,4"},
                                                  {Circuit::Final, 660.0, "0,2"},
                                                  {Circuit::Final, 750.0, "0,2"},
                                                  {Circuit::Final, 1000.0, "0,1"},
                                                  {Circuit::Distribution, 400.0, "5"},
                                                  {Circuit::Distribution, 1000.0, "5"}})
        EXPECT_EQ(disconnectionLimit(circuit, volts).toText(), seconds) << volts;
}

// The time verdict from a device and the minimum current at the line's end, with its words read back.
TEST(TimeCurrent, TheVerdictAndItsWords) {
    struct Case {
        ProtectiveDevice device;
        const char *in, *iset;
        Circuit circuit;
        double volts, ik1min;  // V, kA
        const char* words;
    };
    const Case cases[] = {
        // A 16 A fuse with 50 A at the end: 3·In passes the sensitivity, but it does not melt within 5 s.
        {ProtectiveDevice::Fuse, "16", "", Circuit::Distribution, 400, 0.05,
         "время отключения НЕ обеспечено: Iк(1) мин. = 0,05 кА < 0,065 кА (t ≤ 5 с)"},
        {ProtectiveDevice::BreakerC, "8", "", Circuit::Final, 400, 0.2044,
         "время отключения обеспечено: t ≤ 0,4 с при Iк(1) мин. = 0,2044 кА >= 0,08 кА"},
        // 16 A at 0,4 s: on the line from (65 А, 5 с) to (150 А, 0,1 с).
        {ProtectiveDevice::Fuse, "16", "", Circuit::Final, 400, 0.1,
         "время отключения НЕ обеспечено: Iк(1) мин. = 0,1 кА < 0,1115 кА (t ≤ 0,4 с)"},
        {ProtectiveDevice::BreakerInstantaneous, "", "1000", Circuit::Final, 230, 1.3,
         "время отключения обеспечено: t ≤ 0,8 с при Iк(1) мин. = 1,3 кА >= 1,2 кА"},
        {ProtectiveDevice::Fuse, "35", "", Circuit::Final, 400, 1,
         "время отключения не оценивается: нет характеристики для In = 35 А"},
        {ProtectiveDevice::Fuse, "", "", Circuit::Final, 400, 1, ""},
        {ProtectiveDevice::BreakerInstantaneous, "400", "", Circuit::Final, 400, 1, ""},
    };
    for (const Case& c : cases) {
        DeviceInputs in;
        in.device = c.device, in.circuit = c.circuit, in.ratedCurrent = optionalPositive(c.in);
        if (c.device == ProtectiveDevice::BreakerInstantaneous) in.setting = optionalPositive(c.iset);
        PointCurrents end;
        end.ik1min = c.ik1min;
        const Verdict v =
            judgeDevice(in, PointCurrents(), end, c.volts).verdicts[static_cast<std::size_t>(Check::Time)];
        const std::string words = verdictText(v);
        EXPECT_EQ(words, c.words);
        EXPECT_EQ(readVerdict(Check::Time, words), words.empty() ? std::nullopt : std::optional(v)) << words;
    }
    EXPECT_FALSE(
        readVerdict(Check::Time, "время отключения обеспечено: t ≤ 0,4 с при Iк(1) мин. = 0,05 кА >= 0,08 кА"));
}

}  // namespace
}  // namespace ampera
