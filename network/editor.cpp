#include "network/editor.h"

#include <algorithm>

namespace ampera::network {

namespace {

// ---- the commands

class AddNode : public Command {
public:
    AddNode(NodeId parent, NodeId id, std::string name) : parent_(parent), id_(id), name_(std::move(name)) {}
    void redo(Editor& e) override {
        Node node;
        node.id = id_;
        node.parent = parent_;
        node.inputs = startInputs(name_);
        e.insertSubtree(Subtree{{std::move(node)}}, e.network().node(parent_).children.size());
    }
    void undo(Editor& e) override { e.removeSubtree(id_); }

private:
    NodeId parent_, id_;
    std::string name_;
};

class RemoveSubtree : public Command {
public:
    explicit RemoveSubtree(NodeId id) : id_(id) {}
    void redo(Editor& e) override {
        row_ = e.network().node(id_).row;
        subtree_ = e.removeSubtree(id_);
    }
    void undo(Editor& e) override { e.insertSubtree(std::move(subtree_), row_); }

private:
    NodeId id_;
    std::size_t row_ = 0;
    Subtree subtree_;
};

class MoveSubtree : public Command {
public:
    MoveSubtree(const Node& node, NodeId to) : id_(node.id), from_(node.parent), row_(node.row), to_(to) {}
    void redo(Editor& e) override {
        // The last row among the new parent's children once the node has left its place.
        const std::size_t children = e.network().node(to_).children.size();
        e.moveNode(id_, to_, from_ == to_ ? children - 1 : children);
    }
    void undo(Editor& e) override { e.moveNode(id_, from_, row_); }

private:
    NodeId id_, from_;
    std::size_t row_;
    NodeId to_;
};

// Inputs of one node set at once: a cell, with what it fills or resets.
class SetCells : public Command {
public:
    struct Write {
        Column column;
        std::string before, after;
    };
    SetCells(NodeId id, std::vector<Write> writes) : id_(id), writes_(std::move(writes)) {}
    void redo(Editor& e) override {
        for (const Write& w : writes_) e.writeInput(id_, w.column, w.after);
    }
    void undo(Editor& e) override {
        for (auto w = writes_.rbegin(); w != writes_.rend(); ++w) e.writeInput(id_, w->column, w->before);
    }

private:
    NodeId id_;
    std::vector<Write> writes_;
};

class SetTheta : public Command {
public:
    SetTheta(std::string before, std::string after) : before_(std::move(before)), after_(std::move(after)) {}
    void redo(Editor& e) override { e.writeTheta(after_); }
    void undo(Editor& e) override { e.writeTheta(before_); }
    void retype(std::string after) { after_ = std::move(after); }

private:
    std::string before_, after_;
};

// The whole network exchanged for another, both ways.
class ReplaceNetwork : public Command {
public:
    explicit ReplaceNetwork(Network other) : other_(std::move(other)) {}
    void redo(Editor& e) override { e.swapNetwork(other_); }
    void undo(Editor& e) override { e.swapNetwork(other_); }

private:
    Network other_;
};

constexpr std::size_t kNever = static_cast<std::size_t>(-1);
constexpr Column kPerMetre[] = {Column::R1, Column::X1, Column::R0, Column::X0};

}  // namespace

// ---- the edits

Editor::Editor() { recompute(); }

Editor::~Editor() = default;

void Editor::setSupply(const FaultTexts& supply) {
    supply_ = supply;
    recompute();
}

NodeId Editor::add(NodeId parent) {
    if (!network_.find(parent)) parent = kRootId;
    const NodeId id = network_.nextId();
    push(std::make_unique<AddNode>(parent, id, network_.freeName()));
    return id;
}

Refusal Editor::remove(NodeId id) {
    if (id == kRootId) return Refusal::Root;
    if (!network_.find(id)) return Refusal::Missing;
    push(std::make_unique<RemoveSubtree>(id));
    return Refusal::None;
}

Refusal Editor::move(NodeId id, NodeId parent) {
    if (id == kRootId) return Refusal::Root;
    const Node* node = network_.find(id);
    if (!node || !network_.find(parent)) return Refusal::Missing;
    if (network_.inSubtree(parent, id)) return Refusal::Move;
    const Node& to = network_.node(parent);
    if (node->parent == parent && node->row + 1 == to.children.size()) return Refusal::None;  // already there
    push(std::make_unique<MoveSubtree>(*node, parent));
    return Refusal::None;
}

Refusal Editor::setCell(NodeId id, Column column, const std::string& text) {
    const Node* node = network_.find(id);
    if (!node || !isInput(column)) return Refusal::Missing;
    if (id == kRootId) return Refusal::Root;
    if (node->input(column) == text) return Refusal::None;
    if (column == Column::Name) {
        const Node* named = network_.findByName(text);
        if (text.empty() || (named && named != node)) return Refusal::Name;
    }
    std::vector<SetCells::Write> writes = {{column, node->input(column), text}};
    const auto also = [&](Column c, const std::string& after) {
        if (node->input(c) != after) writes.push_back({c, node->input(c), after});
    };
    if (column == Column::Cable) {
        if (const std::optional<CatalogueCable> cable = catalogueCable(text)) {
            also(Column::R1, cable->r1), also(Column::X1, cable->x1), also(Column::R0, cable->r0);
            also(Column::X0, cable->x0), also(Column::S, cable->s);
        }
    } else if (std::ranges::find(kPerMetre, column) != std::end(kPerMetre)) {
        also(Column::Cable, kCableByData);
    }
    push(std::make_unique<SetCells>(id, std::move(writes)));
    return Refusal::None;
}

void Editor::setTheta(const std::string& text) {
    if (text == network_.theta()) return;
    // Typing θк key by key is one step: the last step, if it set θк and is not the one saved, takes the new text.
    auto* last = done_ > 0 && done_ == history_.size() && saved_ != done_
                     ? dynamic_cast<SetTheta*>(history_.back().get())
                     : nullptr;
    if (!last) return push(std::make_unique<SetTheta>(network_.theta(), text));
    last->retype(text);
    last->redo(*this);
    recompute();
}

bool Editor::undo() {
    if (!canUndo()) return false;
    history_[--done_]->undo(*this);
    recompute();
    return true;
}

bool Editor::redo() {
    if (!canRedo()) return false;
    history_[done_++]->redo(*this);
    recompute();
    return true;
}

void Editor::replace(Network network) {
    const Change reset{.kind = Change::Kind::Reset};
    tell(reset, false);
    network_ = std::move(network);
    history_.clear();
    done_ = saved_ = 0;
    results_ = computeResults(network_, supply_);
    tell(reset, true);
}

void Editor::replaceAll(Network network) { push(std::make_unique<ReplaceNetwork>(std::move(network))); }

void Editor::push(std::unique_ptr<Command> command) {
    command->redo(*this);
    history_.resize(done_);
    if (saved_ > done_) saved_ = kNever;  // the step saved can no longer be reached
    history_.push_back(std::move(command));
    ++done_;
    recompute();
}

void Editor::recompute() {
    const Change results{.kind = Change::Kind::Results};
    tell(results, false);
    computePoints(network_, supply_, results_);
    tell(results, true);
}

// ---- the primitive changes

void Editor::swapNetwork(Network& other) {
    const Change reset{.kind = Change::Kind::Reset};
    tell(reset, false);
    std::swap(network_, other);
    results_ = computeResults(network_, supply_);
    tell(reset, true);
}

void Editor::insertSubtree(Subtree subtree, std::size_t row) {
    const Node& top = subtree.nodes.front();
    const Change change{.kind = Change::Kind::Insert, .node = top.id, .parent = top.parent, .row = row};
    std::vector<NodeId> ids;
    for (const Node& node : subtree.nodes) ids.push_back(node.id);
    tell(change, false);
    network_.putSubtree(std::move(subtree), row);
    for (const NodeId id : ids) results_.readings.insert_or_assign(id, readNode(network_.node(id)));
    tell(change, true);
}

Subtree Editor::removeSubtree(NodeId id) {
    const Node& node = network_.node(id);
    const Change change{.kind = Change::Kind::Remove, .node = id, .parent = node.parent, .row = node.row};
    tell(change, false);
    Subtree subtree = network_.takeSubtree(id);
    for (const Node& node : subtree.nodes) results_.readings.erase(node.id);
    tell(change, true);
    return subtree;
}

void Editor::moveNode(NodeId id, NodeId parent, std::size_t row) {
    const Node& node = network_.node(id);
    // A table counts the destination's rows before the move: below the node's own place, one more.
    const std::size_t before = node.parent == parent && row >= node.row ? row + 1 : row;
    const Change change{.kind = Change::Kind::Move,
                        .node = id,
                        .parent = node.parent,
                        .row = node.row,
                        .toParent = parent,
                        .toRow = before};
    tell(change, false);
    network_.moveNode(id, parent, row);
    tell(change, true);
}

void Editor::writeInput(NodeId id, Column column, const std::string& text) {
    const Change change{.kind = Change::Kind::Cells, .node = id, .parent = network_.node(id).parent};
    tell(change, false);
    network_.setInput(id, column, text);
    results_.readings.insert_or_assign(id, readNode(network_.node(id)));
    tell(change, true);
}

void Editor::writeTheta(const std::string& text) { network_.setTheta(text); }

int Editor::observe(Observer observer) {
    observers_.emplace_back(nextObserver_, std::move(observer));
    return nextObserver_++;
}

void Editor::unobserve(int id) {
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void Editor::tell(const Change& change, bool after) {
    for (const auto& [id, observer] : observers_) {
        const auto& told = after ? observer.after : observer.before;
        if (told) told(change);
    }
}

}  // namespace ampera::network
