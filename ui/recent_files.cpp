#include "ui/recent_files.h"

#include "ui/settings_access.h"

namespace ampera {

namespace {

QString key(int n) { return "File" + QString::number(n); }

}  // namespace

RecentFiles::RecentFiles(Session& session) : session_(session) {
    for (int n = 1; n <= kMax; ++n) {
        const QString path = GetValueQuietly(session_, kSection, key(n));
        if (!path.isEmpty() && !paths_.contains(path)) paths_.append(path);
    }
}

void RecentFiles::add(const QString& path) {
    if (!paths_.isEmpty() && paths_.front() == path) return;
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kMax) paths_.removeLast();
    save();
}

void RecentFiles::remove(const QString& path) {
    if (paths_.removeAll(path) > 0) save();
}

void RecentFiles::save() {
    QList<QPair<QString, QString>> keys;
    for (int n = 1; n <= kMax; ++n) keys.append({key(n), n <= paths_.size() ? paths_[n - 1] : QString()});
    SetValuesQuietly(session_, kSection, keys);
}

}  // namespace ampera
