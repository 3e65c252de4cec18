// zkicon: draws the program's icon for the desktop's icon theme, at build time.
//
//   zkicon FOLDER
//
// writes FOLDER/hicolor/SIZExSIZE/apps/com.zorvek.ZKTIME.png for the usual sizes and
// FOLDER/hicolor/scalable/apps/com.zorvek.ZKTIME.svg, all from the drawing the windows use.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

#include "app/ProgramIcon.h"
#include "widgets/VersionPictures.h"

namespace {

const QString kName = QStringLiteral("com.zorvek.ZKTIME");

bool writePng(const QString& theme, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ProgramIcon::paint(painter, size);
    painter.end();
    return QDir().mkpath(folder) && image.save(folder + "/" + kName + ".png");
}

bool writeSvg(const QString& theme) {
    const QString folder = theme + "/scalable/apps";
    if (!QDir().mkpath(folder)) return false;
    constexpr int kSide = 256;
    QSvgGenerator svg;
    svg.setFileName(folder + "/" + kName + ".svg");
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle("ZORVEK Inc.TIME");
    QPainter painter(&svg);
    ProgramIcon::paint(painter, kSide);
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: zkicon FOLDER\n";
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]) + "/hicolor";
    bool written = writeSvg(theme);
    for (int size : ProgramIcon::kSizes) written = writePng(theme, size) && written;
    return written ? 0 : 1;
}
