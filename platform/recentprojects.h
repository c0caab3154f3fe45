#pragma once
// The projects last opened or saved, newest first, kept in the application's settings so that
// File > "Open &Recent" lists them in every later session.

#include <QString>
#include <QStringList>

namespace sw {

class RecentProjects {
public:
    static constexpr int kLimit = 8;

    // The settings are the user's settings of the application's organisation (the application's
    // name when it sets none) and name, as QCoreApplication holds them when called.
    [[nodiscard]] QStringList paths() const;
    // Puts a project just opened or saved at the front (moving it there if listed) and keeps
    // the newest kLimit. Paths are made absolute and clean, so one file is listed once.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();
};

}  // namespace sw
