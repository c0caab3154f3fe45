#pragma once
// Project files as the GUI tests write them, line by line with CR LF, from the pieces the project
// file tests share. The keywords are spelt out there rather than taken from the reader, so that a
// changed keyword shows up as a failing test.

#include <initializer_list>
#include <string>
#include <string_view>

#include <QFile>
#include <QString>

#include "tests/project/projectfixtures.h"

namespace sw::testing {

inline std::string crlf(std::initializer_list<std::string_view> lines)
{
    return joinLines(Lines(lines.begin(), lines.end()));
}

// Everything before the first culvert.
inline std::string projectHead(const std::string& name, const std::string& number, const std::string& control,
                               const std::string& description, const std::string& date, const std::string& time,
                               const std::string& designer)
{
    return joinLines(header({name, number, control, description, date, time, designer}));
}

// A culvert up to its intensity block: the ruler, ID, station, return period and sub-area lines.
inline std::string culvertLines(const std::string& id, const std::string& station, const std::string& period,
                                std::initializer_list<std::string_view> areas = {})
{
    Lines lines = culvertStart(id, period);
    lines[3] = "Station/Description=" + station;
    return joinLines(lines) + crlf(areas);
}

// Without arguments: slope 0.01 over 1000 ft in zone A, factor 1 from the manual.
inline std::string intensityBlock(const std::string& zone = "A", const std::string& remote = "1010 ft",
                                  const std::string& inlet = "1000 ft", const std::string& length = "1000 ft",
                                  const std::string& factor = " 1 ", const std::string& source = "Design Manual")
{
    return joinLines(intensityLines(remote, zone, inlet, length, factor, source));
}

inline bool writeBytes(const QString& path, std::string_view bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace sw::testing
