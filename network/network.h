#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "network/columns.h"

namespace ampera::network {

// A node's stable id; the root, the transformer's busbars, is 0.
using NodeId = std::uint32_t;
inline constexpr NodeId kRootId = 0;
inline constexpr const char* kRootName = "ТП";
inline constexpr const char* kStartTheta = "160";  // θк, °C, of a new network

// The inputs of a node as typed, by input column.
using NodeInputs = std::array<std::string, kInputCount>;

struct Node {
    NodeId id = kRootId;
    NodeId parent = kRootId;  // the root's own id for the root
    NodeInputs inputs{};
    std::vector<NodeId> children;  // in their order
    std::size_t row = 0;           // the place among its parent's children

    const std::string& input(Column column) const { return inputs[inputIndex(column)]; }
    const std::string& name() const { return input(Column::Name); }
};

// A subtree taken out of the network: its nodes with the subtree's root
// first, parents before their children.
struct Subtree {
    std::vector<Node> nodes;
};

// The network: a tree of nodes under the root "ТП", with θк for the whole
// network. Plain structure: the rules of names and moves are the editor's.
class Network {
public:
    Network();  // the root alone, θк at its start

    const Node& root() const { return node(kRootId); }
    const Node& node(NodeId id) const { return nodes_.at(id); }
    const Node* find(NodeId id) const;
    const Node* findByName(std::string_view name) const;
    std::size_t size() const { return nodes_.size(); }
    const std::string& theta() const { return theta_; }

    // The nodes depth first, each before its children, children in order; the root first.
    std::vector<NodeId> displayOrder() const;
    // The number of branches from the root: 0 for the root.
    int depth(NodeId id) const;
    // Whether node lies in the subtree of ancestor (ancestor itself included).
    bool inSubtree(NodeId node, NodeId ancestor) const;
    // "Узел N" with the smallest N ≥ 1 that no node is named with.
    std::string freeName() const;
    NodeId nextId() const { return nextId_; }

    // The edits the commands are made of; each keeps the structure whole.
    NodeId addNode(NodeId parent, std::size_t row, NodeInputs inputs, std::optional<NodeId> id = {});
    Subtree takeSubtree(NodeId id);
    void putSubtree(Subtree subtree, std::size_t row);
    void moveNode(NodeId id, NodeId parent, std::size_t row);
    void setInput(NodeId id, Column column, std::string text);
    void setTheta(std::string text) { theta_ = std::move(text); }

private:
    // The children's list of parent with each child's row kept current from the row changed.
    void renumber(NodeId parent, std::size_t from);
    std::size_t insertChild(NodeId parent, std::size_t row, NodeId id);
    void eraseChild(NodeId parent, NodeId id);
    std::unordered_map<NodeId, Node> nodes_;
    std::string theta_ = kStartTheta;
    NodeId nextId_ = 1;
};

// The inputs of a new node named name.
NodeInputs startInputs(std::string name);

}  // namespace ampera::network
