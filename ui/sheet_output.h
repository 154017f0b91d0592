#pragma once

#include <QByteArray>
#include <QString>

#include "model/sheet_content.h"

class QWidget;

namespace ampera {

class Platform;

// The sheet as the bytes of a PDF file: A4, DejaVu Sans embedded.
QByteArray sheetPdf(const model::SheetContent& content);

// Writes the sheet as a PDF to path: the whole file is made in memory, then
// written beside the target and renamed over it. On a failure *error names
// the file and the reason, and no file is left behind.
bool writeSheetPdf(const model::SheetContent& content, const QString& path, QString* error);

// The name the save dialog offers: the calculation file's name with ".pdf"
// in place of its suffix, or "ampera.pdf" without a file, in folder.
QString sheetPdfPath(const QString& calculationFile, const QString& folder);

// The print preview of the sheet on the default printer, through the platform, from which the user prints.
void previewSheet(const model::SheetContent& content, Platform& platform, QWidget* parent);

}  // namespace ampera
