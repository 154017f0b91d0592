// The commands on the network's table: a row is found by its node's name, a
// column by its caption, through the table's item model as the view shows it.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <memory>

#include "network/table_cells.h"
#include "tests/runner/player.h"
#include "tests/runner/user_input.h"
#include "ui/network_table_model.h"

namespace runner {

namespace {

const QStringList kTableCommands = {
    "cell", "select", "move", "expect-cell", "expect-cell-state", "expect-cell-tooltip", "expect-rows"};

// Every row's name cell, depth first, every node expanded.
void walk(const QAbstractItemModel* model, const QModelIndex& parent, QModelIndexList& out) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        out << index;
        walk(model, index, out);
    }
}

QModelIndexList rows(const QAbstractItemModel* model) {
    QModelIndexList out;
    walk(model, {}, out);
    return out;
}

QModelIndex rowNamed(const QAbstractItemModel* model, const QString& name) {
    for (const QModelIndex& index : rows(model))
        if (index.data().toString() == name) return index;
    return {};
}

int columnCaptioned(const QAbstractItemModel* model, const QString& caption) {
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == caption) return c;
    return -1;
}

QString stateName(int state) {
    switch (static_cast<ampera::network::CellState>(state)) {
    case ampera::network::CellState::Pass: return "pass";
    case ampera::network::CellState::Fail: return "fail";
    case ampera::network::CellState::Bad: return "bad";
    case ampera::network::CellState::Plain: return "plain";
    }
    return "plain";
}

// The editor the view has open on its viewport, if any.
QWidget* openEditor(QAbstractItemView* view) {
    for (QWidget* w : view->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))) return w;
    return nullptr;
}

}  // namespace

bool Player::runTableCommand(const Command& c) {
    const QString& n = c.name;
    if (!kTableCommands.contains(n)) return false;
    auto* view = qobject_cast<QAbstractItemView*>(control(c));
    if (!view || !view->model()) scriptError(c, c.target + " is not a table");
    QAbstractItemModel* model = view->model();

    if (n == "expect-rows") {
        QStringList got;
        for (const QModelIndex& index : rows(model)) got << index.data().toString();
        if (got.join('|') != value(c.rest)) failed(c, "rows " + value(c.rest), got.join('|'));
        return true;
    }

    // ROW, then COLUMN where the command has one, then the VALUE.
    QString rest = c.rest;
    const QString rowName = takeArgument(rest);
    if (rowName.isEmpty()) scriptError(c, n + " needs a row");
    QModelIndex row = rowNamed(model, rowName);
    if (!row.isValid()) failed(c, "a row " + rowName, "none");

    if (n == "select" || n == "move") {
        if (!view->isEnabled() || !view->window()->isEnabled()) return true;
        // The press on the row: it becomes the current one, and an editor open elsewhere takes its text and closes.
        view->scrollTo(row);
        view->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
        if (n == "select") return true;
        const QString parentName = value(rest);
        const QModelIndex parent = rowNamed(model, parentName);
        if (!parent.isValid()) failed(c, "a row " + parentName, "none");
        // The drag carries what the model gives for the row; the drop lands on the parent's row.
        if (!(model->flags(row) & Qt::ItemIsDragEnabled) || !(model->flags(parent) & Qt::ItemIsDropEnabled))
            return true;
        const std::unique_ptr<QMimeData> dragged(model->mimeData({row}));
        if (dragged && model->canDropMimeData(dragged.get(), Qt::MoveAction, -1, -1, parent))
            model->dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, parent);
        return true;
    }

    const QString columnCaption = takeArgument(rest);
    const int column = columnCaptioned(model, columnCaption);
    if (column < 0) scriptError(c, "no column " + columnCaption + " in " + c.target);
    const QModelIndex cell = row.siblingAtColumn(column);
    const QString want = value(rest);

    if (n == "expect-cell") {
        const QString got = cell.data().toString();
        if (got != want) failed(c, rowName + " / " + columnCaption + " \"" + want + "\"", "\"" + got + "\"");
    } else if (n == "expect-cell-tooltip") {
        const QString got = cell.data(Qt::ToolTipRole).toString();
        if (got != want) failed(c, rowName + " / " + columnCaption + " tooltip \"" + want + "\"", "\"" + got + "\"");
    } else if (n == "expect-cell-state") {
        if (want != "pass" && want != "fail" && want != "bad" && want != "plain")
            scriptError(c, n + " needs pass, fail, bad or plain");
        const QString got = stateName(cell.data(ampera::NetworkTableModel::kStateRole).toInt());
        if (got != want) failed(c, rowName + " / " + columnCaption + " " + want, got);
    } else {  // cell: the user opens the cell's editor, replaces its text and presses Enter, or picks from its list
        if (!view->isEnabled() || !view->window()->isEnabled()) return true;
        if (!(model->flags(cell) & Qt::ItemIsEditable)) failed(c, "an editable cell " + columnCaption, "none");
        // A click on the cell: an editor open on another cell takes its text and closes.
        view->scrollTo(cell);
        view->setCurrentIndex(cell);
        QWidget* editor = openEditor(view);
        if (!editor) {
            view->edit(cell);
            editor = openEditor(view);
        }
        if (!editor) failed(c, "an editor on " + rowName + " / " + columnCaption, "none");
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            const int item = combo->findText(want, Qt::MatchExactly);
            if (item < 0) {
                QStringList items;
                for (int k = 0; k < combo->count(); ++k) items << combo->itemText(k);
                failed(c, "an item " + want + " of " + columnCaption, items.join('|'));
            }
            pickItem(combo, item);
        } else {
            auto* line = qobject_cast<QLineEdit*>(editor);
            line->selectAll();
            line->insert(want);
            pressKey(line, Qt::Key_Return, "\r");
        }
    }
    return true;
}

}  // namespace runner
