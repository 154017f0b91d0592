#include "ui/sheet_output.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <cerrno>

#include "storage/file_save.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/sheet_painter.h"

namespace ampera {

namespace {

constexpr int kPdfResolution = 600;  // device units per inch; the PDF itself is vector

}  // namespace

QByteArray sheetPdf(const model::SheetContent& content) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(sheetPageLayout());
        writer.setResolution(kPdfResolution);
        writer.setTitle(q(content.title));
        writer.setCreator(q(content.program));
        if (paintSheet(writer, content) == 0) return {};
    }
    return bytes;
}

bool writeSheetPdf(const model::SheetContent& content, const QString& path, QString* error) {
    const QByteArray bytes = sheetPdf(content);
    StorageError failure;
    if (bytes.isEmpty()) failure = storageErrorFromErrno(EIO);
    else if (files::saveWhole(text(path), std::string_view(bytes.constData(), std::size_t(bytes.size())), failure))
        return true;
    if (error)
        *error = "Не удалось записать лист расчета в файл " + QDir::toNativeSeparators(path) + ": " +
                 q(failure.description);
    return false;
}

QString sheetPdfPath(const QString& calculationFile, const QString& folder) {
    const QString base = QFileInfo(calculationFile).completeBaseName();
    return QDir(folder).filePath(base.isEmpty() ? QStringLiteral("ampera.pdf") : base + ".pdf");
}

void previewSheet(const model::SheetContent& content, Platform& platform, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPageLayout());
    printer.setDocName(q(content.title));
    platform.printPreview(parent, printer, [&content](QPrinter& p) { paintSheet(p, content); });
}

}  // namespace ampera
