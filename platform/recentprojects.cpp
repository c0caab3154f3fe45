#include "platform/recentprojects.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace sw {
namespace {

const QString kKey = QStringLiteral("RecentProjects");

// QSettings without an organisation name reports an access error and files the settings under
// "Unknown Organization"; the application sets none, so its name stands for both
// (~/.config/Stormwick/Stormwick.conf).
QSettings settings()
{
    const QString application = QCoreApplication::applicationName();
    const QString organisation = QCoreApplication::organizationName();
    return QSettings(organisation.isEmpty() ? application : organisation, application);
}

QString normalised(const QString& path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

void store(const QStringList& list)
{
    QSettings s = settings();
    if (list.isEmpty())
        s.remove(kKey);
    else
        s.setValue(kKey, list);
}

}  // namespace

QStringList RecentProjects::paths() const
{
    // Whatever a hand-edited settings file holds: no blanks, no repeats, at most kLimit.
    QStringList list;
    for (const QString& path : settings().value(kKey).toStringList()) {
        if (!path.isEmpty() && !list.contains(path) && list.size() < kLimit)
            list.append(path);
    }
    return list;
}

void RecentProjects::add(const QString& path)
{
    const QString entry = normalised(path);
    if (entry.isEmpty())
        return;
    QStringList list = paths();
    list.removeAll(entry);
    list.prepend(entry);
    while (list.size() > kLimit)
        list.removeLast();
    store(list);
}

void RecentProjects::remove(const QString& path)
{
    QStringList list = paths();
    // The path as listed, or as it was given before being made absolute.
    list.removeAll(path);
    list.removeAll(normalised(path));
    store(list);
}

void RecentProjects::clear()
{
    store({});
}

}  // namespace sw
