#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "network/network.h"

namespace ampera::network {

// The network as a calculation file holds it under "Network":
//   {"theta": "160", "nodes": [{"id": 0, "parent": null, "name": "ТП"},
//                              {"id": 1, "parent": 0, "name": "Узел 1", "cable": "по данным", …}, …]}
// every input a string as typed, the nodes in display order.
nlohmann::ordered_json networkJson(const Network& network);

// Whether the network has a node besides the root (a file then needs version 2).
inline bool holdsNodes(const Network& network) { return network.size() > 1; }

// The network of a file's entry, or why it is refused: a node that is no
// object, an id that is no whole number or repeats, a parent that does not
// exist, no root or two, a cycle, an empty or repeated name, a value that is
// not a string. Input texts are taken as they stand; a key missing takes its
// start text.
struct NetworkRead {
    bool ok = false;
    Network network;
    std::string problem;  // in words, for the file's message
};
NetworkRead readNetwork(const nlohmann::json& entry);

}  // namespace ampera::network
