#pragma once

#include <QString>

namespace PlaySound {

// Plays a wave file. With wait false it starts the sound and returns at once; a new sound
// stops the one playing. False when the file is missing or not a wave file.
bool PlayWave(const QString& fileName, bool wait);

} // namespace PlaySound
