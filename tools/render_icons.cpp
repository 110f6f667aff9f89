// Renders the program icon, an SVG drawing, into what desktops want at install time: the PNG
// sizes of the hicolor icon theme and a Windows .ico holding the same sizes.
// render_icons DRAWING.svg OUTPUT_DIR NAME SIZE...
// writes OUTPUT_DIR/hicolor/SIZExSIZE/apps/NAME.png for each size, and OUTPUT_DIR/NAME.ico.
// render_icons --pixels DRAWING.svg FILE SIZE
// writes the square's bare pixels, premultiplied ARGB as QImage holds them, row after row: the
// window icon as the program takes it, with no image reader (which would load Qt's image format
// plugins, Qt SVG's among them).

#include "windows_icon.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage renderSquare(QSvgRenderer& svg, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, side, side));
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

int fail(const QString& message)
{
    std::fprintf(stderr, "render_icons: %s\n", qPrintable(message));
    return 1;
}

int writePixels(const QStringList& args)
{
    QSvgRenderer svg(args[2]);
    if (!svg.isValid())
        return fail(QStringLiteral("cannot read the drawing %1").arg(args[2]));
    bool isNumber = false;
    const int side = args[4].toInt(&isNumber);
    if (!isNumber || side < 1 || side > 256)
        return fail(QStringLiteral("%1 is not a size from 1 to 256").arg(args[4]));
    const QImage image = renderSquare(svg, side);
    const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    if (!writeFile(args[3], pixels))
        return fail(QStringLiteral("cannot write %1").arg(args[3]));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 5 && args[1] == QStringLiteral("--pixels"))
        return writePixels(args);
    if (args.size() < 5)
        return fail(QStringLiteral("usage: render_icons DRAWING.svg OUTPUT_DIR NAME SIZE..."));

    QSvgRenderer svg(args[1]);
    if (!svg.isValid())
        return fail(QStringLiteral("cannot read the drawing %1").arg(args[1]));
    const QDir output(args[2]);
    const QString& name = args[3];

    QList<QImage> icoImages;
    for (qsizetype i = 4; i < args.size(); ++i) {
        bool isNumber = false;
        const int side = args[i].toInt(&isNumber);
        if (!isNumber || side < 1 || side > 256)
            return fail(QStringLiteral("%1 is not a size from 1 to 256").arg(args[i]));

        const QImage image = renderSquare(svg, side);
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(side);
        const QString path = output.filePath(QStringLiteral("%1/%2.png").arg(folder, name));
        if (!output.mkpath(folder) || !image.save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
        icoImages.append(image);
    }

    const QString icoPath = output.filePath(name + QStringLiteral(".ico"));
    if (!writeFile(icoPath, twindle::windowsIconFile(icoImages)))
        return fail(QStringLiteral("cannot write %1").arg(icoPath));
    return 0;
}
