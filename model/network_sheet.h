#pragma once

#include <string>
#include <vector>

#include "model/sheet_table.h"
#include "network/network.h"
#include "network/results.h"

namespace ampera::model {

// The network's pages of the calculation sheet as plain texts: its one-line
// diagram board by board, and its table of currents and checks.

// A feeder below a busbar: the device and the cable beside its line, and at
// its end the node's name with its currents. A failing verdict marks it.
struct NetworkFeeder {
    std::string device{};  // "C 16 А", "ЭМ 250 А", "gG 63 А"; empty without a device
    std::string cable{};   // "3x95 + 1x50, 120 м, n = 2", "по данным, 40 м"; empty for "нет"
    std::string name{};
    std::string ik3{};      // "Iк(3) = 1,2345 кА"; empty when not computed
    std::string ik1min{};   // "Iк(1) мин. = 0,5432 кА"; empty when not computed
    std::string failure{};  // "НЕТ: чувствительность, нагрев"; empty when no verdict fails
    friend bool operator==(const NetworkFeeder&, const NetworkFeeder&) = default;
};

// A busbar with up to kFeedersPerStrip of its feeders, left to right. A board
// with more feeders goes on in further strips, its name repeated and marked.
struct NetworkStrip {
    std::string busbar{};
    bool continued = false;  // drawn with "(продолжение)" after the name
    std::vector<NetworkFeeder> feeders{};
};

// A portrait page of the diagram: up to kStripsPerPage strips, top to bottom.
struct NetworkDiagramPage {
    std::vector<NetworkStrip> strips;
};

inline constexpr std::size_t kFeedersPerStrip = 6;
inline constexpr std::size_t kStripsPerPage = 4;
inline constexpr const char* kNetworkDiagramTitle = "Сеть 0,4 кВ: расчетная схема";
inline constexpr const char* kNetworkTableTitle = "Сеть 0,4 кВ: токи КЗ и проверки";

// Whether the network is printed at all: it has a node besides "ТП".
inline bool hasNetworkPages(const network::Network& n) { return n.size() > 1; }

// The diagram's pages: every node that feeds others is a board, in display
// order, its children its feeders.
std::vector<NetworkDiagramPage> networkDiagram(const network::Network& n, const network::Results& r);

// The table: a row per node in display order, the name indented by level,
// a row whose verdict fails set as Fail.
SheetTable networkTable(const network::Network& n, const network::Results& r);

}  // namespace ampera::model
