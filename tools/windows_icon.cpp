#include "windows_icon.h"

#include <QBuffer>
#include <QDataStream>

namespace twindle {

namespace {

constexpr int kHeaderBytes = 6;
constexpr int kEntryBytes = 16;

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

QByteArray windowsIconFile(const QList<QImage>& images)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images)
        pngs.append(pngOf(image));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());   // reserved, type: icon, count

    quint32 offset = kHeaderBytes + kEntryBytes * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 does not fit the byte, and is written as 0.
        const auto side = quint8(images[i].width() & 0xff);
        const auto bytes = quint32(pngs[i].size());
        out << side << side << quint8(0) << quint8(0)   // no palette, reserved
            << quint16(1) << quint16(32)                 // one plane, 32 bits a pixel
            << bytes << offset;
        offset += bytes;
    }
    for (const QByteArray& png : pngs)
        out.writeRawData(png.constData(), int(png.size()));
    return file;
}

} // namespace twindle
