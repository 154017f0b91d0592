#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QPrinter;
class QWidget;

namespace ampera {

// What the program asks of the desktop: the document launcher, message and
// question boxes, file dialogs and the start of a window move. The program runs on the real one; the
// scenario runner puts its recording one in its place.
class Platform {
public:
    virtual ~Platform() = default;
    // Opens a file or address with a verb ("open", "Open"); failures are ignored.
    virtual void launch(const QString& verb, const QString& target) = 0;
    // A message box with an OK button.
    virtual void message(const QString& title, const QString& text) = 0;
    // A question box with the buttons given, the last of them the one that
    // cancels; the text of the button pressed (the last one's when the box is
    // closed otherwise).
    virtual QString question(const QString& title, const QString& text, const QStringList& buttons) = 0;
    // The dialog that picks a file to open, starting in folder and showing the
    // files of filter ("Расчет ampera (*.ampera)"); the file's path, or empty
    // when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    // The dialog that names a file to save, starting with the path suggested;
    // the path, or empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;
    // The print preview of a document on printer, whose pages paint draws,
    // from which the user prints.
    virtual void printPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
    // Moves the window with the mouse as if its caption were dragged.
    virtual void startMove(QWidget* window) = 0;
};

class DesktopPlatform : public Platform {
public:
    void launch(const QString& verb, const QString& target) override;
    void message(const QString& title, const QString& text) override;
    QString question(const QString& title, const QString& text, const QStringList& buttons) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
    void printPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    void startMove(QWidget* window) override;
};

}  // namespace ampera
