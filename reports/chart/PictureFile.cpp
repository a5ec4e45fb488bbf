#include "reports/chart/PictureFile.h"

#include "core/ui/CDLG.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QList>

namespace {

struct Format {
    QString description;
    QString ending;
    QByteArray writer; // the name QImageWriter knows it by
};

// The formats a chart could be saved in, in the order the dialog lists them.
const QList<Format>& candidates() {
    static const QList<Format> formats{
        {QStringLiteral("JPG - Joint Photographic Experts Group"), QStringLiteral("jpg"), "jpeg"},
        {QStringLiteral("BMP - Windows Bitmap"), QStringLiteral("bmp"), "bmp"},
        {QStringLiteral("GIF - Graphics Interchange Format"), QStringLiteral("gif"), "gif"},
        {QStringLiteral("DIB - Device Independent Bitmap"), QStringLiteral("dib"), "dib"},
        {QStringLiteral("WMF - Windows MetaFile"), QStringLiteral("wmf"), "wmf"},
        {QStringLiteral("EMF - Enhanced MetaFile"), QStringLiteral("emf"), "emf"},
    };
    return formats;
}

QList<Format> offered() {
    const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
    QList<Format> formats;
    for (const Format& format : candidates())
        if (writable.contains(format.writer))
            formats.append(format);
    return formats;
}

QString pairOf(const Format& format) {
    return format.description + QStringLiteral("|*.") + format.ending;
}

const Format* byEnding(const QList<Format>& formats, const QString& path) {
    const QString ending = QFileInfo(path).suffix().toLower();
    for (const Format& format : formats)
        if (format.ending == ending || (format.writer == "jpeg" && ending == QLatin1String("jpeg")))
            return &format;
    return nullptr;
}

const Format* byFilter(const QList<Format>& formats, const QString& chosenQtFilter) {
    for (const Format& format : formats)
        if (CDLG::QtFilter(pairOf(format)) == chosenQtFilter)
            return &format;
    return formats.isEmpty() ? nullptr : &formats.first();
}

} // namespace

namespace PictureFile {

QString Filter() {
    QStringList pairs;
    for (const Format& format : offered())
        pairs.append(pairOf(format));
    return pairs.join(QLatin1Char('|'));
}

bool Write(const QImage& picture, const QString& path, const QString& chosenQtFilter) {
    const QList<Format> formats = offered();
    if (const Format* named = byEnding(formats, path))
        return picture.save(path, named->writer.constData());
    const Format* chosen = byFilter(formats, chosenQtFilter);
    return chosen &&
           picture.save(path + QLatin1Char('.') + chosen->ending, chosen->writer.constData());
}

} // namespace PictureFile
