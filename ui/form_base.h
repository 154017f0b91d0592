#pragma once

#include "ui/control_factory.h"
#include "ui/twips.h"
#include "ui/window_frame.h"

namespace ampera {

class Session;

// A window of the program: the shared frame, the controls it makes and its
// place in the session.
class FormBase : public WindowFrame, public ControlFactory {
    Q_OBJECT
public:
    FormBase(Session& session, const QString& name, const QString& caption, int widthTwips, int heightTwips);
    ~FormBase() override;

    // Cuts every handler off the window: from here on no signal of the window
    // or of its controls reaches it. The session calls it before it discards
    // the window, so nothing runs on a window whose destruction has begun.
    void retire();

    // Called once, right after construction, by the session.
    virtual void Form_Load() {}

    Session& session() const { return session_; }

private:
    Session& session_;
    bool retired_ = false;
};

}  // namespace ampera
