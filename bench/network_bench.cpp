// The network's speed and size: for random networks of 100 to 100 000 nodes
// and a single path 10 000 nodes deep, the time to compute every node from
// the nodes' inputs as read, from a cell's edit to the network window's table
// painted anew (offscreen), to open and to save the
// file, and the memory per node; then, for the network on paper and in
// spreadsheets, the calculation sheet of 1 000 nodes written as a PDF, and
// the XLSX and CSV of 10 000 nodes written and that CSV imported:
//   network random nodes=10000 compute_ms=3.1 edit_ms=2.4 open_ms=120 save_ms=80 bytes_per_node=900
//   sheet nodes=1000 pdf_ms=900 pages=60
//   spreadsheets nodes=10000 xlsx_ms=700 csv_ms=150 import_ms=200
// Run by hand: build/ampera-network-bench
#include <malloc.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/calculation.h"
#include "model/calculation_file.h"
#include "model/calculation_steps.h"
#include "model/sheet_content.h"
#include "network/editor.h"
#include "network/network_export.h"
#include "network/network_file.h"
#include "network/network_import.h"
#include "network/table_cells.h"
#include "storage/file_save.h"
#include "ui/network_cell_delegate.h"
#include "ui/network_table_model.h"
#include "ui/sheet_output.h"

using namespace ampera;
using namespace ampera::network;

namespace {

constexpr int kRuns = 7;
constexpr int kTableWidth = 940, kTableHeight = 370;  // the network window's table as it opens, px

// The median time of a few runs, ms.
double medianMs(const std::function<void()>& run) {
    std::vector<double> times;
    for (int k = 0; k < kRuns; ++k) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::ranges::sort(times);
    return times[times.size() / 2];
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

// A node as a designer fills it: a catalogue cable or none, a length, contacts and a device.
NodeInputs feeder(std::mt19937& rng, std::size_t number) {
    const std::vector<std::string>& cables = listItems(Column::Cable);
    NodeInputs in = startInputs("Узел " + std::to_string(number));
    const auto set = [&in](Column c, std::string text) { in[inputIndex(c)] = std::move(text); };
    const std::string cable = cables[rng() % (cables.size() - 1)];  // every item but "нет"
    set(Column::Cable, cable);
    if (const auto row = catalogueCable(cable)) {
        set(Column::R1, row->r1), set(Column::X1, row->x1), set(Column::R0, row->r0), set(Column::X0, row->x0);
        set(Column::S, row->s);
    }
    set(Column::Length, std::to_string(5 + rng() % 200) + "," + std::to_string(rng() % 10));
    set(Column::Rk, "0,1"), set(Column::Xk, "0,05");
    const std::size_t device = 1 + rng() % 5;
    set(Column::Device, listItems(Column::Device)[device]);
    set(Column::In, std::to_string(16 + rng() % 240));
    if (device == static_cast<std::size_t>(ProtectiveDevice::BreakerInstantaneous)) set(Column::Iset, "630");
    set(Column::Icu, "25");
    return in;
}

Network randomNetwork(std::size_t nodes, bool path) {
    std::mt19937 rng(static_cast<unsigned>(nodes));
    Network net;
    std::vector<NodeId> ids = {kRootId};
    for (std::size_t k = 1; k < nodes; ++k) {
        const NodeId parent = path ? ids.back() : ids[rng() % ids.size()];
        ids.push_back(net.addNode(parent, SIZE_MAX, feeder(rng, k)));
    }
    return net;
}

void fillCalculation(model::Calculation& calculation) {
    calculation.main.st = "1000", calculation.main.u = "10", calculation.main.uf = "400";
    calculation.main.pk = "12,2", calculation.main.uk = "5,5", calculation.main.i = "0";
    calculation.main.r0y = "0", calculation.main.x0y = "0";
}

void measure(std::size_t nodes, bool path) {
    model::Calculation calculation;
    fillCalculation(calculation);
    const FaultTexts supply = model::faultTexts(calculation.main);

    const std::size_t heapBefore = heapInUse();
    auto editor = std::make_unique<Editor>();
    editor->setSupply(supply);
    editor->replace(randomNetwork(nodes, path));
    const double bytesPerNode = static_cast<double>(heapInUse() - heapBefore) / static_cast<double>(nodes);
    if (!editor->results().status.empty()) {
        std::fprintf(stderr, "the supply fails: %s\n", editor->results().status.c_str());
        std::exit(1);
    }

    Results results = editor->results();
    const double compute = medianMs([&] { computePoints(editor->network(), supply, results); });

    // An edit deep in the network, until the network window's table has painted its rows anew.
    const std::vector<NodeId> order = editor->network().displayOrder();
    const NodeId edited = order[order.size() / 2];
    NetworkTableModel model(*editor);
    QTreeView view;
    view.setModel(&model);
    view.setItemDelegate(new NetworkCellDelegate(&view));
    view.resize(kTableWidth, kTableHeight);
    view.expandAll();
    view.show();
    QCoreApplication::processEvents();
    int length = 10;
    const double edit = medianMs([&] {
        editor->setCell(edited, Column::Length, std::to_string(++length));
        view.viewport()->repaint();
    });

    const std::vector<model::Part> parts = {model::Part::Main, model::Part::Summary};
    std::string bytes;
    const double save = medianMs([&] { bytes = model::calculationFileText(calculation, parts, &editor->network()); });
    // A file over the limit is refused by the program; the text is still read here, to time it.
    const bool overLimit = bytes.size() > model::kMaxFileBytes;
    if (overLimit)
        std::fprintf(stderr, "nodes=%zu: the file takes %.1f MiB, over the %zu MiB a calculation file holds\n", nodes,
                     static_cast<double>(bytes.size()) / (1 << 20), model::kMaxFileBytes >> 20);
    const double open = medianMs([&] {
        std::optional<Network> read;
        if (overLimit) {
            network::NetworkRead entry = network::readNetwork(nlohmann::json::parse(bytes).at("Network"));
            if (entry.ok) read = std::move(entry.network);
        } else {
            model::FileRead file = model::parseCalculationFile(bytes);
            read = std::move(file.texts.network);
        }
        if (!read) std::abort();
        Editor opened;
        opened.setSupply(supply);
        opened.replace(std::move(*read));
    });
    std::printf("network %s nodes=%zu compute_ms=%.1f edit_ms=%.1f open_ms=%.0f save_ms=%.0f bytes_per_node=%.0f\n",
                path ? "path" : "random", nodes, compute, edit, open, save, bytesPerNode);
    std::fflush(stdout);
}

// The sheet of a network as a PDF in memory, and the spreadsheets written to files and the CSV read back.
void measurePaperAndSpreadsheets(std::size_t sheetNodes, std::size_t bookNodes) {
    model::Calculation calculation;
    fillCalculation(calculation);
    const auto editorOf = [&](std::size_t nodes) {
        auto editor = std::make_unique<Editor>();
        editor->setSupply(model::faultTexts(calculation.main));
        editor->replace(randomNetwork(nodes, false));
        return editor;
    };
    const auto small = editorOf(sheetNodes);
    int pages = 0;
    const double pdf = medianMs([&] {
        const model::SheetContent content = model::sheetContent(
            calculation, {.network = &small->network(), .results = &small->results()});
        pages = static_cast<int>(sheetPdf(content).count("/Type /Page\n"));
    });
    std::printf("sheet nodes=%zu pdf_ms=%.0f pages=%d\n", sheetNodes, pdf, pages);

    const auto big = editorOf(bookNodes);
    QTemporaryDir folder;
    StorageError error;
    const double xlsx = medianMs([&] {
        const std::string path = folder.filePath("сеть.xlsx").toStdString();
        if (!files::saveWorkbook(path, networkWorkbook(big->network(), big->results()), error)) std::abort();
    });
    std::string csv;
    const double csvMs = medianMs([&] {
        csv = networkCsv(big->network(), big->results());
        if (!files::saveWhole(folder.filePath("сеть.csv").toStdString(), csv, error)) std::abort();
    });
    const double import = medianMs([&] {
        if (!importNetworkCsv(csv, kStartTheta).network) std::abort();
    });
    std::printf("spreadsheets nodes=%zu xlsx_ms=%.0f csv_ms=%.0f import_ms=%.0f\n", bookNodes, xlsx, csvMs, import);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const std::size_t nodes : {100, 1000, 10000, 100000}) measure(nodes, false);
    measure(10000, true);
    measurePaperAndSpreadsheets(1000, 10000);
}
