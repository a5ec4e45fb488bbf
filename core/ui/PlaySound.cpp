#include "core/ui/PlaySound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace {

constexpr int kHeaderSize = 44;
constexpr int kWaitMarginMs = 2000;

// Reads the RIFF header; the length of the sound in milliseconds, or -1 for no wave file.
int waveDurationMs(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(kHeaderSize);
    if (header.size() < kHeaderSize || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return -1;
    const auto byteRate = qFromLittleEndian<quint32>(header.constData() + 28);
    if (byteRate == 0)
        return -1;
    return int((file.size() - kHeaderSize) * 1000 / byteRate);
}

QSoundEffect& player() {
    static auto* effect = new QSoundEffect(QCoreApplication::instance());
    return *effect;
}

void waitUntilDone(QSoundEffect& effect, int durationMs) {
    QEventLoop loop;
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error)
            loop.quit();
    });
    // A machine without sound must not keep the caller waiting.
    QTimer::singleShot(durationMs + kWaitMarginMs, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

namespace PlaySound {

bool PlayWave(const QString& fileName, bool wait) {
    const int durationMs = waveDurationMs(fileName);
    if (durationMs < 0 || !QCoreApplication::instance())
        return false;
    QSoundEffect& effect = player();
    effect.stop();
    effect.setSource(QUrl::fromLocalFile(fileName));
    effect.play();
    if (wait)
        waitUntilDone(effect, durationMs);
    return effect.status() != QSoundEffect::Error;
}

} // namespace PlaySound
