#include "ui/platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include "storage/help_copy.h"
#include "ui/qt_text.h"

namespace ampera {

void DesktopPlatform::launch(const QString& /*verb*/, const QString& target) {
    QUrl url;
    if (target.contains(':') && !QFileInfo::exists(target) && !target.startsWith('/')) {
        url = QUrl(target);  // mailto:, http:, https:
    } else if (!QFileInfo(target).isFile()) {
        return;  // a missing file goes unreported
    } else if (target.endsWith(".hlp", Qt::CaseInsensitive)) {
        // A ".hlp" name means a Windows help file to the desktop, which no
        // viewer here opens: the help (HTML) is opened through its HTML copy.
        std::string copy;
        StorageError error;
        if (!writeHelpCopy(text(target), copy, error)) {
            const QString where = copy.empty() ? QString() : " в файл " + QDir::toNativeSeparators(q(copy));
            message("Помощь", "Не удалось записать копию справки" + where + "\n" + q(storageErrorMessage(error)));
            return;
        }
        url = QUrl::fromLocalFile(q(copy));
    } else {
        url = QUrl::fromLocalFile(target);
    }
    QDesktopServices::openUrl(url);
}

void DesktopPlatform::message(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

void DesktopPlatform::startMove(QWidget* window) {
    if (QWindow* handle = window->window()->windowHandle()) handle->startSystemMove();
}

}  // namespace ampera
