// The calculation sheet: "Лист расчета в PDF…" and "Печать…".
#include <QDateTime>
#include <QFileInfo>

#include "model/sheet_content.h"
#include "storage/platform.h"
#include "ui/calculation_document.h"
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
    in.network = &session().network().network();
    in.results = &session().network().results();
    return model::sheetContent(model(), in);
}

QString Form1::sheetPdfDefaultPath(const QString& calculationFile) const {
    return sheetPdfPath(calculationFile, q(platform::userDocumentsDir()));
}

void Form1::saveSheetPdf(const QString& path, const QString& calculationFile) {
    QString error;
    if (!writeSheetPdf(sheetContent(calculationFile), path, &error)) {
        session().platform().message("Лист расчета", error);
        return;
    }
    session().platform().launch("open", path);
}

void Form1::printSheet(const QString& calculationFile) {
    previewSheet(sheetContent(calculationFile), session().platform(), this);
}

// "Лист расчета в PDF…": the save dialog offers the calculation file's name with ".pdf" in the documents folder.
void Form1::mnuSheetPdf_Click() {
    const QString file = document_->path();
    QString path = session().platform().saveFileName(this, "Лист расчета в PDF", sheetPdfDefaultPath(file),
                                                     "PDF (*.pdf)");
    if (path.isEmpty()) return;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    saveSheetPdf(path, file);
}

void Form1::mnuPrint_Click() { printSheet(document_->path()); }

}  // namespace ampera
