#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "model/calculation.h"

namespace ampera {

// Ties a window's controls to its part of the calculation by their names:
// a user's edit (or the window's own write) of a bound text box, option
// button, check box or list goes into the calculation, and every change of
// the calculation is drawn into the control that shows it. Labels are only
// drawn. A control's change reaction runs after the calculation holds its
// new text, because the binding is connected when the control is made.
class ModelBinding {
public:
    // Edits are written with the window as context, so a retired window writes nothing.
    // drawn, when given, runs after a text of the calculation was drawn into a control.
    ModelBinding(model::Calculation& calculation, model::Part part, QObject* window,
                 std::function<void(QWidget*)> drawn = {});
    ~ModelBinding();
    ModelBinding(const ModelBinding&) = delete;
    ModelBinding& operator=(const ModelBinding&) = delete;

    // Binds a control just made, if its name is a text of the part; the
    // control then shows the calculation's text.
    void bind(QWidget* control);
    // Stops drawing and writing: the window is being torn down.
    void release();

private:
    void draw(QWidget* control, const std::string& text);
    model::Calculation& calculation_;
    QObject* window_;
    std::function<void(QWidget*)> drawn_;
    std::unordered_map<std::string, std::string*> byName_;
    std::unordered_map<const std::string*, QPointer<QWidget>> controls_;
    std::optional<int> observer_;
};

// The part a window shows; none for the windows that hold no calculation.
std::optional<model::Part> partOfWindow(const QString& windowName);

}  // namespace ampera
