#pragma once

#include <QAbstractItemModel>
#include <functional>
#include <optional>

#include "network/editor.h"
#include "network/table_cells.h"

namespace ampera {

// The network editor as Qt's tree of rows: a row per node under its parent,
// the root "ТП" alone at the top, a column per network::Column. An index's
// internal id is its node's id; the rows and cells are read from the network
// as it stands, so nothing is kept per node. The editor's changes become the
// model's signals; the user's edits and drops go to the editor.
class NetworkTableModel : public QAbstractItemModel {
    Q_OBJECT
public:
    // The cell's network::CellState as an int.
    static constexpr int kStateRole = Qt::UserRole + 1;
    static constexpr const char* kNodeMime = "application/x-ampera-node";

    explicit NetworkTableModel(network::Editor& editor, QObject* parent = nullptr);
    ~NetworkTableModel() override;

    network::Editor& editor() const { return editor_; }
    // The index of a node's cell; the node's id of an index (the root for an invalid one).
    QModelIndex indexOf(network::NodeId id, network::Column column = network::Column::Name) const;
    static network::NodeId nodeOf(const QModelIndex& index);
    static network::Column columnOf(const QModelIndex& index);

    // Told when an edit of a cell or a drop is refused.
    std::function<void(network::Refusal)> onRefused;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Dragging a row onto another: the node's id travels; the drop is the editor's move.
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    // The editor's changes as the model's begin and end signals.
    void before(const network::Change& change);
    void after(const network::Change& change);
    const network::Cell& cell(const QModelIndex& index) const;
    std::optional<network::NodeId> droppedNode(const QMimeData* data) const;

    network::Editor& editor_;
    int observer_ = 0;
    bool moving_ = false;  // a move of rows was begun
    // The cell last read: a view asks for several roles of a cell in a row.
    mutable std::optional<std::pair<quintptr, int>> cachedAt_;
    mutable network::Cell cached_;
};

}  // namespace ampera
