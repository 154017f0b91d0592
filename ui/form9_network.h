#pragma once

#include "network/editor.h"
#include "ui/form_base.h"

class QSizeGrip;
class QTreeView;

namespace ampera {

class NetworkTableModel;

// The network of boards and feeders fed from the transformer's busbars: a
// row per node in a tree under "ТП", its inputs typed or picked in place and
// its results and verdicts beside them. The window shows the session's
// network editor and writes every edit into it; a single modeless window,
// resized by its lower right corner; a close only hides it.
class Form9 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form9";
    static constexpr const char* kTitle = "ampera Сеть 0,4 кВ";
    explicit Form9(Session& session);
    ~Form9() override;
    void Form_Load() override;

    // Asks for a file name and writes the network there as a workbook or a
    // CSV file, as the name's extension says; the status names the file.
    void exportNetwork();
    // Asks for a CSV file and, when it holds a network and the user agrees,
    // makes it the network, as one step that undo takes back.
    void importNetwork();

    void txtTheta_Change();                  // θк of the whole network
    void Command1_Click();                   // "добавить": a node fed from the selected one
    void Command2_Click();                   // "удалить": the selected node and every node it feeds
    void Command3_Click();                   // "копировать": the whole table onto the clipboard
    void Command4_Click();                   // "экспорт…": the network into a workbook or a CSV file
    void Command5_Click();                   // "импорт…": the network replaced by a CSV file's
    void Command6_Click();                   // "характеристики": the selected node's chart in Form10
    void Tree_SelectionChanged();            // "характеристики" only for a node below "ТП"
    void Tree_HeaderMenu(const QPoint& at);  // the columns shown and hidden
    void Picture1_Click(int index);          // 0 close, 1 minimise
    void Undo_Shortcut();                    // Ctrl+Z
    void Redo_Shortcut();                    // Ctrl+Y, Ctrl+Shift+Z

    QLabel* Label19 = nullptr;  // title
    ClickLabel* Picture1[2] = {};
    QLabel* lblTheta = nullptr;
    QLineEdit* txtTheta = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr,
                *Command6 = nullptr;
    QLabel* lblStatus = nullptr;  // why nothing is computed, or why an edit was refused
    QTreeView* Tree = nullptr;
    QSizeGrip* SizeGrip = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    network::Editor& editor() const;
    void buildTree();
    void setColumnWidths();
    // The node of the selected cell; the root when none is selected.
    network::NodeId selectedNode() const;
    // θк and the status as the editor holds them, after each of its changes.
    void showEditor();
    void showRefusal(network::Refusal refusal);

    NetworkTableModel* table_ = nullptr;
    int observer_ = 0;
};

}  // namespace ampera
