#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/chain_points.h"
#include "core/check_inputs.h"
#include "core/fault_calculation.h"
#include "core/fault_factors.h"
#include "core/fault_points.h"
#include "core/time_current.h"
#include "core/verdict.h"

namespace ampera {

// The protective device at the head of the line, as numbered in its list (1–5).
enum class ProtectiveDevice { BreakerB = 1, BreakerC, BreakerD, BreakerInstantaneous, Fuse };

// Conductor material and insulation of the cable, as numbered in its list (1–4).
enum class CableInsulation { CopperPvc = 1, AluminiumPvc, CopperXlpe, AluminiumXlpe };

// The devices and the conductors as their lists name them, by number from 1.
inline constexpr std::array<const char*, 5> kDeviceTexts = {
    "автоматический выключатель, характеристика B",
    "автоматический выключатель, характеристика C",
    "автоматический выключатель, характеристика D",
    "автоматический выключатель, электромагнитный расцепитель",
    "плавкий предохранитель",
};
// The devices' short forms, in the same order, for diagrams and tables.
inline constexpr std::array<const char*, 5> kDeviceShortTexts = {"B", "C", "D", "ЭМ", "gG"};
inline constexpr std::array<const char*, 4> kInsulationTexts = {"медь, ПВХ", "алюминий, ПВХ", "медь, сшитый полиэтилен",
                                                                "алюминий, сшитый полиэтилен"};

// k of the adiabatic withstand S = √Bк / k, A·√s/mm² (IEC 60364-5-54).
double cableConstant(CableInsulation cable);

// The current (A) that must trip the device instantly: 5, 10, 20·In for the
// characteristics B, C, D (ГОСТ IEC 60898-1); 1,4·Iуст up to In = 100 A and
// 1,25·Iуст above for an instantaneous release; 3·In for a fuse (ПУЭ).
double requiredCurrent(ProtectiveDevice device, double ratedCurrent, double releaseSetting);

// n of the making capacity Icm = n·Icu by Icu in kA (IEC 60947-2).
double makingFactor(double icuKa);

// A protective device and the conductor it protects, as read.
struct DeviceInputs {
    ProtectiveDevice device = ProtectiveDevice::BreakerC;
    CableInsulation cable = CableInsulation::AluminiumPvc;
    double tOff = 0;                                          // tоткл, s
    std::optional<PositiveInput> ratedCurrent, setting, icu;  // In, Iуст (A), Icu (kA); none where not given
    std::optional<PositiveInput> crossSection;                // S of one cable, mm²
    std::int64_t parallel = 1;                                // cables in parallel
    Circuit circuit = Circuit::Final;                         // the circuit the device protects
};

// Bк = Iк(3)²·(tоткл + Ta) and Sмин = 1000·√Bк / k at the device's point (none
// without Ta), and the verdicts: the sensitivity by the minimum current at the
// end of the line, breaking and making by the maximum currents at the device,
// heating by n·S against Sмин, and the disconnection time: the minimum current
// against the smallest one the device's zone clears within the circuit's
// limit for the line voltage Uнн (V). A verdict whose values are not given is
// not judged; the time is not assessed for a device without a zone.
struct DeviceJudgement {
    std::optional<double> bk, smin;
    Verdicts verdicts = kUnjudged;
};
DeviceJudgement judgeDevice(const DeviceInputs& in, const PointCurrents& device, const PointCurrents& end,
                            double lineVoltage);

// What the checks read: the main window's fields (the mode is set by each of
// the two runs) and the window's own inputs as typed. in, iset, icu and s may
// be empty; iset is read only for the instantaneous release. The section
// places the device: its window passes the list's item (default item 1);
// LoopEnd, the default here, judges everything at the end of the loop.
struct CheckTexts {
    FaultTexts fault;
    std::string t;      // tоткл, s
    std::string theta;  // θк, °C
    std::string in;     // In, A
    std::string iset;   // Iуст, A
    std::string icu;    // Icu, kA
    std::string s;      // conductor cross-section, mm²
    ProtectiveDevice device = ProtectiveDevice::BreakerC;
    CableInsulation cable = CableInsulation::AluminiumPvc;
    SectionItem section = SectionItem::LoopEnd;
    Circuit circuit = Circuit::Final;
};

// Every result as the Fixed4 text its field shows, empty where it is not
// computed, and the table of points; on a failure everything is empty.
// Iк(3), Iк(2), Ta, Kуд, iуд, Bк and Sмин belong to the device's point,
// Iк(1), Kθ, Кс and Iк(1) мин. to the end of its line.
struct CheckResult {
    CheckFailure failure = CheckFailure::None;
    std::string ik3, ik2, ik1, ta, kud, iud, kt, kc, ik1min, bk, smin;
    Verdicts verdicts = kUnjudged;  // not judged where an input is empty
    CheckPoints at;                 // the device's point and the line's end; none on a failure
    PointRows points;               // K1 … K4

    const Verdict& verdict(Check check) const { return verdicts[static_cast<std::size_t>(check)]; }
};

// The designer's checks of one fault loop: the maximum currents Iк(3), Iк(2),
// Iк(1), the peak current iуд, the minimum single-phase current with the
// conductors heated to θк and the arc, the Joule integral Bк with the
// smallest cross-section that withstands it, and the four verdicts. The
// breaking, making and thermal verdicts use the currents at the device's
// point, the sensitivity the minimum current at the end of its line.
CheckResult calculateChecks(const CheckTexts& in);

}  // namespace ampera
