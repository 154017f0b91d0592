#include "network/network_import.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>

#include "core/number_text.h"
#include "network/network_export.h"
#include "storage/csv_text.h"

namespace ampera::network {

namespace {

// What a column of the file is.
struct FileColumn {
    enum class Kind { Input, Level, Parent, Ignored } kind = Kind::Ignored;
    Column column = Column::Name;
};

// The spellings a Windows-1251 file holds for the characters it lacks.
std::string canonicalCaption(std::string caption) {
    static const std::pair<std::string_view, std::string_view> kSpellings[] = {
        {"мм2", "мм²"}, {"Rсум", "RΣ"}, {"Xсум", "XΣ"}};
    for (const auto& [from, to] : kSpellings)
        if (const std::size_t at = caption.find(from); at != std::string::npos) caption.replace(at, from.size(), to);
    return caption;
}

std::string quoted(const std::string& text) { return "«" + text + "»"; }

// A row of the file taken as a node.
struct FileNode {
    int line = 0;
    NodeInputs inputs{};
    std::string parent;  // by name; empty: "ТП"
    int level = 1;
};

class Reader {
public:
    explicit Reader(std::vector<ImportProblem>& problems) : problems_(problems) {}

    void problem(int line, std::string text) { problems_.push_back({line, std::move(text)}); }

    // The header: every caption known, "Узел" present, none twice.
    bool header(const csv::CsvRow& row) {
        std::unordered_map<std::string, int> seen;
        const std::size_t before = problems_.size();
        bool hasName = false;
        for (const std::string& raw : row.cells) {
            const std::string caption = canonicalCaption(raw);
            FileColumn column;
            if (caption == kLevelCaption) column.kind = FileColumn::Kind::Level, hasLevel_ = true;
            else if (caption == kParentCaption) column.kind = FileColumn::Kind::Parent, hasParent_ = true;
            else if (const std::optional<Column> c = columnByCaption(caption)) {
                if (isInput(*c)) column = {FileColumn::Kind::Input, *c};
                hasName = hasName || *c == Column::Name;
            } else {
                problem(row.line, "неизвестный столбец " + quoted(raw));
            }
            if (++seen[caption] == 2) problem(row.line, "столбец " + quoted(raw) + " повторяется");
            columns_.push_back(column);
        }
        if (!hasName) problem(row.line, std::string("нет столбца ") + quoted(columnInfo(Column::Name).caption));
        return problems_.size() == before;
    }

    // A row: its cells as a node's inputs; none for the root's own row and for a row of the wrong length.
    std::optional<FileNode> node(const csv::CsvRow& row) {
        if (row.cells.size() != columns_.size()) {
            problem(row.line,
                    "ячеек " + std::to_string(row.cells.size()) + ", а в заголовке " + std::to_string(columns_.size()));
            return std::nullopt;
        }
        FileNode node{.line = row.line, .inputs = startInputs({}), .parent = {}, .level = 1};
        std::string level;
        for (std::size_t k = 0; k < columns_.size(); ++k) {
            const FileColumn& c = columns_[k];
            if (c.kind == FileColumn::Kind::Input) node.inputs[inputIndex(c.column)] = row.cells[k];
            else if (c.kind == FileColumn::Kind::Level) level = row.cells[k];
            else if (c.kind == FileColumn::Kind::Parent) node.parent = row.cells[k];
        }
        const std::string& name = node.inputs[inputIndex(Column::Name)];
        if (name == kRootName) return std::nullopt;
        if (isBlankText(name)) problem(row.line, "пустое имя узла");
        if (node.parent == kRootName) node.parent.clear();
        if (hasLevel_ && !hasParent_) node.level = readLevel(row.line, level);
        fillCable(row.line, node.inputs);
        return node;
    }

    bool byParent() const { return hasParent_; }

private:
    int readLevel(int line, const std::string& text) {
        int level = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), level);
        if (ec != std::errc() || end != text.data() + text.size() || level < 1) {
            problem(line, "уровень " + quoted(text) + " не целое число от 1");
            return 1;
        }
        return level;
    }

    // A catalogue cable brings its per-metre values and S, whatever the file says.
    void fillCable(int line, NodeInputs& inputs) {
        const std::string& item = inputs[inputIndex(Column::Cable)];
        if (item == kCableByData || item == kCableNone) return;
        const std::optional<CatalogueCable> cable = catalogueCable(item);
        if (!cable) return problem(line, "нет такого кабеля в каталоге: " + quoted(item));
        inputs[inputIndex(Column::R1)] = cable->r1;
        inputs[inputIndex(Column::X1)] = cable->x1;
        inputs[inputIndex(Column::R0)] = cable->r0;
        inputs[inputIndex(Column::X0)] = cable->x0;
        inputs[inputIndex(Column::S)] = cable->s;
    }

    std::vector<ImportProblem>& problems_;
    std::vector<FileColumn> columns_;
    bool hasLevel_ = false, hasParent_ = false;
};

// The parents by level: each row's parent is the nearest row above it one level up.
void parentsByLevel(std::vector<FileNode>& nodes, Reader& reader) {
    std::vector<const std::string*> path;  // the names of the last row at each level from 1
    for (FileNode& node : nodes) {
        if (static_cast<std::size_t>(node.level) > path.size() + 1) {
            reader.problem(node.line, "уровень " + std::to_string(node.level) + " глубже строки выше больше чем на 1");
            continue;
        }
        path.resize(static_cast<std::size_t>(node.level - 1));
        node.parent = path.empty() ? std::string() : *path.back();
        path.push_back(&node.inputs[inputIndex(Column::Name)]);
    }
}

// The network from the rows, parents first; a parent that is missing or a
// cycle is a problem of the rows it leaves out.
Network build(std::vector<FileNode>& nodes, Reader& reader, const std::string& theta) {
    std::unordered_map<std::string_view, std::size_t> byName;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const std::string& name = nodes[k].inputs[inputIndex(Column::Name)];
        const auto [it, added] = byName.emplace(name, k);
        if (!added && !isBlankText(name))
            reader.problem(nodes[k].line,
                           "имя " + quoted(name) + " уже есть в строке " + std::to_string(nodes[it->second].line));
    }
    std::unordered_map<std::string_view, std::vector<std::size_t>> children;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const std::string& parent = nodes[k].parent;
        if (!parent.empty() && !byName.contains(parent))
            reader.problem(nodes[k].line, "нет узла " + quoted(parent) + ", от которого он питается");
        children[parent].push_back(k);
    }
    Network network;
    network.setTheta(theta);
    std::vector<bool> placed(nodes.size(), false);
    std::vector<std::pair<std::string_view, NodeId>> stack = {{std::string_view(), kRootId}};
    while (!stack.empty()) {
        const auto [name, id] = stack.back();
        stack.pop_back();
        const auto it = children.find(name);
        if (it == children.end()) continue;
        for (const std::size_t k : it->second) {
            if (placed[k]) continue;
            placed[k] = true;
            const std::size_t row = network.node(id).children.size();
            const NodeId child = network.addNode(id, row, nodes[k].inputs);
            stack.emplace_back(nodes[k].inputs[inputIndex(Column::Name)], child);
        }
    }
    // A row left out feeds from a missing node (told already) or lies on or under a cycle.
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        if (placed[k]) continue;
        std::size_t at = k, steps = 0;
        for (auto up = byName.find(nodes[at].parent); up != byName.end() && steps <= nodes.size(); ++steps)
            at = up->second, up = byName.find(nodes[at].parent);
        if (steps > nodes.size())
            reader.problem(nodes[k].line,
                           "узел " + quoted(nodes[k].inputs[inputIndex(Column::Name)]) + " питается по кругу");
    }
    return network;
}

}  // namespace

NetworkImport importNetworkCsv(std::string_view bytes, const std::string& theta) {
    NetworkImport out;
    const csv::CsvRead read = csv::parseCsv(bytes);
    out.cp1251 = read.cp1251;
    Reader reader(out.problems);
    if (read.openQuoteLine) reader.problem(read.openQuoteLine, "кавычка не закрыта");
    if (read.rows.empty()) {
        reader.problem(1, "нет строки заголовка");
    } else if (reader.header(read.rows.front())) {
        std::vector<FileNode> nodes;
        for (std::size_t k = 1; k < read.rows.size(); ++k)
            if (std::optional<FileNode> node = reader.node(read.rows[k])) nodes.push_back(std::move(*node));
        if (!reader.byParent()) parentsByLevel(nodes, reader);
        Network network = build(nodes, reader, theta);
        if (out.problems.empty()) out.network = std::move(network);
    }
    std::ranges::stable_sort(out.problems, {}, &ImportProblem::line);
    return out;
}

std::string importProblemsText(const std::vector<ImportProblem>& problems) {
    std::string text;
    for (std::size_t k = 0; k < problems.size() && k < kMaxImportProblems; ++k) {
        if (k > 0) text += '\n';
        text += "строка " + std::to_string(problems[k].line) + ": " + problems[k].text;
    }
    if (problems.size() > kMaxImportProblems) text += "\nвсего ошибок: " + std::to_string(problems.size());
    return text;
}

}  // namespace ampera::network
