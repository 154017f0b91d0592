#include "ui/network_cell_delegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>

#include "network/columns.h"
#include "network/table_cells.h"
#include "ui/network_table_model.h"
#include "ui/qt_text.h"

namespace ampera {

namespace {

const QColor kBadFrame{0xdd, 0x00, 0x00};
const char* const kFinished = "finished";  // the editor's property once its text was taken

QStringList listOf(network::Column column) {
    QStringList items;
    for (const std::string& item : network::listItems(column)) items << q(item);
    return items;
}

}  // namespace

void NetworkCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.data(NetworkTableModel::kStateRole).toInt() != static_cast<int>(network::CellState::Bad)) return;
    // An input that fails its rule: a red frame inside the cell.
    painter->save();
    painter->setPen(QPen(kBadFrame, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

QWidget* NetworkCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    if (network::columnInfo(NetworkTableModel::columnOf(index)).kind == network::ColumnKind::List)
        return listEditor(parent, index);
    auto* line = new QLineEdit(parent);
    line->setFrame(false);
    return line;
}

// "Кабель": typed text completes to the items that hold it, in any case;
// "Аппарат", "Изоляция": the items alone. A pick from the list is the edit.
QWidget* NetworkCellDelegate::listEditor(QWidget* parent, const QModelIndex& index) const {
    const network::Column column = NetworkTableModel::columnOf(index);
    auto* combo = new QComboBox(parent);
    combo->addItems(listOf(column));
    combo->setMaxVisibleItems(16);
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
    if (column == network::Column::Cable) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        auto* completer = new QCompleter(combo->model(), combo);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        combo->setCompleter(completer);
        connect(completer, qOverload<const QString&>(&QCompleter::activated), combo, [this, combo](const QString& t) {
            combo->setEditText(t);
            finish(combo);
        });
    }
    connect(combo, &QComboBox::activated, combo, [this, combo](int) { finish(combo); });
    return combo;
}

void NetworkCellDelegate::finish(QWidget* editor) const {
    if (editor->property(kFinished).toBool()) return;
    editor->setProperty(kFinished, true);
    auto* self = const_cast<NetworkCellDelegate*>(this);
    emit self->commitData(editor);
    emit self->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

// An editor whose text was taken by a pick takes no key or focus loss any more.
bool NetworkCellDelegate::eventFilter(QObject* editor, QEvent* event) {
    if (editor->property(kFinished).toBool()) return false;
    return QStyledItemDelegate::eventFilter(editor, event);
}

void NetworkCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString value = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int at = combo->findText(value);
        combo->setCurrentIndex(at);
        if (combo->isEditable()) combo->setEditText(value);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(value);
        line->selectAll();
    }
}

void NetworkCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentText(), Qt::EditRole);
    else if (auto* line = qobject_cast<QLineEdit*>(editor)) model->setData(index, line->text(), Qt::EditRole);
}

}  // namespace ampera
