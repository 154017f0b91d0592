#pragma once

#include <QString>
#include <QStringList>

namespace ampera {

class Session;

// The calculation files opened or saved last, newest first, at most kMax of
// them, each once. Kept in the program's own list file beside the settings
// file (storage/recent_list.h), read once at start and written at each change;
// the list file not being writable only keeps the list from outliving the run.
// Where there is no list file yet, the list of an earlier version, kept in
// section "Recent" of the settings file as File1 … File8, is read instead.
class RecentFiles {
public:
    static constexpr int kMax = 8;
    static constexpr const char* kOldSection = "Recent";

    explicit RecentFiles(Session& session);
    const QStringList& paths() const { return paths_; }
    // The file goes to the front.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void save();
    Session& session_;
    QStringList paths_;
};

}  // namespace ampera
