#include "ui/settings_access.h"

#include <QFileInfo>
#include <optional>

#include "storage/file_locations.h"
#include "storage/settings_file.h"
#include "ui/platform.h"
#include "ui/session.h"

namespace ampera {

namespace {

void report(Session& session, const char* title, const StorageError& e) {
    session.platform().message(QString::fromLatin1(title), QString::fromStdString(storageErrorMessage(e)));
}

}  // namespace

QString GetValueString(Session& session, const QString& section, const QString& key) {
    // A missing or unreadable file, or a path that is not a plain file, is no
    // failure: the read gives empty text and reports nothing.
    const QFileInfo file(session.settingsPath());
    if (!file.exists() || !file.isFile() || !file.isReadable()) return {};
    std::optional<StorageError> error;
    std::string v = getValueString(section.toStdString(), key.toStdString(), session.settingsPath().toStdString(),
                                   &error);
    if (error) {
        report(session, "GetValueString", *error);
        return {};
    }
    return QString::fromStdString(v);
}

bool SetValue(Session& session, const QString& section, const QString& key, const QString& value) {
    return SetValues(session, section, {{key, value}});
}

bool SetValues(Session& session, const QString& section, const QList<QPair<QString, QString>>& keysAndValues) {
    std::optional<StorageError> error;
    StorageError folderError;
    if (!makeFolder(session.locations().settingsFolder, folderError)) error = folderError;  // made when first written
    std::vector<SettingEntry> entries;
    for (const auto& [key, value] : keysAndValues)
        entries.push_back({section.toStdString(), key.toStdString(), value.toStdString()});
    const bool ok = !error && setValues(session.settingsPath().toStdString(), entries, &error);
    if (error)
        for (qsizetype k = 0; k < keysAndValues.size(); ++k) report(session, "SetValue", *error);
    return ok && !error;
}

}  // namespace ampera
