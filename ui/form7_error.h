#pragma once

#include <QString>

#include "core/check_inputs.h"
#include "ui/form_base.h"

namespace ampera {

inline const QString kDecimalCommaMessage = QString::fromUtf8(kConversionMessage);

// The error dialog: a single modeless window; "OK" only hides it, so the
// next failure shows the same window again.
class Form7 : public FormBase {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form7";
    explicit Form7(Session& session);
    void Command1_Click();

    QLabel* Label2 = nullptr;  // title "Ошибка"
    QLabel* Label1 = nullptr;  // message
    QPushButton* Command1 = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;  // as "OK"
};

// Shows the error dialog with a message.
void showErrorDialog(Session& session, const QString& message);

}  // namespace ampera
