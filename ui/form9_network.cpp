#include "ui/form9_network.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QSizeGrip>
#include <QTreeView>
#include <algorithm>

#include "model/time_chart.h"
#include "network/table_cells.h"
#include "ui/form10_chart.h"
#include "ui/network_cell_delegate.h"
#include "ui/network_table_model.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

using network::Column;
using network::NodeId;

namespace {

// Layout, twips: θк, the buttons and the status above the table, which takes
// the rest of the window down to the size grip's strip.
constexpr int kWidth = 14400, kHeight = 7800, kMinWidth = 7200, kMinHeight = 3600;
constexpr int kMargin = 120, kGripStrip = 300;
constexpr int kThetaTop = 480, kThetaLabelW = 3240, kFieldW = 735, kRowH = 285;
constexpr int kButtonsTop = 900, kButtonW = 1335, kWideButtonW = 1575, kButtonH = 375;
constexpr int kStatusTop = 1380, kTreeTop = 1740;
constexpr int kIndent = 16;  // pixels a level of the tree is indented by; the name column shows four levels

// A column's width, pixels: its caption with room around it, and enough for
// what its cells typically hold.
int columnWidth(const QFontMetrics& fm, Column column) {
    const int caption = fm.horizontalAdvance(q(network::columnInfo(column).caption)) + 24;
    switch (column) {
    case Column::Name: return std::max(caption, fm.horizontalAdvance("Узел 0000") + 4 * kIndent + 24);
    case Column::Cable: return std::max(caption, fm.horizontalAdvance("кабель с медными жилами…3x185 + 1x95") + 16);
    case Column::Device:
    case Column::Insulation:
    case Column::Circuit: {
        int widest = caption;
        for (const std::string& item : network::listItems(column))
            widest = std::max(widest, fm.horizontalAdvance(q(item)) + 16);
        return widest;
    }
    default: return std::max(caption, fm.horizontalAdvance("00,0000") + 16);
    }
}

struct HistoryKey {
    const char* keys;
    void (Form9::*handler)();
};
const HistoryKey kHistoryKeys[] = {
    {"Ctrl+Z", &Form9::Undo_Shortcut}, {"Ctrl+Y", &Form9::Redo_Shortcut}, {"Ctrl+Shift+Z", &Form9::Redo_Shortcut}};

}  // namespace

Form9::Form9(Session& session) : FormBase(session, kName, kTitle, kWidth, kHeight) {
    Picture1[0] = makePicture("Picture1[0]", "×");
    Picture1[1] = makePicture("Picture1[1]", "_");
    buildTitleStrip("Label19", kTitle, Picture1[0], Picture1[1]);
    Label19 = findChild<QLabel*>("Label19");
    connect(Picture1[0], &ClickLabel::clicked, this, [this] { Picture1_Click(0); });
    connect(Picture1[1], &ClickLabel::clicked, this, [this] { Picture1_Click(1); });
    setMinimumSize(px(kMinWidth), px(kMinHeight));

    lblTheta = addLabel(this, "lblTheta", "температура жил в конце КЗ, °C", kMargin, kThetaTop, kThetaLabelW, kRowH);
    txtTheta = addText(this, "txtTheta", kMargin + kThetaLabelW, kThetaTop, kFieldW, kRowH);
    onChange(txtTheta, [this] { txtTheta_Change(); });

    Command1 = addButton(this, "Command1", "добавить", kMargin, kButtonsTop, kButtonW, kButtonH,
                         [this] { Command1_Click(); });
    Command2 = addButton(this, "Command2", "удалить", kMargin + kButtonW + 120, kButtonsTop, kButtonW, kButtonH,
                         [this] { Command2_Click(); });
    Command3 = addButton(this, "Command3", "копировать", kMargin + 2 * (kButtonW + 120), kButtonsTop, kButtonW,
                         kButtonH, [this] { Command3_Click(); });
    Command4 = addButton(this, "Command4", "экспорт…", kMargin + 3 * (kButtonW + 120), kButtonsTop, kButtonW, kButtonH,
                         [this] { Command4_Click(); });
    Command5 = addButton(this, "Command5", "импорт…", kMargin + 4 * (kButtonW + 120), kButtonsTop, kButtonW, kButtonH,
                         [this] { Command5_Click(); });
    Command6 = addButton(this, "Command6", "характеристики", kMargin + 5 * (kButtonW + 120), kButtonsTop, kWideButtonW,
                         kButtonH, [this] { Command6_Click(); });
    lblStatus = addLabel(this, "lblStatus", "", kMargin, kStatusTop, kWidth - 2 * kMargin, kRowH);

    buildTree();
    SizeGrip = new QSizeGrip(this);
    SizeGrip->setObjectName("SizeGrip");

    // Undo and redo of the network's edits anywhere in the window; θк's field
    // keeps no history of its own, as each of its changes is a step of the network's.
    for (const auto& [keys, handler] : kHistoryKeys)
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [this, handler = handler] { (this->*handler)(); });
    txtTheta->installEventFilter(this);

    observer_ = editor().observe({{}, [this](const network::Change& c) {
                                      if (c.kind == network::Change::Kind::Results ||
                                          c.kind == network::Change::Kind::Reset)
                                          showEditor();
                                  }});
    QResizeEvent e(size(), size());
    resizeEvent(&e);
}

Form9::~Form9() { editor().unobserve(observer_); }

network::Editor& Form9::editor() const { return session().network(); }

// The table: a row per node, indented under its parent; cells edited in
// place; rows dragged onto other rows; the header's menu hides columns.
void Form9::buildTree() {
    table_ = new NetworkTableModel(editor(), this);
    table_->onRefused = [this](network::Refusal r) { showRefusal(r); };
    Tree = new QTreeView(this);
    Tree->setObjectName("Tree");
    Tree->setModel(table_);
    Tree->setItemDelegate(new NetworkCellDelegate(Tree));
    Tree->setUniformRowHeights(true);
    Tree->setIndentation(kIndent);
    Tree->setSelectionMode(QAbstractItemView::SingleSelection);
    Tree->setSelectionBehavior(QAbstractItemView::SelectItems);
    Tree->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    Tree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Tree->setTextElideMode(Qt::ElideMiddle);  // a cable's kind at the left, its cores at the right
    Tree->setDragEnabled(true);
    Tree->setAcceptDrops(true);
    Tree->setDropIndicatorShown(true);
    Tree->setDragDropMode(QAbstractItemView::DragDrop);
    Tree->setDefaultDropAction(Qt::MoveAction);
    Tree->setDragDropOverwriteMode(true);  // a drop lands on a row, never between rows
    QHeaderView* header = Tree->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::customContextMenuRequested, this, [this](const QPoint& at) { Tree_HeaderMenu(at); });
    setColumnWidths();
    connect(Tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { Tree_SelectionChanged(); });

    // The root stays open; a node that takes a new child or a moved one opens to show it, and a subtree
    // put back (an undone delete) shows all its rows.
    connect(table_, &QAbstractItemModel::modelReset, this, [this] { Tree->expand(table_->indexOf(network::kRootId)); });
    connect(table_, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int, int, const QModelIndex& to, int) { Tree->expand(to); });
    connect(table_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent, int first, int last) {
        Tree->expand(parent);
        for (int row = first; row <= last; ++row) Tree->expandRecursively(table_->index(row, 0, parent));
    });
}

void Form9::setColumnWidths() {
    const QFontMetrics fm(Tree->header()->font());
    for (const network::ColumnInfo& c : network::columns())
        Tree->setColumnWidth(static_cast<int>(c.column), columnWidth(fm, c.column));
}

void Form9::Form_Load() {
    showEditor();
    Tree->expand(table_->indexOf(network::kRootId));
    Tree_SelectionChanged();
}

void Form9::resizeEvent(QResizeEvent* e) {
    FormBase::resizeEvent(e);
    if (!Tree || !SizeGrip) return;
    lblStatus->resize(width() - px(2 * kMargin), lblStatus->height());
    Tree->setGeometry(px(kMargin), px(kTreeTop), width() - px(2 * kMargin), height() - px(kTreeTop + kGripStrip));
    const QSize grip = SizeGrip->sizeHint();
    SizeGrip->setGeometry(width() - grip.width() - 2, height() - grip.height() - 2, grip.width(), grip.height());
}

// ---- the editor's state

void Form9::showEditor() {
    const QString theta = q(editor().network().theta());
    if (txtTheta->text() != theta) txtTheta->setText(theta);
    lblStatus->setText(q(editor().results().status));
}

void Form9::showRefusal(network::Refusal refusal) {
    if (refusal == network::Refusal::Name) lblStatus->setText(network::kNameMessage);
}

void Form9::txtTheta_Change() { editor().setTheta(text(txtTheta)); }

NodeId Form9::selectedNode() const {
    const QModelIndexList selected = Tree->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? network::kRootId : NetworkTableModel::nodeOf(selected.front());
}

// ---- the commands

void Form9::Command1_Click() {
    const NodeId id = editor().add(selectedNode());
    const QModelIndex name = table_->indexOf(id);
    Tree->expand(name.parent());
    Tree->setCurrentIndex(name);
    Tree->scrollTo(name);
    Tree->edit(name);
}

void Form9::Command2_Click() {
    const NodeId id = selectedNode();
    if (id == network::kRootId) return;
    const network::Node& node = editor().network().node(id);
    if (!node.children.empty()) {
        const QString question = "Удалить узел " + q(node.name()) + " и все узлы, которые он питает?";
        if (session().platform().question("ampera", question, {"Да", "Нет"}) != "Да") return;
    }
    editor().remove(id);
}

void Form9::Command3_Click() {
    QGuiApplication::clipboard()->setText(q(network::clipboardText(editor().network(), editor().results())));
}

// The chart of the selected node's device with its parent's; "ТП" has no device.
void Form9::Command6_Click() {
    const NodeId id = selectedNode();
    if (id == network::kRootId) return;
    Form10* chart = session().form<Form10>();
    chart->showChart(model::nodeChart(editor().network(), editor().results(), id, editor().supply()));
    chart->showModeless();
}

void Form9::Tree_SelectionChanged() { Command6->setEnabled(selectedNode() != network::kRootId); }

void Form9::Undo_Shortcut() { editor().undo(); }

void Form9::Redo_Shortcut() { editor().redo(); }

// A checkable entry per column; "Узел" always stays.
void Form9::Tree_HeaderMenu(const QPoint& at) {
    QMenu menu(this);
    for (const network::ColumnInfo& c : network::columns()) {
        if (c.column == Column::Name) continue;
        const int section = static_cast<int>(c.column);
        QAction* entry = menu.addAction(q(c.caption));
        entry->setCheckable(true);
        entry->setChecked(!Tree->isColumnHidden(section));
        connect(entry, &QAction::toggled, this,
                [this, section](bool shown) { Tree->setColumnHidden(section, !shown); });
    }
    menu.exec(Tree->header()->mapToGlobal(at));
}

// The history keys pressed in θк's field go to the window's shortcuts.
bool Form9::eventFilter(QObject* watched, QEvent* e) {
    if (watched != txtTheta) return FormBase::eventFilter(watched, e);  // the title strip's drag handles
    if (e->type() != QEvent::ShortcutOverride) return false;
    const QKeyCombination pressed = static_cast<QKeyEvent*>(e)->keyCombination();
    return std::ranges::any_of(kHistoryKeys, [&](const HistoryKey& k) { return QKeySequence(k.keys)[0] == pressed; });
}

// ---- the frame

void Form9::Picture1_Click(int index) {
    if (index == 0) hide();
    else showMinimized();
}

void Form9::closeEvent(QCloseEvent* e) {
    e->ignore();
    hide();
}

}  // namespace ampera
