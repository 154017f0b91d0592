#include "ui/recent_files.h"

#include <algorithm>

#include "ui/settings_access.h"

namespace ampera {

namespace {

QString key(int n) { return "File" + QString::number(n); }

}  // namespace

RecentFiles::RecentFiles(Session& session) : session_(session) {
    for (int n = 1; n <= kMax; ++n) {
        const QString path = GetValueQuietly(session_, kSection, key(n));
        if (path.isEmpty()) continue;
        keysInFile_ = n;
        if (!paths_.contains(path)) paths_.append(path);
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
    // The keys of the list, and those of a longer list before it, emptied.
    const int count = static_cast<int>(paths_.size());
    QList<QPair<QString, QString>> keys;
    for (int n = 1; n <= std::max(count, keysInFile_); ++n)
        keys.append({key(n), n <= count ? paths_[n - 1] : QString()});
    if (keys.isEmpty()) return;
    if (SetValuesQuietly(session_, kSection, keys)) keysInFile_ = count;
}

}  // namespace ampera
