#include "ui/network_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QMimeData>
#include <algorithm>

#include "ui/qt_text.h"

namespace ampera {

using network::Change;
using network::Column;
using network::NodeId;

namespace {

// The fills of a verdict that holds and of one that does not, light enough for black text.
const QColor kPassFill{0xcc, 0xee, 0xcc};
const QColor kFailFill{0xf6, 0xc4, 0xc4};

QByteArray encodeId(NodeId id) { return QByteArray::number(id); }

}  // namespace

NetworkTableModel::NetworkTableModel(network::Editor& editor, QObject* parent)
    : QAbstractItemModel(parent), editor_(editor) {
    observer_ = editor_.observe({[this](const Change& c) { before(c); }, [this](const Change& c) { after(c); }});
}

NetworkTableModel::~NetworkTableModel() { editor_.unobserve(observer_); }

// ---- rows and columns

QModelIndex NetworkTableModel::indexOf(NodeId id, Column column) const {
    const network::Node* node = editor_.network().find(id);
    if (!node) return {};
    const int row = id == network::kRootId ? 0 : static_cast<int>(node->row);
    return createIndex(row, static_cast<int>(column), static_cast<quintptr>(id));
}

NodeId NetworkTableModel::nodeOf(const QModelIndex& index) {
    return index.isValid() ? static_cast<NodeId>(index.internalId()) : network::kRootId;
}

Column NetworkTableModel::columnOf(const QModelIndex& index) { return static_cast<Column>(index.column()); }

QModelIndex NetworkTableModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= network::kColumnCount) return {};
    if (!parent.isValid())
        return row == 0 ? createIndex(0, column, static_cast<quintptr>(network::kRootId)) : QModelIndex();
    if (parent.column() != 0) return {};
    const network::Node* node = editor_.network().find(nodeOf(parent));
    if (!node || static_cast<std::size_t>(row) >= node->children.size()) return {};
    return createIndex(row, column, static_cast<quintptr>(node->children[static_cast<std::size_t>(row)]));
}

QModelIndex NetworkTableModel::parent(const QModelIndex& index) const {
    const NodeId id = nodeOf(index);
    if (!index.isValid() || id == network::kRootId) return {};
    return indexOf(editor_.network().node(id).parent);
}

int NetworkTableModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return 1;
    if (parent.column() != 0) return 0;
    const network::Node* node = editor_.network().find(nodeOf(parent));
    return node ? static_cast<int>(node->children.size()) : 0;
}

int NetworkTableModel::columnCount(const QModelIndex&) const { return network::kColumnCount; }

// ---- cells

const network::Cell& NetworkTableModel::cell(const QModelIndex& index) const {
    const std::pair<quintptr, int> at{index.internalId(), index.column()};
    if (cachedAt_ != at) {
        cached_ = network::cellOf(editor_.network(), editor_.results(), nodeOf(index), columnOf(index));
        cachedAt_ = at;
    }
    return cached_;
}

QVariant NetworkTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !editor_.network().find(nodeOf(index))) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return q(cell(index).text);
    case Qt::ToolTipRole: {
        const std::string& tip = cell(index).tooltip;
        return tip.empty() ? QVariant() : QVariant(q(tip));
    }
    case Qt::BackgroundRole: {
        const network::CellState state = cell(index).state;
        if (state == network::CellState::Pass) return QBrush(kPassFill);
        if (state == network::CellState::Fail) return QBrush(kFailFill);
        return {};
    }
    case Qt::FontRole: {
        if (cell(index).state != network::CellState::Fail) return {};
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case kStateRole: return static_cast<int>(cell(index).state);
    default: return {};
    }
}

QVariant NetworkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= network::kColumnCount) return {};
    if (role == Qt::DisplayRole) return q(network::columnInfo(static_cast<Column>(section)).caption);
    return {};
}

Qt::ItemFlags NetworkTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (nodeOf(index) != network::kRootId) f |= Qt::ItemIsDragEnabled;
    if (cell(index).editable) f |= Qt::ItemIsEditable;
    return f;
}

bool NetworkTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    // Only a text is an edit: after a drag the view clears the dragged cells with no value, which changes nothing.
    if (!index.isValid() || role != Qt::EditRole || !value.isValid()) return false;
    const network::Refusal r = editor_.setCell(nodeOf(index), columnOf(index), text(value.toString()));
    if (r != network::Refusal::None && onRefused) onRefused(r);
    return r == network::Refusal::None;
}

// ---- dragging a row onto another

Qt::DropActions NetworkTableModel::supportedDragActions() const { return Qt::MoveAction; }

Qt::DropActions NetworkTableModel::supportedDropActions() const { return Qt::MoveAction; }

QStringList NetworkTableModel::mimeTypes() const { return {kNodeMime}; }

QMimeData* NetworkTableModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(kNodeMime, encodeId(nodeOf(indexes.front())));
    return data;
}

std::optional<NodeId> NetworkTableModel::droppedNode(const QMimeData* data) const {
    if (!data || !data->hasFormat(kNodeMime)) return std::nullopt;
    bool ok = false;
    const uint id = data->data(kNodeMime).toUInt(&ok);
    if (!ok || !editor_.network().find(id)) return std::nullopt;
    return id;
}

// Only onto a row: the node becomes that row's node's last child.
bool NetworkTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                        const QModelIndex& parent) const {
    if (action != Qt::MoveAction || row != -1 || !parent.isValid()) return false;
    const std::optional<NodeId> id = droppedNode(data);
    return id && *id != network::kRootId && !editor_.network().inSubtree(nodeOf(parent), *id);
}

bool NetworkTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                     const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    const network::Refusal r = editor_.move(*droppedNode(data), nodeOf(parent));
    if (r != network::Refusal::None && onRefused) onRefused(r);
    // The view removes no rows after the drop: the model has no removeRows, the editor moved them.
    return r == network::Refusal::None;
}

// ---- the editor's changes

void NetworkTableModel::before(const Change& c) {
    cachedAt_.reset();
    switch (c.kind) {
    case Change::Kind::Insert: {
        const int row = static_cast<int>(c.row);
        beginInsertRows(indexOf(c.parent), row, row);
        return;
    }
    case Change::Kind::Remove: {
        const int row = static_cast<int>(c.row);
        beginRemoveRows(indexOf(c.parent), row, row);
        return;
    }
    case Change::Kind::Move: {
        const int row = static_cast<int>(c.row);
        moving_ = beginMoveRows(indexOf(c.parent), row, row, indexOf(c.toParent), static_cast<int>(c.toRow));
        return;
    }
    case Change::Kind::Reset: beginResetModel(); return;
    case Change::Kind::Cells:
    case Change::Kind::Results: return;
    }
}

void NetworkTableModel::after(const Change& c) {
    cachedAt_.reset();
    switch (c.kind) {
    case Change::Kind::Insert: endInsertRows(); return;
    case Change::Kind::Remove: endRemoveRows(); return;
    case Change::Kind::Move:
        if (moving_) endMoveRows();
        moving_ = false;
        return;
    case Change::Kind::Reset: endResetModel(); return;
    case Change::Kind::Cells: {
        const QModelIndex first = indexOf(c.node);
        emit dataChanged(first, first.siblingAtColumn(network::kColumnCount - 1));
        return;
    }
    case Change::Kind::Results:
        // Over more than one cell: the view draws its whole viewport anew.
        emit dataChanged(index(0, 0), index(0, network::kColumnCount - 1));
        return;
    }
}

}  // namespace ampera
