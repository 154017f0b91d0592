#include "ui/platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QWindow>

namespace ampera {

namespace {

// The desktop picks a viewer by the file name, and knows nothing of ".hlp".
// A local document whose name the desktop does not know is opened according
// to its content: it is copied under the matching suffix and that copy opened.
QUrl viewableUrl(const QString& path) {
    QFileInfo info(path);
    QMimeDatabase mimes;
    if (!mimes.mimeTypesForFileName(info.fileName()).isEmpty()) return QUrl::fromLocalFile(path);
    QMimeType byContent = mimes.mimeTypeForFile(info, QMimeDatabase::MatchContent);
    QString suffix = byContent.preferredSuffix();
    if (suffix.isEmpty()) return QUrl::fromLocalFile(path);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    QString copy = QDir(dir).filePath(info.completeBaseName() + "." + suffix);
    QFile::remove(copy);
    if (!QFile::copy(path, copy)) return QUrl::fromLocalFile(path);
    return QUrl::fromLocalFile(copy);
}

}  // namespace

void DesktopPlatform::launch(const QString& /*verb*/, const QString& target) {
    QUrl url;
    if (target.contains(':') && !QFileInfo::exists(target) && !target.startsWith('/'))
        url = QUrl(target);  // mailto:, http:, https:
    else if (QFileInfo(target).isFile())
        url = viewableUrl(target);
    else
        return;  // a missing file goes unreported
    QDesktopServices::openUrl(url);
}

void DesktopPlatform::message(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

void DesktopPlatform::startMove(QWidget* window) {
    if (QWindow* handle = window->window()->windowHandle()) handle->startSystemMove();
}

void RecordingPlatform::startMove(QWidget* window) { moves.append(window->window()->objectName()); }

}  // namespace ampera
