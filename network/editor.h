#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/fault_calculation.h"
#include "network/network.h"
#include "network/results.h"

namespace ampera::network {

// A change of the network, told to the observers before and after it is made.
// Insert, Remove: the subtree of node at parent's row. Move: node from
// parent's row to toParent, toRow counting the rows before the move (as a
// table's move of rows counts them). Cells: the inputs of node. Results:
// every result (after any change, and when the supply changes). Reset: all.
struct Change {
    enum class Kind { Cells, Insert, Remove, Move, Results, Reset };
    Kind kind = Kind::Reset;
    NodeId node = kRootId;
    NodeId parent = kRootId;
    std::size_t row = 0;
    NodeId toParent = kRootId;
    std::size_t toRow = 0;
};

// Why an edit was not made.
enum class Refusal { None, Name, Move, Root, Missing };
inline constexpr const char* kNameMessage = "Имя узла должно быть непустым и не повторяться";

// One undoable edit.
class Command {
public:
    virtual ~Command() = default;
    virtual void redo(class Editor& editor) = 0;
    virtual void undo(class Editor& editor) = 0;
};

// The network with its undo history and its results. Every edit is a
// command; "modified" is the history not being at the step last saved. A
// node's inputs are read again when they change, and every result is
// recomputed from the readings after every change.
class Editor {
public:
    Editor();
    ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    const Network& network() const { return network_; }
    const Results& results() const { return results_; }

    // The main window's fields the root's point is computed from.
    void setSupply(const FaultTexts& supply);
    const FaultTexts& supply() const { return supply_; }

    // A new node fed from parent, as its last child, named by freeName(); its id.
    NodeId add(NodeId parent);
    // The node and every node it feeds; the root is refused.
    Refusal remove(NodeId id);
    // The node and its subtree become parent's last child; a move under itself
    // or under a node it feeds is refused, and so is the root.
    Refusal move(NodeId id, NodeId parent);
    // An input's text. A name must be non-empty and unique, the root's is
    // fixed. A catalogue cable fills the per-metre values and S; typing a
    // per-metre value sets the cable to "по данным". One undo step each.
    Refusal setCell(NodeId id, Column column, const std::string& text);
    // θк; changes one after another make one step.
    void setTheta(const std::string& text);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < history_.size(); }
    bool undo();
    bool redo();
    bool modified() const { return done_ != saved_; }
    void markSaved() { saved_ = done_; }

    // The network replaced (emptied for a new calculation, or opened from a
    // file), the history cleared and not modified.
    void replace(Network network);
    // The network replaced by another (an import) as one undoable step.
    void replaceAll(Network network);

    struct Observer {
        std::function<void(const Change&)> before, after;
    };
    int observe(Observer observer);
    void unobserve(int id);

    // The primitive changes the commands make, each told to the observers.
    void insertSubtree(Subtree subtree, std::size_t row);
    Subtree removeSubtree(NodeId id);
    void moveNode(NodeId id, NodeId parent, std::size_t row);
    void writeInput(NodeId id, Column column, const std::string& text);
    void writeTheta(const std::string& text);
    void swapNetwork(Network& other);
    Network& mutableNetwork() { return network_; }

private:
    void push(std::unique_ptr<Command> command);
    void tell(const Change& change, bool after);
    void recompute();

    Network network_;
    FaultTexts supply_;
    Results results_;
    std::vector<std::unique_ptr<Command>> history_;
    std::size_t done_ = 0, saved_ = 0;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};

}  // namespace ampera::network
