#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "network/editor.h"
#include "network/table_cells.h"

// Networks the tests build: a supply, nodes added and edited as the table edits them.
namespace ampera::network {

inline const TransformerTexts kTransformer{"400", "10", "400", "5,5", "4,5", "10"};

// A supply without lines: the main window's fields with every slot at 0.
inline FaultTexts supplyOnly() {
    FaultTexts f;
    f.transformer = kTransformer;
    for (std::string* v : {&f.r11, &f.x11, &f.r12, &f.x12, &f.r13, &f.x13, &f.rd,  &f.xd,  &f.rd1, &f.xd1, &f.rd2,
                           &f.xd2, &f.rr,  &f.xr,  &f.r01, &f.x01, &f.r02, &f.x02, &f.r03, &f.x03, &f.r0y, &f.x0y})
        *v = "0";
    return f;
}

inline NodeId idOf(const Editor& e, const std::string& name) { return e.network().findByName(name)->id; }

inline Cell cellAt(const Editor& e, const std::string& name, Column c) {
    return cellOf(e.network(), e.results(), idOf(e, name), c);
}

inline std::string textAt(const Editor& e, const std::string& name, Column c) { return cellAt(e, name, c).text; }

// A node under parent with its inputs set cell by cell, as the table sets them.
inline NodeId addNode(Editor& e, NodeId parent, std::vector<std::pair<Column, std::string>> cells) {
    const NodeId id = e.add(parent);
    for (const auto& [column, text] : cells) EXPECT_EQ(e.setCell(id, column, text), Refusal::None);
    return id;
}

// Ten nodes in three levels: catalogue cables and cables by data, every kind
// of device, a name with ";" and one with quotes, an input that fails its
// rule (a negative length) and a device too weak for its line's end.
inline Editor& sampleNetwork(Editor& e) {
    e.setSupply(supplyOnly());
    const std::vector<std::string>& cables = listItems(Column::Cable);
    const auto device = [](int k) { return listItems(Column::Device)[static_cast<std::size_t>(k)]; };
    const NodeId a = addNode(e, kRootId,
                             {{Column::Name, "ЩР-1"},
                              {Column::Cable, cables[20]},
                              {Column::Length, "40"},
                              {Column::Device, device(2)},
                              {Column::In, "63"},
                              {Column::Icu, "6"}});
    addNode(e, a,
            {{Column::Name, "Гр.1; освещение"},
             {Column::Cable, cables[3]},
             {Column::Length, "25,50"},
             {Column::Device, device(1)},
             {Column::In, "16"},
             {Column::Icu, "4,5"}});
    addNode(e, a, {{Column::Name, "Гр.2 \"кухня\""}, {Column::Cable, cables[4]}, {Column::Length, "-5"}});
    addNode(e, a,
            {{Column::Name, "Гр.3"},
             {Column::Cable, cables[2]},
             {Column::Length, "300"},
             {Column::Device, device(3)},
             {Column::In, "25"},
             {Column::Icu, "6"}});
    const NodeId b = addNode(e, kRootId,
                             {{Column::Name, "ЩР-2"},
                              {Column::R1, "0,32"},
                              {Column::X1, "0,06"},
                              {Column::R0, "1,2"},
                              {Column::X0, "0,3"},
                              {Column::Length, "80"},
                              {Column::Parallel, "2"},
                              {Column::Device, device(4)},
                              {Column::Iset, "1000"},
                              {Column::Icu, "25"},
                              {Column::S, "95"}});
    const NodeId c = addNode(e, b,
                             {{Column::Name, "ЩО"},
                              {Column::Cable, cables[30]},
                              {Column::Length, "15"},
                              {Column::Device, device(5)},
                              {Column::In, "40"}});
    addNode(e, c, {{Column::Name, "ЩО-1"}, {Column::Cable, cables[1]}, {Column::Length, "10"}});
    addNode(e, c, {{Column::Name, "ЩО-2"}, {Column::Cable, kCableNone}, {Column::Rk, "0,5"}});
    addNode(e, b, {{Column::Name, "Насосная"}, {Column::Cable, cables[40]}, {Column::Length, "60"}});
    addNode(e, kRootId, {{Column::Name, "Резерв"}});
    return e;
}

}  // namespace ampera::network
