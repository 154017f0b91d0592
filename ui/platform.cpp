#include "ui/platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
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

QString DesktopPlatform::question(const QString& title, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton);
    QList<QAbstractButton*> made;
    for (qsizetype k = 0; k < buttons.size(); ++k) {
        const bool cancels = k == buttons.size() - 1;
        made.append(box.addButton(buttons[k], k == 0    ? QMessageBox::YesRole
                                              : cancels ? QMessageBox::RejectRole
                                                        : QMessageBox::NoRole));
    }
    if (made.isEmpty()) return {};
    box.setDefaultButton(qobject_cast<QPushButton*>(made.front()));
    box.setEscapeButton(made.back());
    box.exec();
    const qsizetype pressed = made.indexOf(box.clickedButton());
    return buttons[pressed < 0 ? buttons.size() - 1 : pressed];
}

QString DesktopPlatform::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString DesktopPlatform::saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                      const QString& filter) {
    QFileDialog dialog(parent, title, QFileInfo(suggested).absolutePath(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QFileInfo(suggested).fileName());
    // A name typed without the filter's suffix gets it before the dialog asks whether a file of that name is
    // to be replaced; of several filters, the one picked gives it.
    static const QRegularExpression suffix(R"(\(\*\.([^ )]+))");
    const auto takeSuffix = [&dialog](const QString& picked) {
        if (const QRegularExpressionMatch m = suffix.match(picked); m.hasMatch())
            dialog.setDefaultSuffix(m.captured(1));
    };
    takeSuffix(filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

void DesktopPlatform::printPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle("Печать листа расчета");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&paint](QPrinter* p) { paint(*p); });
    dialog.exec();
}

void DesktopPlatform::startMove(QWidget* window) {
    if (QWindow* handle = window->window()->windowHandle()) handle->startSystemMove();
}

}  // namespace ampera
