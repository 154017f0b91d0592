#include "ui/recent_files.h"

#include "storage/file_locations.h"
#include "storage/recent_list.h"
#include "ui/qt_text.h"
#include "ui/session.h"
#include "ui/settings_access.h"

namespace ampera {

RecentFiles::RecentFiles(Session& session) : session_(session) {
    QStringList stored;
    if (const auto list = readRecentList(session_.locations().recent)) {
        for (const std::string& path : *list) stored.append(q(path));
    } else {
        for (int n = 1; n <= kMax; ++n)
            stored.append(GetValueQuietly(session_, kOldSection, "File" + QString::number(n)));
    }
    for (const QString& path : stored)
        if (!path.isEmpty() && !paths_.contains(path) && paths_.size() < kMax) paths_.append(path);
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
    StorageError error;
    if (!makeFolder(session_.locations().settingsFolder, error)) return;  // made when first written
    std::vector<std::string> paths;
    for (const QString& path : paths_) paths.push_back(text(path));
    saveRecentList(session_.locations().recent, paths, error);
}

}  // namespace ampera
