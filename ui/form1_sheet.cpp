// The calculation sheet: "Лист расчета в PDF…" and "Печать…".
#include <QDateTime>
#include <QFileInfo>

#include "model/sheet_content.h"
#include "storage/file_locations.h"
#include "ui/form1.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/session.h"
#include "ui/sheet_output.h"

namespace ampera {

model::SheetContent Form1::sheetContent(const QString& calculationFile) {
    model::SheetInput in;
    in.fileName = text(QFileInfo(calculationFile).fileName());
    in.printed = text(QDateTime::currentDateTime().toString("dd.MM.yyyy HH:mm"));
    in.points = model::sheetPoints(model());
    return model::sheetContent(model(), in);
}

QString Form1::sheetPdfDefaultPath(const QString& calculationFile) const {
    return sheetPdfPath(calculationFile, q(userDocumentsDir()));
}

void Form1::saveSheetPdf(const QString& path, const QString& calculationFile) {
    QString error;
    if (!writeSheetPdf(sheetContent(calculationFile), path, &error)) {
        session().platform().message("Лист расчета", error);
        return;
    }
    session().platform().launch("open", path);
}

void Form1::printSheet(const QString& calculationFile) { previewSheet(sheetContent(calculationFile), this); }

}  // namespace ampera
