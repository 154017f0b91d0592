#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/chain_points.h"
#include "core/fault_checks.h"
#include "model/calculation.h"
#include "model/list_field.h"

namespace ampera::model {

// The descriptions of the checks window: every list of its texts is written
// here once, and the window, the binding, the files, the report and the sheet
// walk these tables.

inline constexpr const char* kChecksTitle = "ampera Проверка по токам КЗ";

// ---- the inputs

inline constexpr const auto& kDevices = kDeviceTexts;
inline constexpr const auto& kCables = kInsulationTexts;
inline constexpr int kSectionItemCount = 4;  // the protected section's items, core's sectionItemText
inline constexpr ListField kDeviceList = {"cmbDevice", int(kDevices.size()), int(ProtectiveDevice::BreakerC)};
inline constexpr ListField kCableList = {"cmbCable", int(kCables.size()), int(CableInsulation::AluminiumPvc)};
inline constexpr ListField kSectionList = {"cmbSection", kSectionItemCount, int(kDefaultSectionItem)};
inline constexpr ListField kCircuitList = {"cmbCircuit", int(kCircuitTexts.size()), int(Circuit::Final)};
inline constexpr const char* kDefaultTheta = "160";  // θк, °C, until the window gives one

// When the report and the sheet list an input: always, when it is not blank,
// or when it is not blank and the device has the release it sets; the
// protected section is placed by each of them.
enum class InputShown { Always, WhenGiven, WhenRelease, Apart };

// An input: its text, its control and label with the caption, its key in the
// settings file with the text a missing key gives, the text the checks read
// (none for a list), and for a list its items.
struct CheckInput {
    std::string ChecksTexts::*member;
    const char *control, *label, *caption, *key;
    const char* fallback = "";
    InputShown shown = InputShown::WhenGiven;
    std::string CheckTexts::*read = nullptr;
    const ListField* list = nullptr;
    std::string (*item)(int number) = nullptr;  // a list's item text by its number
};
std::string deviceText(int item);
std::string cableText(int item);
std::string sectionText(int item);
std::string circuitText(int item);
inline constexpr CheckInput kCheckInputs[] = {
    {&ChecksTexts::t, "txtT", "lblT", "время отключения КЗ, с", "T", "0,1", InputShown::Always, &CheckTexts::t},
    {&ChecksTexts::theta, "txtTheta", "lblTheta", "температура жил в конце КЗ, °C", "Theta", kDefaultTheta,
     InputShown::Always, &CheckTexts::theta},
    {&ChecksTexts::device, "cmbDevice", "lblDevice", "защитный аппарат", "Device", "", InputShown::Always, nullptr,
     &kDeviceList, deviceText},
    {&ChecksTexts::in, "txtIn", "lblIn", "Iном аппарата, А", "In", "", InputShown::WhenGiven, &CheckTexts::in},
    {&ChecksTexts::iset, "txtIset", "lblIset", "уставка расцепителя, А", "Iset", "", InputShown::WhenRelease,
     &CheckTexts::iset},
    {&ChecksTexts::icu, "txtIcu", "lblIcuInput", "отключающая способность Icu, кА", "Icu", "", InputShown::WhenGiven,
     &CheckTexts::icu},
    {&ChecksTexts::cable, "cmbCable", "lblCable", "жилы и изоляция кабеля", "Cable", "", InputShown::Always, nullptr,
     &kCableList, cableText},
    {&ChecksTexts::s, "txtS", "lblS", "сечение жилы, мм.кв", "S", "", InputShown::WhenGiven, &CheckTexts::s},
    {&ChecksTexts::section, "cmbSection", "lblSectionInput", "защищаемый участок", "Section", "", InputShown::Apart,
     nullptr, &kSectionList, sectionText},
    {&ChecksTexts::circuit, "cmbCircuit", "lblCircuit", "цепь", "Circuit", "", InputShown::Apart, nullptr,
     &kCircuitList, circuitText},
};
// The inputs the report and the sheet place apart, after the others: the protected section and its circuit.
inline constexpr const CheckInput& kSectionInput = kCheckInputs[8];
inline constexpr const CheckInput& kCircuitInput = kCheckInputs[9];
static_assert(kSectionInput.list == &kSectionList && kCircuitInput.list == &kCircuitList);

// ---- the results

// A result: its text in the window, the value of the checks it shows, its control, label and caption.
struct CheckValue {
    std::string ChecksTexts::*member;
    std::string CheckResult::*result;
    const char *control, *label, *caption;
};
inline constexpr CheckValue kCheckValues[] = {
    {&ChecksTexts::ik3, &CheckResult::ik3, "txtIk3", "lblIk3", "Iк(3) макс., кА"},
    {&ChecksTexts::ik2, &CheckResult::ik2, "txtIk2", "lblIk2", "Iк(2), кА"},
    {&ChecksTexts::ik1, &CheckResult::ik1, "txtIk1", "lblIk1", "Iк(1) макс., кА"},
    {&ChecksTexts::ta, &CheckResult::ta, "txtTa", "lblTa", "Ta, мс"},
    {&ChecksTexts::kud, &CheckResult::kud, "txtKud", "lblKud", "Kуд"},
    {&ChecksTexts::iud, &CheckResult::iud, "txtIud", "lblIud", "iуд, кА"},
    {&ChecksTexts::kt, &CheckResult::kt, "txtKt", "lblKt", "коэффициент нагрева жил"},
    {&ChecksTexts::kc, &CheckResult::kc, "txtKc", "lblKc", "Кс дуги"},
    {&ChecksTexts::ik1min, &CheckResult::ik1min, "txtIk1min", "lblIk1min", "Iк(1) мин., кА"},
    {&ChecksTexts::bk, &CheckResult::bk, "txtBk", "lblBk", "Bк, кА^2·с"},
    {&ChecksTexts::smin, &CheckResult::smin, "txtSmin", "lblSmin", "Sмин, мм.кв"},
};

// The points the results belong to: the label, its text, and the values it names.
struct PointsAt {
    std::string ChecksTexts::*member;
    int CheckPoints::*point;
    const char *control, *values;
};
inline constexpr PointsAt kPointsAt[] = {
    {&ChecksTexts::atDevice, &CheckPoints::device, "lblAtDevice", "Iк(3), Iк(2), Ta, Kуд, iуд, Bк, Sмин"},
    {&ChecksTexts::atEnd, &CheckPoints::end, "lblAtEnd", "Iк(1) макс., Кс, Iк(1) мин."},
};

// A verdict's label: the check it words and its text.
struct VerdictField {
    Check check;
    std::string ChecksTexts::*member;
    const char* control;
};
inline constexpr VerdictField kVerdictFields[] = {
    {Check::Sensitivity, &ChecksTexts::sens, "lblSens"}, {Check::Breaking, &ChecksTexts::icuVerdict, "lblIcu"},
    {Check::Making, &ChecksTexts::icm, "lblIcm"},        {Check::Thermal, &ChecksTexts::thermal, "lblThermal"},
    {Check::Time, &ChecksTexts::time, "lblTime"},
};
static_assert(std::size(kVerdictFields) == kChecks.size());

// ---- the table of points: a row per point of the chain, a column per value

inline constexpr const char* kPointsTitle = "токи КЗ по точкам";
inline constexpr const char* kCopyCaption = "копировать";
inline constexpr const char* kPointsHeading = "ТОКИ КЗ ПО ТОЧКАМ";  // the report's heading

// A column: the cell of a point's row, the key its controls are named by
// (txtK<n><key>, lblCol<key>), its head, and the value's name and unit in the report.
struct PointColumn {
    std::string PointRow::*cell;
    const char *key, *head, *name, *unit;
};
inline constexpr std::array<PointColumn, 7> kPointColumns = {{
    {&PointRow::rsum, "R", "RΣ, мОм", "RΣ", "мОм"},
    {&PointRow::xsum, "X", "XΣ, мОм", "XΣ", "мОм"},
    {&PointRow::ik3, "Ik3", "Iк(3), кА", "Iк(3)", "кА"},
    {&PointRow::ik2, "Ik2", "Iк(2), кА", "Iк(2)", "кА"},
    {&PointRow::iud, "Iud", "iуд, кА", "iуд", "кА"},
    {&PointRow::ik1, "Ik1", "Iк(1) макс., кА", "Iк(1)", "кА"},
    {&PointRow::ik1min, "Ik1min", "Iк(1) мин., кА", "Iк(1) мин.", "кА"},
}};

// The name of a field of the table of points, txtK1R … txtK4Ik1min, by the
// point of the chain and the column's index.
const std::string& pointFieldName(int point, std::size_t column);

// Every text of the checks window with its control's name, in the window's order.
std::vector<Field> checksFields(ChecksTexts& c);
// Its lists, whose texts are item numbers.
std::span<const ListField> checksLists();

}  // namespace ampera::model
