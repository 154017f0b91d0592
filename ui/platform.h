#pragma once

#include <QString>

class QWidget;

namespace ampera {

// What the program asks of the desktop: the document launcher, message boxes
// and the start of a window move. The program runs on the real one; the
// scenario runner puts its recording one in its place.
class Platform {
public:
    virtual ~Platform() = default;
    // Opens a file or address with a verb ("open", "Open"); failures are ignored.
    virtual void launch(const QString& verb, const QString& target) = 0;
    // A message box with an OK button.
    virtual void message(const QString& title, const QString& text) = 0;
    // Moves the window with the mouse as if its caption were dragged.
    virtual void startMove(QWidget* window) = 0;
};

class DesktopPlatform : public Platform {
public:
    void launch(const QString& verb, const QString& target) override;
    void message(const QString& title, const QString& text) override;
    void startMove(QWidget* window) override;
};

}  // namespace ampera
