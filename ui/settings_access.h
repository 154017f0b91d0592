#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace ampera {

class Session;

// The settings file ampera.ini where the session keeps it (beside the
// program, or in the user's configuration folder, made when first written).
// A failure is shown in a message box titled "GetValueString" or "SetValue"
// with the text "Ошибка: <N> - description"; a read then gives empty text. A
// read of a missing or unreadable file, or of a path that is not a plain file,
// gives empty text and shows nothing.
QString GetValueString(Session& session, const QString& section, const QString& key);
bool SetValue(Session& session, const QString& section, const QString& key, const QString& value);
// A window's save: every key of section in one replace of the file, all or
// none; a failure shows one "SetValue" box for each key.
bool SetValues(Session& session, const QString& section, const QList<QPair<QString, QString>>& keysAndValues);

}  // namespace ampera
