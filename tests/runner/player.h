#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "tests/runner/recording_platform.h"
#include "tests/runner/script.h"

class QWidget;

namespace ampera {
class Session;
class FormBase;
}  // namespace ampera

namespace runner {

// Plays a scenario against the program's real windows.
class Player {
public:
    Player(QString scriptName, QString programDirectory);
    ~Player();
    // 0: every expectation held; 1: an expectation failed; 2: the script is wrong.
    int play(const std::vector<Command>& commands);

private:
    struct Stop {
        int code;
    };
    [[noreturn]] void scriptError(const Command& c, const QString& message);
    [[noreturn]] void failed(const Command& c, const QString& expected, const QString& got);

    void run(const Command& c);
    bool runFileCheck(const Command& c);  // checks allowed after the end
    void runAction(const Command& c);
    void runWindowCheck(const Command& c);
    // The commands on the network's table (table_commands.cpp); false for any other command.
    bool runTableCommand(const Command& c);

    ampera::FormBase* window(const Command& c, const QString& name);
    QWidget* control(const Command& c);
    void settle();

    QString scriptName_;
    QString dir_;
    ampera::RecordingPlatform platform_;
    std::unique_ptr<ampera::Session> session_;
    bool started_ = false;
    int launchesChecked_ = 0, messagesChecked_ = 0, questionsChecked_ = 0, movesChecked_ = 0;
};

}  // namespace runner
