#pragma once

#include <QMap>
#include <QPointer>
#include <QString>
#include <functional>

#include "model/calculation.h"
#include "network/editor.h"
#include "storage/file_locations.h"
#include "ui/form_base.h"
#include "ui/qt_text.h"

namespace ampera {

class Platform;
class Form1;

// One run of the program: the platform, where its files live and the
// single-instance windows. A secondary window is created when it is first
// shown or touched (created and loaded hidden), and lives until it discards
// itself, reset discards it, or the program ends.
class Session {
public:
    Session(Platform& platform, FileLocations locations);
    // A copy whose files all lie in programDirectory.
    Session(Platform& platform, const QString& programDirectory);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform() const { return platform_; }
    // Where ampera.ini, ampera.txt and ampera.hlp live, decided once at start.
    const FileLocations& locations() const { return locations_; }
    QString settingsPath() const { return q(locations_.settings); }
    QString reportPath() const { return q(locations_.report); }
    QString helpPath() const { return q(locations_.help); }

    // The calculation the windows show and edit.
    model::Calculation& model() { return model_; }
    // The network of boards and feeders, fed from the main window's fields.
    network::Editor& network() { return network_; }

    // Creates, loads and shows the main window; a calculation file given is opened in it.
    void start(const QString& calculationFile = {});
    Form1* main() const;
    // The path of the calculation's file; empty for a calculation without one.
    QString calculationFile() const;
    // Brings the main window to the front, if the program has not ended.
    void showMain();

    // The window of class F, created and loaded hidden if it does not exist.
    template <class F>
    F* form() {
        QPointer<FormBase>& slot = forms_[F::kName];
        if (!slot) {
            auto* f = new F(*this);
            slot = f;
            f->Form_Load();
        }
        return static_cast<F*>(slot.data());
    }
    template <class F>
    F* existing() const {
        return static_cast<F*>(existing(F::kName));
    }
    FormBase* existing(const QString& name) const;

    // Hides the window and destroys it; its next use starts from its design
    // state, and so does the part of the calculation it shows.
    void discard(const QString& name);
    template <class F>
    void discard() {
        discard(F::kName);
    }

    // Ends the program at once: every window closes without asking.
    void end();
    bool ended() const { return ended_; }
    std::function<void()> onEnded;

private:
    Platform& platform_;
    FileLocations locations_;
    model::Calculation model_;  // outlives the windows, which observe it
    network::Editor network_;   // likewise
    QMap<QString, QPointer<FormBase>> forms_;
    bool ended_ = false;
};

}  // namespace ampera
