#pragma once

#include <optional>

#include "ui/control_factory.h"
#include "ui/model_binding.h"
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
    // The calculation the session holds, which the windows show.
    model::Calculation& model() const;

protected:
    void controlMade(QWidget* control) override;
    // Called after a text of the calculation was drawn into one of the window's bound controls.
    virtual void controlDrawn(QWidget*) {}

private:
    Session& session_;
    bool retired_ = false;
    std::optional<ModelBinding> binding_;  // none for a window that shows no part of the calculation
};

}  // namespace ampera
