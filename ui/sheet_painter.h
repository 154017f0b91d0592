#pragma once

#include <QPageLayout>

#include "model/sheet_content.h"

class QPagedPaintDevice;

namespace ampera {

// The sheet's page: A4 portrait, margins 20 mm left and 10 mm elsewhere.
QPageLayout sheetPageLayout();

// The sheet's font family, DejaVu Sans, loaded from its files when the
// system does not offer it, so that the PDF embeds it.
QString sheetFontFamily();

// Draws the sheet on a paged device (a QPdfWriter, a QPrinter) within its
// page's paint rectangle, from its first page on; the device must not be
// painted on yet. Tables never split a row across pages and repeat their
// header on a page they continue on; every page has the footer. A landscape
// section has landscape pages of its own, with the same margins; a device
// that cannot turn a page (a print preview) gets them turned and scaled onto
// its page. The device is left in the orientation it was given. Returns the
// number of pages, 0 when the device cannot be painted on.
int paintSheet(QPagedPaintDevice& device, const model::SheetContent& content);

}  // namespace ampera
