#pragma once

#include <QStyledItemDelegate>

namespace ampera {

// How the network table draws and edits its cells: an input that fails its
// rule gets a red frame; a text cell is edited in a line, "Кабель" in an
// editable list that completes what is typed, "Аппарат" and "Изоляция" in
// their fixed lists, where a pick is the edit.
class NetworkCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    QWidget* listEditor(QWidget* parent, const QModelIndex& index) const;
    // The editor's text goes into the model and the editor closes.
    void finish(QWidget* editor) const;
};

}  // namespace ampera
