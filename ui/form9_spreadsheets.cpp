// The network window's spreadsheet files: "экспорт…" into a workbook or a
// CSV file and "импорт…" from a CSV file.
#include <QDir>
#include <QFileInfo>

#include "network/spreadsheet_files.h"
#include "storage/platform.h"
#include "ui/form9_network.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

const char* const kExportTitle = "Экспорт сети";
const char* const kImportTitle = "Импорт сети";
const char* const kWorkbookFilter = "Книга Excel (*.xlsx)";
const char* const kCsvFilter = "CSV, разделитель точка с запятой (*.csv)";

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

// The name the save dialog offers: the calculation file's base name and
// "-сеть", or "сеть" without a file, as a workbook in the documents folder.
QString exportSuggestion(const QString& calculationFile) {
    const QString base = calculationFile.isEmpty() ? QString("сеть")
                                                   : QFileInfo(calculationFile).completeBaseName() + "-сеть";
    return QDir(q(platform::userDocumentsDir())).filePath(base + ".xlsx");
}

}  // namespace

void Form9::Command4_Click() { exportNetwork(); }

void Form9::Command5_Click() { importNetwork(); }

void Form9::exportNetwork() {
    Platform& platform = session().platform();
    const QString chosen = platform.saveFileName(this, kExportTitle, exportSuggestion(session().calculationFile()),
                                                 QString(kWorkbookFilter) + ";;" + kCsvFilter);
    if (chosen.isEmpty()) return;
    const network::ExportTarget target = network::exportTarget(text(chosen));
    StorageError error;
    if (!network::exportNetwork(target, editor().network(), editor().results(), error)) {
        platform.message(kExportTitle,
                         "Не удалось записать файл " + shownPath(q(target.path)) + ": " + q(error.description));
        return;
    }
    lblStatus->setText("Сохранено: " + QFileInfo(q(target.path)).fileName());
}

void Form9::importNetwork() {
    Platform& platform = session().platform();
    const QString path = platform.openFileName(this, kImportTitle, q(platform::userDocumentsDir()), kCsvFilter);
    if (path.isEmpty()) return;
    const QString name = QFileInfo(path).fileName();
    network::ImportFile file = network::importNetworkFile(text(path), editor().network().theta());
    switch (file.status) {
    case network::ImportFileStatus::TooLarge:
        platform.message(kImportTitle, "Файл " + shownPath(path) + " слишком велик: импорт читает файлы до 16 МиБ.");
        return;
    case network::ImportFileStatus::Unreadable:
        platform.message(kImportTitle,
                         "Не удалось прочитать файл " + shownPath(path) + ": " + q(file.error.description));
        return;
    case network::ImportFileStatus::Read: break;
    }
    network::NetworkImport& read = file.import;
    if (!read.network) {
        platform.message(kImportTitle,
                         "Файл " + name + " не прочитан:\n" + q(network::importProblemsText(read.problems)));
        return;
    }
    if (platform.question(kImportTitle, "Заменить сеть данными из " + name + "?", {"Да", "Нет"}) != "Да") return;
    const std::size_t nodes = read.network->size() - 1;
    editor().replaceAll(std::move(*read.network));
    lblStatus->setText(read.cp1251 ? QString("Файл прочитан в кодировке Windows-1251")
                                   : "Импортировано узлов: " + QString::number(nodes));
}

}  // namespace ampera
