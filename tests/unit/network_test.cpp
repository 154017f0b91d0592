#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

#include "core/fault_checks.h"
#include "core/line_entry.h"
#include "core/number_text.h"
#include "network/editor.h"
#include "network/network_file.h"
#include "network/table_cells.h"
#include "tests/unit/network_cases.h"

using namespace ampera;
using namespace ampera::network;

namespace {

std::string decimal(std::mt19937& rng, int upTo) {
    return formatDouble(std::uniform_int_distribution<int>(0, upTo * 10000)(rng) / 10000.0);
}

}  // namespace

// Three nodes in a row whose lines and contacts are those of the main window's
// slots and element groups give the checks' K2, K3, K4 and the verdicts on
// the devices of lines 1–3, to the digit.
TEST(Network, PathOfThreeEqualsTheChecksPoints) {
    std::mt19937 rng(28);
    std::set<std::string> verdictsSeen;
    const Column results[] = {Column::RSum, Column::XSum, Column::Ik3,   Column::Ik2,
                              Column::Iud,  Column::Ik1,  Column::Ik1Min};
    const std::string PointRow::*cells[] = {&PointRow::rsum, &PointRow::xsum, &PointRow::ik3,   &PointRow::ik2,
                                            &PointRow::iud,  &PointRow::ik1,  &PointRow::ik1min};
    for (int loop = 0; loop < 60; ++loop) {
        FaultTexts f = supplyOnly();
        f.rr = decimal(rng, 3), f.xr = decimal(rng, 10);
        if (loop % 3 == 0) f.r0y = decimal(rng, 60), f.x0y = decimal(rng, 150);
        CheckTexts checks;
        checks.t = "0,1" + std::to_string(loop % 9);
        checks.theta = std::to_string(70 + loop * 3);
        checks.in = std::to_string(10 + loop);
        checks.icu = decimal(rng, 30) + "1";
        checks.s = std::to_string(4 + loop % 50);
        checks.device = static_cast<ProtectiveDevice>(1 + loop % 5);
        checks.iset = "300";
        checks.cable = static_cast<CableInsulation>(1 + loop % 4);

        Editor e;
        e.setTheta(checks.theta);
        NodeId parent = kRootId;
        std::string* slots[3][6] = {{&f.r11, &f.x11, &f.r01, &f.x01, &f.rd, &f.xd},
                                    {&f.r12, &f.x12, &f.r02, &f.x02, &f.rd1, &f.xd1},
                                    {&f.r13, &f.x13, &f.r03, &f.x03, &f.rd2, &f.xd2}};
        for (auto& slot : slots) {
            // The cable panel writes per-metre × length into the slot.
            const SectionTexts perMetre{decimal(rng, 2), decimal(rng, 1), decimal(rng, 6), decimal(rng, 2)};
            const std::string length = std::to_string(1 + rng() % 300);
            const SectionTexts line = cableSection(perMetre, length).value;
            *slot[0] = line.r1, *slot[1] = line.x1, *slot[2] = line.r0, *slot[3] = line.x0;
            *slot[4] = decimal(rng, 2), *slot[5] = decimal(rng, 1);
            parent = addNode(e, parent,
                             {{Column::R1, perMetre.r1},
                              {Column::X1, perMetre.x1},
                              {Column::R0, perMetre.r0},
                              {Column::X0, perMetre.x0},
                              {Column::Length, length},
                              {Column::Rk, *slot[4]},
                              {Column::Xk, *slot[5]},
                              {Column::Device, kDeviceTexts[static_cast<std::size_t>(checks.device) - 1]},
                              {Column::In, checks.in},
                              {Column::Iset, checks.iset},
                              {Column::Icu, checks.icu},
                              {Column::Insulation, kInsulationTexts[static_cast<std::size_t>(checks.cable) - 1]},
                              {Column::S, checks.s},
                              {Column::Time, checks.t}});
        }
        e.setSupply(f);
        checks.fault = f;

        const PointsResult points = calculatePoints(f, checks.theta);
        ASSERT_EQ(points.failure, CheckFailure::None);
        const std::string names[] = {"ТП", "Узел 1", "Узел 2", "Узел 3"};
        for (int k = 0; k < kPointCount; ++k)
            for (std::size_t c = 0; c < std::size(results); ++c)
                EXPECT_EQ(textAt(e, names[k], results[c]), points.rows[k].*cells[c]) << loop << " K" << k + 1;
        for (int line = 1; line <= kSectionCount; ++line) {
            checks.section = static_cast<SectionItem>(1 + line);
            // "авто": a node that feeds others is a distribution circuit.
            checks.circuit = line < kSectionCount ? Circuit::Distribution : Circuit::Final;
            const CheckResult r = calculateChecks(checks);
            ASSERT_EQ(r.failure, CheckFailure::None);
            EXPECT_EQ(textAt(e, names[line], Column::Smin), r.smin) << loop;
            for (Check check : kChecks) {
                const Cell verdict = cellAt(e, names[line], static_cast<Column>(int(Column::Sensitivity) + int(check)));
                EXPECT_EQ(verdict.tooltip,
                          r.verdict(check).outcome == Outcome::NotJudged ? "" : verdictText(r.verdict(check)))
                    << loop << " line " << line;
                verdictsSeen.insert(verdict.text);
            }
        }
    }
    EXPECT_EQ(verdictsSeen, (std::set<std::string>{"", "да", "НЕТ", "—"}));
}

// Each input that fails its rule is framed with its message; the node and the
// nodes it feeds show no results, the rest of the network is computed.
TEST(Network, BadCellsEmptyTheirSubtreeOnly) {
    const std::string conversion = kConversionMessage;
    const struct {
        Column column;
        std::string text, message;
    } cases[] = {
        {Column::R1, "1.5", conversion},
        {Column::Length, "-1", "Длина не может быть отрицательной"},
        {Column::Parallel, "0", "Число кабелей: целое от 1 до 10"},
        {Column::Parallel, "1,5", "Число кабелей: целое от 1 до 10"},
        {Column::Parallel, "11", "Число кабелей: целое от 1 до 10"},
        {Column::Parallel, "x", conversion},
        {Column::Rk, "", conversion},
        {Column::Time, "0", "Время отключения КЗ: больше 0 и не более 5 с"},
        {Column::Time, "5,1", "Время отключения КЗ: больше 0 и не более 5 с"},
        {Column::In, "0", "Iном, уставка, Icu и сечение должны быть больше 0"},
        {Column::Icu, "abc", conversion},
        {Column::S, "-4", "Iном, уставка, Icu и сечение должны быть больше 0"},
        {Column::Device, "автомат", "Нет такого значения в списке"},
    };
    for (const auto& c : cases) {
        Editor e;
        e.setSupply(supplyOnly());
        const NodeId board = addNode(e, kRootId, {{Column::R1, "0,3"}, {Column::Length, "20"}});
        addNode(e, board, {{Column::Device, kDeviceTexts[0]}, {Column::In, "16"}});
        addNode(e, kRootId, {});
        e.setCell(board, Column::Device, kDeviceTexts[1]);
        e.setCell(board, c.column, c.text);
        const Cell bad = cellAt(e, "Узел 1", c.column);
        EXPECT_EQ(bad.state, CellState::Bad) << c.text;
        EXPECT_EQ(bad.tooltip, c.message) << c.text;
        for (const char* name : {"Узел 1", "Узел 2"}) EXPECT_EQ(textAt(e, name, Column::Ik3), "") << c.text;
        EXPECT_NE(textAt(e, "Узел 3", Column::Ik3), "") << c.text;
        EXPECT_NE(textAt(e, "ТП", Column::Ik3), "") << c.text;
    }

    // Iуст is read only for the electromagnetic release, "нет" reads no device input.
    Editor e;
    e.setSupply(supplyOnly());
    const NodeId node = addNode(e, kRootId, {{Column::Iset, "0"}, {Column::In, "x"}});
    EXPECT_EQ(cellAt(e, "Узел 1", Column::In).state, CellState::Plain);
    e.setCell(node, Column::Device, kDeviceTexts[3]);
    EXPECT_EQ(cellAt(e, "Узел 1", Column::Iset).state, CellState::Bad);

    // A failing main-window field or θк empties every result and gives the message.
    FaultTexts broken = supplyOnly();
    broken.transformer.st = "";
    e.setSupply(broken);
    EXPECT_EQ(e.results().status, kConversionMessage);
    EXPECT_EQ(textAt(e, "ТП", Column::RSum), "");
    e.setSupply(supplyOnly());
    e.setTheta("300");
    EXPECT_EQ(e.results().status, "Температура жил в конце КЗ: от 65 до 250 °C");
    EXPECT_EQ(textAt(e, "ТП", Column::RSum), "");
    e.undo();
    EXPECT_EQ(e.results().status, "");
    EXPECT_NE(textAt(e, "ТП", Column::RSum), "");
}

// Parallel cables divide the line's values and multiply the conductor of the thermal check.
TEST(Network, ParallelCables) {
    Editor e;
    e.setSupply(supplyOnly());
    const std::vector<std::pair<Column, std::string>> cable = {{Column::R1, "0,625"},
                                                               {Column::X1, "0,0625"},
                                                               {Column::R0, "2,5"},
                                                               {Column::X0, "0,25"},
                                                               {Column::Device, kDeviceTexts[1]},
                                                               {Column::Icu, "6"},
                                                               {Column::S, "35"}};
    const NodeId two = addNode(e, kRootId, cable);
    e.setCell(two, Column::Length, "80");
    e.setCell(two, Column::Parallel, "2");
    const NodeId half = addNode(e, kRootId, cable);
    e.setCell(half, Column::Length, "40");
    for (Column c : {Column::RSum, Column::XSum, Column::Ik3, Column::Ik1, Column::Ik1Min})
        EXPECT_EQ(textAt(e, "Узел 1", c), textAt(e, "Узел 2", c));
    EXPECT_EQ(textAt(e, "Узел 1", Column::RSum), "30,5");  // Rт 5,5 + 0,625 × 80 / 2
    EXPECT_NE(cellAt(e, "Узел 1", Column::Thermal).tooltip.find("70"), std::string::npos);
    EXPECT_NE(cellAt(e, "Узел 2", Column::Thermal).tooltip.find("35"), std::string::npos);
}

// A path 10 000 nodes deep is computed, written, read and removed without a call per level.
TEST(Network, DeepPath) {
    Editor e;
    e.setSupply(supplyOnly());
    Network deep;
    NodeId parent = kRootId;
    for (int k = 1; k <= 10000; ++k) {
        NodeInputs in = startInputs("n" + std::to_string(k));
        in[inputIndex(Column::Rk)] = "0,01";
        parent = deep.addNode(parent, 0, in);
    }
    const NetworkRead read = readNetwork(nlohmann::json::parse(networkJson(deep).dump()));
    ASSERT_TRUE(read.ok) << read.problem;
    e.replace(read.network);
    EXPECT_EQ(textAt(e, "n10000", Column::RSum), "105,5");  // Rт 5,5 + 10 000 × 0,01
    EXPECT_EQ(e.remove(idOf(e, "n1")), Refusal::None);
    EXPECT_EQ(e.network().size(), 1u);
    e.undo();
    EXPECT_EQ(e.network().size(), 10001u);
}

// Every command is undone and redone to the very table, and "modified" is the
// history away from the step saved.
TEST(Network, UndoAndRedoEveryCommand) {
    Editor e;
    e.setSupply(supplyOnly());
    std::vector<std::string> tables = {clipboardText(e.network(), e.results())};
    const auto step = [&](auto edit) {
        edit();
        tables.push_back(clipboardText(e.network(), e.results()));
    };
    const std::string catalogue = listItems(Column::Cable)[20];
    step([&] { e.add(kRootId); });
    step([&] { e.add(idOf(e, "Узел 1")); });
    step([&] { e.add(kRootId); });
    step([&] { e.setCell(idOf(e, "Узел 2"), Column::Cable, catalogue); });
    step([&] { e.setCell(idOf(e, "Узел 2"), Column::R1, "0,5"); });
    step([&] { e.setCell(idOf(e, "Узел 3"), Column::Name, "ЩР-1"); });
    step([&] { e.move(idOf(e, "Узел 2"), idOf(e, "ЩР-1")); });
    step([&] { e.move(idOf(e, "Узел 1"), idOf(e, "ЩР-1")); });
    step([&] { e.setTheta("1"), e.setTheta("12"), e.setTheta("120"); });
    step([&] { e.remove(idOf(e, "ЩР-1")); });

    // A catalogue cable filled its values and S; typing one value made the cable "по данным".
    ASSERT_TRUE(e.undo() && e.undo() && e.undo() && e.undo() && e.undo() && e.undo());
    const std::optional<CatalogueCable> row = catalogueCable(catalogue);
    ASSERT_TRUE(row);
    EXPECT_EQ(textAt(e, "Узел 2", Column::R1), row->r1);
    EXPECT_EQ(textAt(e, "Узел 2", Column::S), row->s);
    ASSERT_TRUE(e.undo() && e.undo() && e.undo() && e.undo());
    EXPECT_FALSE(e.undo());
    EXPECT_FALSE(e.modified());
    for (std::size_t k = 1; k < tables.size(); ++k) {
        ASSERT_TRUE(e.redo());
        EXPECT_EQ(clipboardText(e.network(), e.results()), tables[k]) << k;
    }
    EXPECT_FALSE(e.redo());
    for (std::size_t k = tables.size() - 1; k > 0; --k) {
        ASSERT_TRUE(e.undo());
        EXPECT_EQ(clipboardText(e.network(), e.results()), tables[k - 1]) << k;
    }

    // Refusals are no steps: names, the root, a move under itself or a node it feeds.
    e.redo(), e.redo();
    e.markSaved();
    const NodeId first = idOf(e, "Узел 1"), second = idOf(e, "Узел 2");
    EXPECT_EQ(e.setCell(second, Column::Name, "Узел 1"), Refusal::Name);
    EXPECT_EQ(e.setCell(second, Column::Name, ""), Refusal::Name);
    EXPECT_EQ(e.setCell(kRootId, Column::Name, "ТП-2"), Refusal::Root);
    EXPECT_EQ(e.move(first, second), Refusal::Move);
    EXPECT_EQ(e.move(first, first), Refusal::Move);
    EXPECT_EQ(e.remove(kRootId), Refusal::Root);
    EXPECT_FALSE(e.modified());
    e.undo();
    EXPECT_TRUE(e.modified());
    e.redo();
    EXPECT_FALSE(e.modified());
}

// The file's entry gives back the network as typed; each kind of bad network is refused.
TEST(Network, FileEntry) {
    Editor e;
    e.setSupply(supplyOnly());
    const NodeId board = addNode(e, kRootId, {{Column::Name, "ЩР-1"}, {Column::Cable, listItems(Column::Cable)[5]}});
    addNode(e, board, {{Column::Length, "12,50"}, {Column::Device, kDeviceTexts[0]}, {Column::In, "abc"}});
    addNode(e, kRootId, {{Column::Device, kDeviceTexts[4]}});
    e.setTheta("150,0");
    const nlohmann::json entry = nlohmann::json::parse(networkJson(e.network()).dump());
    const NetworkRead read = readNetwork(entry);
    ASSERT_TRUE(read.ok) << read.problem;
    EXPECT_EQ(networkJson(read.network), networkJson(e.network()));
    Editor opened;
    opened.setSupply(supplyOnly());
    opened.replace(read.network);
    EXPECT_EQ(clipboardText(opened.network(), opened.results()), clipboardText(e.network(), e.results()));
    EXPECT_EQ(cellAt(opened, "Узел 1", Column::In).state, CellState::Bad);

    const auto with = [&entry](const std::function<void(nlohmann::json&)>& change) {
        nlohmann::json bad = entry;
        change(bad["nodes"]);
        return readNetwork(bad);
    };
    const struct {
        std::function<void(nlohmann::json&)> change;
        std::string problem;
    } cases[] = {
        {[](auto& n) { n[1]["parent"] = 77; }, "узел \"ЩР-1\" питается от несуществующего узла 77"},
        {[](auto& n) { n[1]["parent"] = 2; }, "узлы сети образуют кольцо, не связанное с корнем"},
        {[](auto& n) { n[3]["parent"] = nullptr; }, "в сети два корня (узлы 0 и 3)"},
        {[](auto& n) { n[3]["id"] = 1; }, "в сети повторяется id узла 1"},
        {[](auto& n) { n[3]["name"] = "ЩР-1"; }, "в сети повторяется имя узла \"ЩР-1\""},
        {[](auto& n) { n[3]["name"] = "ТП"; }, "в сети повторяется имя узла \"ТП\""},
        {[](auto& n) { n[2]["name"] = ""; }, "у узла 2 пустое имя"},
        {[](auto& n) { n[2]["r1"] = 0.5; }, "значение \"Network.nodes[2].r1\" не строка"},
        {[](auto& n) { n[2]["id"] = -2; }, "у узла Network.nodes[2] нет целого неотрицательного \"id\""},
        {[](auto& n) { n[0]["parent"] = 3; }, "в сети нет корня: узла с id 0 без \"parent\""},
    };
    for (const auto& c : cases) {
        const NetworkRead refused = with(c.change);
        EXPECT_FALSE(refused.ok) << c.problem;
        EXPECT_EQ(refused.problem, c.problem);
    }
}

// The cable list: the catalogue's 108 rows, each named once, then "по данным" and "нет".
TEST(Network, CableItems) {
    const std::vector<std::string>& items = listItems(Column::Cable);
    ASSERT_EQ(items.size(), 110u);
    EXPECT_EQ(std::set<std::string>(items.begin(), items.end()).size(), items.size());
    EXPECT_EQ(items[108], kCableByData);
    EXPECT_EQ(items[109], kCableNone);
    EXPECT_EQ(catalogueCable("кабель с алюминиевыми жилами в алюминиевой оболочке 3x95")->s, "95");
    EXPECT_FALSE(catalogueCable(kCableByData));
    for (std::size_t k = 0; k < 108; ++k) EXPECT_TRUE(catalogueCable(items[k])) << items[k];
}
