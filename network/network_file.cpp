#include "network/network_file.h"

#include <cstdint>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace ampera::network {

namespace {

using Json = nlohmann::json;

NetworkRead refused(std::string problem) { return {.ok = false, .network = {}, .problem = std::move(problem)}; }

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// A node of the entry as read, before the tree is built.
struct Entry {
    NodeId id = 0;
    std::optional<NodeId> parent;
    NodeInputs inputs;
};

// An id: a whole number from 0 that a NodeId holds.
std::optional<NodeId> idOf(const Json& value) {
    if (!value.is_number_unsigned() && !(value.is_number_integer() && value.get<std::int64_t>() >= 0)) return {};
    const auto id = value.get<std::uint64_t>();
    if (id > std::numeric_limits<NodeId>::max() - 1) return {};
    return static_cast<NodeId>(id);
}

// Reads one node; an empty text when it holds, else the problem.
std::string readEntry(const Json& node, std::size_t index, Entry& out) {
    const std::string place = "Network.nodes[" + std::to_string(index) + "]";
    if (!node.is_object()) return "узел " + place + " не объект JSON";
    const auto id = node.find("id");
    if (id == node.end() || !idOf(*id)) return "у узла " + place + " нет целого неотрицательного \"id\"";
    out.id = *idOf(*id);
    const auto parent = node.find("parent");
    if (parent != node.end() && !parent->is_null()) {
        if (!idOf(*parent)) return "у узла " + place + " \"parent\" не номер узла";
        out.parent = idOf(*parent);
    }
    out.inputs = startInputs("");
    for (const ColumnInfo& c : columns()) {
        if (!isInput(c.column)) continue;
        const auto value = node.find(c.key);
        if (value == node.end()) continue;
        if (!value->is_string()) return "значение " + quoted(place + "." + c.key) + " не строка";
        out.inputs[inputIndex(c.column)] = value->get<std::string>();
    }
    return {};
}

}  // namespace

nlohmann::ordered_json networkJson(const Network& network) {
    nlohmann::ordered_json nodes = nlohmann::ordered_json::array();
    for (const NodeId id : network.displayOrder()) {
        const Node& node = network.node(id);
        nlohmann::ordered_json entry = {{"id", id}};
        if (id == kRootId) {
            entry["parent"] = nullptr;
            entry["name"] = node.name();
        } else {
            entry["parent"] = node.parent;
            for (const ColumnInfo& c : columns())
                if (isInput(c.column)) entry[c.key] = node.input(c.column);
        }
        nodes.push_back(std::move(entry));
    }
    return {{"theta", network.theta()}, {"nodes", std::move(nodes)}};
}

NetworkRead readNetwork(const Json& entry) {
    if (!entry.is_object()) return refused("раздел \"Network\" не объект JSON");
    Network network;
    if (const auto theta = entry.find("theta"); theta != entry.end()) {
        if (!theta->is_string()) return refused("значение \"Network.theta\" не строка");
        network.setTheta(theta->get<std::string>());
    }
    const auto nodes = entry.find("nodes");
    if (nodes == entry.end()) return {.ok = true, .network = std::move(network), .problem = {}};
    if (!nodes->is_array()) return refused("\"Network.nodes\" не массив JSON");

    // Every node read, each id once, one root.
    std::vector<Entry> entries(nodes->size());
    std::unordered_map<NodeId, std::size_t> byId;
    std::optional<NodeId> root;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (std::string problem = readEntry((*nodes)[k], k, entries[k]); !problem.empty()) return refused(problem);
        const Entry& e = entries[k];
        if (!byId.emplace(e.id, k).second) return refused("в сети повторяется id узла " + std::to_string(e.id));
        if (!e.parent) {
            if (root)
                return refused("в сети два корня (узлы " + std::to_string(*root) + " и " + std::to_string(e.id) + ")");
            root = e.id;
        }
    }
    if (!entries.empty() && root != kRootId) return refused("в сети нет корня: узла с id 0 без \"parent\"");

    // The children of each node in file order; every node must be reached from the root.
    std::unordered_map<NodeId, std::vector<std::size_t>> children;
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Entry& e = entries[k];
        if (!e.parent) continue;
        if (!byId.contains(*e.parent))
            return refused("узел " + quoted(e.inputs[0]) + " питается от несуществующего узла " +
                           std::to_string(*e.parent));
        children[*e.parent].push_back(k);
    }
    // Breadth first from the root: each node is added after its parent, siblings in file order.
    std::unordered_set<std::string> names = {kRootName};
    std::vector<NodeId> order;
    if (root) order.push_back(*root);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto kids = children.find(order[i]);
        if (kids == children.end()) continue;
        for (const std::size_t k : kids->second) {
            const Entry& e = entries[k];
            const std::string& name = e.inputs[inputIndex(Column::Name)];
            if (name.empty()) return refused("у узла " + std::to_string(e.id) + " пустое имя");
            if (!names.insert(name).second) return refused("в сети повторяется имя узла " + quoted(name));
            network.addNode(*e.parent, SIZE_MAX, e.inputs, e.id);
            order.push_back(e.id);
        }
    }
    if (order.size() != entries.size()) return refused("узлы сети образуют кольцо, не связанное с корнем");
    return {.ok = true, .network = std::move(network), .problem = {}};
}

}  // namespace ampera::network
