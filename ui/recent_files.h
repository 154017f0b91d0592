#pragma once

#include <QString>
#include <QStringList>

namespace ampera {

class Session;

// The calculation files opened or saved last, newest first, at most kMax of
// them, each once. Kept in section "Recent" of the settings file as File1 …
// File8, read once at start and written at each change; the settings file not
// being writable only keeps the list from outliving the run.
class RecentFiles {
public:
    static constexpr int kMax = 8;
    static constexpr const char* kSection = "Recent";

    explicit RecentFiles(Session& session);
    const QStringList& paths() const { return paths_; }
    // The file goes to the front.
    void add(const QString& path);
    void remove(const QString& path);

private:
    void save();
    Session& session_;
    QStringList paths_;
    int keysInFile_ = 0;  // the highest key of the list that holds a file in the settings file
};

}  // namespace ampera
