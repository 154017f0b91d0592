#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <vector>

class QComboBox;
class QLineEdit;

namespace ampera {

class Session;

// The settings file ampera.ini where the session keeps it (beside the
// program, or in the user's configuration folder, made when first written).
// A failure is shown in a message box titled "GetValueString" or "SetValue"
// with the text "Ошибка: <N> - description"; a read then gives empty text. A
// read of a missing or unreadable file, or of a path that is not a plain file,
// gives empty text and shows nothing.
QString GetValueString(Session& session, const QString& section, const QString& key);
// A window's save: every key of section in one replace of the file, all or
// none; a failure shows one "SetValue" box for each key.
bool SetValues(Session& session, const QString& section, const QList<QPair<QString, QString>>& keysAndValues);
// The read for what the program kept there for the user's convenience (the
// recent files of an earlier version): a failure shows nothing and reads as empty text.
QString GetValueQuietly(Session& session, const QString& section, const QString& key);

// One key of a window's settings and its control: a field's text, or a list's item number 1 … count. A missing
// or empty key gives the field's fallback; anything but an item number gives the list's fallback item.
struct Setting {
    const char* section;
    const char* key;
    QLineEdit* field = nullptr;
    QComboBox* list = nullptr;
    const char* fallback = "";
    int fallbackItem = 1;
};
// Reads every key of the table into its control, in the table's order.
void loadSettings(Session& session, const std::vector<Setting>& settings);
// Writes every key of the table in one replace of the file; a window's keys share one section.
bool saveSettings(Session& session, const std::vector<Setting>& settings);

}  // namespace ampera
