#include "ui/settings_access.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <cerrno>
#include <optional>

#include "storage/file_locations.h"
#include "storage/settings_file.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/session.h"

namespace ampera {

namespace {

void report(Session& session, const char* title, const StorageError& e) {
    session.platform().message(q(title), q(storageErrorMessage(e)));
}

}  // namespace

QString GetValueString(Session& session, const QString& section, const QString& key) {
    // A missing or unreadable file, or a path that is not a plain file, is no
    // failure: the read gives empty text and reports nothing.
    const QFileInfo file(session.settingsPath());
    if (!file.exists() || !file.isFile() || !file.isReadable()) return {};
    std::optional<StorageError> error;
    std::string v = getValueString(text(section), text(key), text(session.settingsPath()), &error);
    if (error) {
        report(session, "GetValueString", *error);
        return {};
    }
    return q(v);
}

namespace {

// Every key of section in one replace of the file; the error of a failure.
std::optional<StorageError> store(Session& session, const QString& section,
                                  const QList<QPair<QString, QString>>& keysAndValues) {
    std::optional<StorageError> error;
    StorageError folderError;
    if (!makeFolder(session.locations().settingsFolder, folderError)) return folderError;  // made when first written
    std::vector<SettingEntry> entries;
    for (const auto& [key, value] : keysAndValues) entries.push_back({text(section), text(key), text(value)});
    if (!setValues(text(session.settingsPath()), entries, &error) && !error) error = storageErrorFromErrno(EIO);
    return error;
}

}  // namespace

bool SetValues(Session& session, const QString& section, const QList<QPair<QString, QString>>& keysAndValues) {
    const std::optional<StorageError> error = store(session, section, keysAndValues);
    if (error)
        for (qsizetype k = 0; k < keysAndValues.size(); ++k) report(session, "SetValue", *error);
    return !error;
}

QString GetValueQuietly(Session& session, const QString& section, const QString& key) {
    std::optional<StorageError> error;
    const std::string v = getValueString(text(section), text(key), text(session.settingsPath()), &error);
    return error ? QString() : q(v);
}

void loadSettings(Session& session, const std::vector<Setting>& settings) {
    for (const Setting& s : settings) {
        const QString stored = GetValueString(session, s.section, s.key);
        if (s.list) {
            bool ok = false;
            const int n = stored.trimmed().toInt(&ok);
            s.list->setCurrentIndex((ok && n >= 1 && n <= s.list->count() ? n : s.fallbackItem) - 1);
        } else {
            s.field->setText(stored.isEmpty() ? s.fallback : stored);
        }
    }
}

bool saveSettings(Session& session, const std::vector<Setting>& settings) {
    QList<QPair<QString, QString>> values;
    for (const Setting& s : settings)
        values.append({s.key, s.list ? QString::number(s.list->currentIndex() + 1) : s.field->text()});
    return SetValues(session, settings.front().section, values);
}

}  // namespace ampera
