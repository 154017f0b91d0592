#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace ampera {

class Session;

// The settings file ampera.ini in the program directory. A failure is shown
// in a message box titled "GetValueString" or "SetValue" with the text
// "Ошибка: <N> - description"; a read then gives empty text.
QString GetValueString(Session& session, const QString& section, const QString& key);
bool SetValue(Session& session, const QString& section, const QString& key, const QString& value);
// A window's save: every key of section in one replace of the file, all or
// none; a failure shows one "SetValue" box for each key.
bool SetValues(Session& session, const QString& section, const QList<QPair<QString, QString>>& keysAndValues);

}  // namespace ampera
