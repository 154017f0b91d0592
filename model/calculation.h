#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/fault_calculation.h"
#include "core/fault_points.h"
#include "core/verdict.h"
#include "model/list_field.h"

namespace ampera::model {

// The calculation is held as the texts the designer sees, because every rule
// of the program and every stored file is defined on texts. Flags (option
// buttons, check boxes) are "1" or "0"; a list's choice is its item number.
// The start value of every member is the text its window shows when it is made.

// A line slot's four values, mΩ.
struct LineValues {
    std::string r1 = "0", x1 = "0", r0 = "0", x0 = "0";
};

// An element group's or the reactor's resistance and reactance, mΩ.
struct Impedance {
    std::string r = "0", x = "0";
};

// The transformer's connection: options Д/Y and Y/Y.
enum class Connection { DeltaY, YY };
// What line 1 is: options "кабель " and "воздушная линия".
enum class Line1Kind { Cable, Overhead };

// The main window: the loop's inputs, the results of "Расчет" and the modes.
struct MainTexts {
    std::string st, u, uf, pk, uk, i;                        // the transformer and the supply current
    std::string deltaY = "0", yy = "0";                      // the connection: Д/Y or Y/Y
    std::string cableLine1 = "0", overheadLine1 = "0";       // the kind of line 1
    std::array<std::string, 3> slotMarks = {"0", "0", "0"};  // the current line slot: "n" at slot n, else "0"
    std::array<LineValues, 3> lines;
    std::array<Impedance, 3> elements;
    Impedance reactor;
    std::string xt, rt, xs, rsum, xsum;  // Xт, Rт, Xс, RΣ, XΣ
    std::string r0y, x0y;                // the zero-sequence additions of a Y/Y transformer
    std::string threePhase = "0", singlePhase = "0";
    std::string current;          // the current shown, kA: calculated, or set by the arc or motor page
    std::string computedCurrent;  // the current as "Расчет" gave it

    // The options' choices, as the calculation reasons about them.
    std::optional<Connection> connection() const;  // none while neither option is set
    Line1Kind line1Kind() const;                   // a cable unless the overhead line is chosen
    std::optional<FaultMode> faultMode() const;    // none while neither option is set
    // Whether line slot 1 … 3 is the current one: its mark, read as a number, equals the slot's number.
    bool slotIsCurrent(int slot) const;
};

// A line slot in the data summary: its heading, the description of what was
// entered, the length and the four per-metre or per-line values.
struct LineSummary {
    std::string heading{}, description{}, length{}, r1{}, x1{}, r0{}, x0{};
};

// An element group in the data summary: a heading and a description for each
// of the cable joints, busbar joints, apparatus contacts, current-transformer
// windings and breaker coils.
struct ElementSummary {
    std::string cableHeading = "конт.соединение кабелей", cable;
    std::string busbarHeading = "конт.соединение шинопровода", busbar;
    std::string apparatusHeading = "коммутационные аппараты", apparatus;
    std::string currentTransformerHeading = "обм.тр-ров тока", currentTransformer;
    std::string coilsHeading = "катушки автоматов", coils;
};

// The start texts of the data summary's reactor lines.
std::array<std::string, 7> reactorSummaryStarts();

// The data summary ("Данные"): what was picked and entered in the other windows.
struct SummaryTexts {
    std::array<LineSummary, 3> lines = {LineSummary{.heading = "ЛИНИЯ №1"}, LineSummary{.heading = "ЛИНИЯ №2"},
                                        LineSummary{.heading = "ЛИНИЯ №3"}};
    std::array<ElementSummary, 3> elements;
    std::string current;                                          // "ток к.з,кА " and the current shown
    std::array<std::string, 7> reactor = reactorSummaryStarts();  // the reactor's lines (reactor_lines.h)
    std::string arcKc = "коэффициент Кс", arcZk = "сопротивление цепи Zк";
    std::string motorStartFactor = "кратность пуска", motorRatedCurrent = "ном.ток АД, А";
};

// The reactor data of the element dialog and its impedance, mΩ.
struct ReactorTexts {
    std::string pp, ip, l, m, f;  // Ррном, Iрном, L, M, f
    std::string r = "0", x = "0";
};

// The arc and motor page: inputs, results and whether each page was confirmed.
struct ArcMotorTexts {
    std::string kc, zk, id;                         // the arc page: Кс, Zк, the current with the arc
    std::string arcToMain = "0";                    // "установить в главное окно" on the arc page
    std::string ratedCurrent, startFactor, r0, x0;  // the motor and the cable to it
    std::string xel, e, iad;                        // Xэл, the phase EMF, the motor's feed
    std::string motorToMain = "0";             // "установить в главное окно" on the motor page
    std::string mainCurrent;                   // the main current the motor feed is added to
    std::string withMotor;                     // the current with the motor feed
    std::string arcConfirmed, motorConfirmed;  // "1" once the page's confirm button was pressed
};

// The checks window: its inputs and results.
struct ChecksTexts {
    std::string t, theta, device = "1", in, iset, icu, cable = "1", s;
    std::string section = "1";  // the protected section's item
    std::string circuit = "1";  // the circuit's item: final or distribution
    std::string sectionLabel;   // the points of the section chosen
    std::string ik3, ik2, ik1, ta, kud, iud, kt, kc, ik1min, bk, smin;
    std::string atDevice, atEnd;                       // the points the results belong to
    std::string sens, icuVerdict, icm, thermal, time;  // the verdicts' words
    Verdicts verdicts = kUnjudged;                     // the verdicts they word
    PointRows points;                                  // the table of points, K1 … K4

    const Verdict& verdict(Check check) const { return verdicts[static_cast<std::size_t>(check)]; }
};

// The parts of the calculation, one for each window that shows it.
enum class Part { Main, Summary, Reactor, ArcMotor, Checks };
inline constexpr Part kParts[] = {Part::Main, Part::Summary, Part::Reactor, Part::ArcMotor, Part::Checks};

// The name of the window that shows a part; the calculation files group their keys by it.
const char* partName(Part part);

// The lists of a part, whose texts are item numbers.
std::span<const ListField> listFields(Part part);

// One text of the calculation under the name of the control that shows it.
struct Field {
    const char* name;
    std::string* text;
};

// The whole calculation. Every change of a text through set() or reset()
// tells the observers which text changed; nothing here knows of windows.
class Calculation {
public:
    MainTexts main;
    SummaryTexts summary;
    ReactorTexts reactor;
    ArcMotorTexts arcMotor;
    ChecksTexts checks;

    Calculation() = default;
    Calculation(const Calculation&) = delete;
    Calculation& operator=(const Calculation&) = delete;

    // Every text of a part with its control's name, in the window's order.
    std::vector<Field> fields(Part part);
    // The start text of a control of a part; nullptr when the part has no such control.
    static const std::string* startText(Part part, const std::string& name);

    // Changes one text of the calculation; the observers hear of it only when the text changed.
    void set(std::string& text, const std::string& value);
    // Every text of the part back to its start value.
    void reset(Part part);

    using Observer = std::function<void(const std::string* changed)>;
    int observe(Observer observer);
    void unobserve(int id);

private:
    std::vector<std::pair<int, Observer>> observers_;
    int nextId_ = 1;
};

}  // namespace ampera::model
