// Writes the application's icon as PNG files, for installation:
//   stormwick-icons FOLDER NAME SIDE...   ->  FOLDER/hicolor/<side>x<side>/apps/NAME.png
// Run at build time, offscreen; the pictures come from the same drawing as the window icon.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/main/artwork.h"

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: stormwick-icons FOLDER NAME SIDE...\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool number = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (!number || side < 16 || side > 1024) {
            std::fprintf(stderr, "stormwick-icons: %s is not a side from 16 to 1024 pixels\n", argv[i]);
            return 2;
        }
        const QString dir = folder.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(side));
        const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
        if (!QDir().mkpath(dir) || !sw::applicationIconPicture(side).save(path, "PNG")) {
            std::fprintf(stderr, "stormwick-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
