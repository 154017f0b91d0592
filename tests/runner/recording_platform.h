#pragma once

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include "ui/platform.h"

namespace ampera {

// The platform of the scenario runner: launches, message boxes, questions and
// window moves are recorded instead of done, for the script to check.
// Questions and file dialogs take the answers the script queued; one asked
// with none queued is answered by cancelling and leaves a problem for the
// runner to report as a script error.
class RecordingPlatform : public Platform {
public:
    struct Launch {
        QString verb, target;
    };
    struct Message {
        QString title, text;
    };
    void launch(const QString& verb, const QString& target) override { launches.append({verb, target}); }
    void message(const QString& title, const QString& text) override { messages.append({title, text}); }
    QString question(const QString& title, const QString& text, const QStringList& buttons) override {
        questions.append({title, text});
        const QString cancel = buttons.isEmpty() ? QString() : buttons.back();
        if (answers.isEmpty()) return fail("the question \"" + text + "\" has no answer queued", cancel);
        const QString answer = answers.takeFirst();
        if (!buttons.contains(answer))
            return fail("the question \"" + text + "\" has no button " + answer + " (" + buttons.join(", ") + ")",
                        cancel);
        return answer;
    }
    QString openFileName(QWidget*, const QString& title, const QString&, const QString&) override {
        return fileAnswer(title);
    }
    QString saveFileName(QWidget*, const QString& title, const QString&, const QString&) override {
        return fileAnswer(title);
    }
    // The preview's pages are drawn, as the dialog would draw them, into a PDF that is then thrown away.
    void printPreview(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
        QTemporaryDir dir;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("preview.pdf"));
        paint(printer);
    }
    void startMove(QWidget* window) override { moves.append(window->window()->objectName()); }

    QList<Launch> launches;
    QList<Message> messages;
    QList<Message> questions;
    QList<QString> moves;     // object names of the moved windows
    QStringList answers;      // for the questions, in order
    QStringList fileAnswers;  // for the file dialogs, in order; an empty one cancels
    QString problem;          // a question or dialog the script did not answer

private:
    QString fail(const QString& why, const QString& answer) {
        if (problem.isEmpty()) problem = why;
        return answer;
    }
    QString fileAnswer(const QString& title) {
        if (fileAnswers.isEmpty()) return fail("the file dialog \"" + title + "\" has no answer queued", {});
        return fileAnswers.takeFirst();
    }
};

}  // namespace ampera
