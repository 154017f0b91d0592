#include "network/network.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace ampera::network {

namespace {

constexpr std::string_view kNamePrefix = "Узел ";

}  // namespace

NodeInputs startInputs(std::string name) {
    NodeInputs inputs;
    for (const ColumnInfo& c : columns())
        if (isInput(c.column)) inputs[inputIndex(c.column)] = c.start;
    inputs[inputIndex(Column::Name)] = std::move(name);
    return inputs;
}

Network::Network() {
    Node root;
    root.inputs[inputIndex(Column::Name)] = kRootName;
    nodes_.emplace(kRootId, std::move(root));
}

const Node* Network::find(NodeId id) const {
    const auto it = nodes_.find(id);
    return it == nodes_.end() ? nullptr : &it->second;
}

const Node* Network::findByName(std::string_view name) const {
    for (const auto& [id, node] : nodes_)
        if (node.name() == name) return &node;
    return nullptr;
}

std::vector<NodeId> Network::displayOrder() const {
    std::vector<NodeId> order;
    order.reserve(nodes_.size());
    // An explicit stack: a path thousands of nodes deep needs no call per level.
    std::vector<NodeId> stack = {kRootId};
    while (!stack.empty()) {
        const NodeId id = stack.back();
        stack.pop_back();
        order.push_back(id);
        const std::vector<NodeId>& children = node(id).children;
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return order;
}

int Network::depth(NodeId id) const {
    int depth = 0;
    for (; id != kRootId; id = node(id).parent) ++depth;
    return depth;
}

bool Network::inSubtree(NodeId id, NodeId ancestor) const {
    for (;; id = node(id).parent) {
        if (id == ancestor) return true;
        if (id == kRootId) return false;
    }
}

std::string Network::freeName() const {
    std::unordered_set<std::string_view> names;
    for (const auto& [id, node] : nodes_) names.insert(node.name());
    for (std::size_t n = 1;; ++n) {
        std::string name = std::string(kNamePrefix) + std::to_string(n);
        if (!names.contains(name)) return name;
    }
}

NodeId Network::addNode(NodeId parent, std::size_t row, NodeInputs inputs, std::optional<NodeId> id) {
    const NodeId newId = id.value_or(nextId_);
    if (nodes_.contains(newId) || !nodes_.contains(parent)) throw std::logic_error("network: bad node to add");
    Node node;
    node.id = newId;
    node.parent = parent;
    node.inputs = std::move(inputs);
    nodes_.emplace(newId, std::move(node));
    insertChild(parent, row, newId);
    nextId_ = std::max(nextId_, newId + 1);
    return newId;
}

Subtree Network::takeSubtree(NodeId id) {
    if (id == kRootId) throw std::logic_error("network: the root stays");
    Subtree subtree;
    std::vector<NodeId> stack = {id};
    while (!stack.empty()) {
        const NodeId next = stack.back();
        stack.pop_back();
        const Node& node = nodes_.at(next);
        stack.insert(stack.end(), node.children.rbegin(), node.children.rend());
        subtree.nodes.push_back(node);
    }
    eraseChild(subtree.nodes.front().parent, id);
    for (const Node& node : subtree.nodes) nodes_.erase(node.id);
    return subtree;
}

void Network::putSubtree(Subtree subtree, std::size_t row) {
    const NodeId id = subtree.nodes.front().id, parent = subtree.nodes.front().parent;
    for (Node& node : subtree.nodes) {
        nextId_ = std::max(nextId_, node.id + 1);
        nodes_.emplace(node.id, std::move(node));
    }
    insertChild(parent, row, id);
}

void Network::moveNode(NodeId id, NodeId parent, std::size_t row) {
    eraseChild(nodes_.at(id).parent, id);
    nodes_.at(id).parent = parent;
    insertChild(parent, row, id);
}

void Network::setInput(NodeId id, Column column, std::string text) {
    nodes_.at(id).inputs[inputIndex(column)] = std::move(text);
}

void Network::renumber(NodeId parent, std::size_t from) {
    const std::vector<NodeId>& children = nodes_.at(parent).children;
    for (std::size_t row = from; row < children.size(); ++row) nodes_.at(children[row]).row = row;
}

std::size_t Network::insertChild(NodeId parent, std::size_t row, NodeId id) {
    std::vector<NodeId>& children = nodes_.at(parent).children;
    row = std::min(row, children.size());
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(row), id);
    renumber(parent, row);
    return row;
}

void Network::eraseChild(NodeId parent, NodeId id) {
    std::vector<NodeId>& children = nodes_.at(parent).children;
    const std::size_t row = nodes_.at(id).row;
    children.erase(children.begin() + static_cast<std::ptrdiff_t>(row));
    renumber(parent, row);
}

}  // namespace ampera::network
