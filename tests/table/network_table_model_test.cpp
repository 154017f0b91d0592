// The network table's item model against Qt's model checker through every
// kind of the editor's changes, undone and redone, and a view that follows them.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTreeView>

#include "network/editor.h"
#include "ui/network_table_model.h"

namespace ampera {
namespace {

using network::Column;
using network::kRootId;

// The names of the view's rows as it lays them out, every row expanded.
QStringList viewRows(QTreeView& view) {
    view.expandAll();
    QStringList names;
    for (QModelIndex i = view.model()->index(0, 0); i.isValid(); i = view.indexBelow(i)) names << i.data().toString();
    return names;
}

TEST(NetworkTableModel, FollowsEveryChange) {
    network::Editor editor;
    NetworkTableModel table(editor);
    QAbstractItemModelTester tester(&table, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QTreeView view;
    view.setModel(&table);

    const network::NodeId a = editor.add(kRootId), b = editor.add(kRootId), c = editor.add(a);
    const network::NodeId d = editor.add(c);
    EXPECT_EQ(viewRows(view), QStringList({"ТП", "Узел 1", "Узел 3", "Узел 4", "Узел 2"}));
    const QPersistentModelIndex held(table.indexOf(a));
    EXPECT_EQ(editor.move(a, kRootId), network::Refusal::None);  // within its parent, to the end
    EXPECT_EQ(held, table.indexOf(a));
    EXPECT_EQ(editor.move(b, c), network::Refusal::None);  // into another subtree
    EXPECT_EQ(editor.move(c, d), network::Refusal::Move);
    EXPECT_EQ(editor.setCell(d, Column::Length, "x"), network::Refusal::None);
    // the view's clearing of the dragged cells once a drop moved them is no edit
    const QModelIndex length = table.indexOf(d, Column::Length);
    EXPECT_FALSE(table.setData(length, QVariant(), Qt::EditRole));
    EXPECT_EQ(length.data().toString(), "x");
    EXPECT_EQ(editor.remove(c), network::Refusal::None);
    EXPECT_EQ(viewRows(view), QStringList({"ТП", "Узел 1"}));
    while (editor.undo()) {
    }
    EXPECT_EQ(viewRows(view), QStringList({"ТП"}));
    while (editor.redo()) {
    }
    EXPECT_EQ(viewRows(view), QStringList({"ТП", "Узел 1"}));
    editor.replace(network::Network());
    EXPECT_EQ(viewRows(view), QStringList({"ТП"}));
}

}  // namespace
}  // namespace ampera
