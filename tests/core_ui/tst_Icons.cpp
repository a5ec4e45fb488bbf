#include "core/ui/Icons.h"
#include "tests/support/ProgramTest.h"

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

namespace {

// The share of a picture's pixels that are not fully transparent.
double paintedShare(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                ++painted;
    return double(painted) / (image.width() * image.height());
}

QImage rendered(Icons::Name name, int size) {
    return Icons::Get(name).pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    // The pictures come from the resource that the library itself carries, so this holds for the
    // program and for every test that links the library.
    void everyPictureRendersAtListAndToolbarSizes_data() {
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("size");
        for (Icons::Name name : Icons::All())
            for (int size : {16, 32})
                QTest::addRow("%s@%d", qPrintable(Icons::FileName(name)), size)
                    << int(name) << size;
    }
    void everyPictureRendersAtListAndToolbarSizes() {
        QFETCH(int, name);
        QFETCH(int, size);
        const QImage image = rendered(Icons::Name(name), size);
        QCOMPARE(image.size(), QSize(size, size));
        // A blank or stray-dot picture fails; the slimmest drawing (the pencil) covers about a
        // quarter.
        QVERIFY2(paintedShare(image) > 0.12, qPrintable(QString::number(paintedShare(image))));
    }

    void everyNameHasAPictureOfItsOwn() {
        QSet<QString> files;
        QSet<QByteArray> pictures;
        for (Icons::Name name : Icons::All()) {
            const QString file = Icons::FileName(name);
            QVERIFY2(!file.isEmpty() && !files.contains(file), qPrintable(file));
            files.insert(file);
            const QImage image = rendered(name, 32);
            const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                    image.sizeInBytes());
            QVERIFY2(!pictures.contains(pixels), qPrintable(file + QStringLiteral(" repeats")));
            pictures.insert(pixels);
        }
    }
};

STAYMARK_TEST_MAIN(TestIcons)
#include "tst_Icons.moc"
