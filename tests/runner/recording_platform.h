#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include "ui/platform.h"

namespace ampera {

// The platform of the scenario runner: launches, message boxes and window
// moves are recorded instead of done, for the script to check.
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
    void startMove(QWidget* window) override { moves.append(window->window()->objectName()); }

    QList<Launch> launches;
    QList<Message> messages;
    QList<QString> moves;  // object names of the moved windows
};

}  // namespace ampera
