#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace sw {
namespace {

QString installedFamily(const QString& name)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families) {
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    }
    return {};
}

QString fixedPitchFallback()
{
    const QString substitute = installedFamily(QString::fromLatin1(kFixedPitchSubstitute));
    if (!substitute.isEmpty())
        return substitute;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

}  // namespace

QString resolveFontFamily(const QString& requested)
{
    const QString trimmed = requested.trimmed();
    const QString installed = installedFamily(trimmed);
    if (!installed.isEmpty())
        return installed;
    if (trimmed.compare(QString::fromLatin1(kFixedPitchFamily), Qt::CaseInsensitive) == 0)
        return fixedPitchFallback();
    return trimmed;
}

void ensureFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QString courier = QString::fromLatin1(kFixedPitchFamily);
    if (installedFamily(courier).isEmpty())
        QFont::insertSubstitution(courier, fixedPitchFallback());
}

}  // namespace sw
