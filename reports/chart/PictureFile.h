#pragma once

#include <QString>

class QImage;

// The picture files a chart is saved as: the formats offered are those this machine's Qt can
// write, and a file is written in the format its name says.
namespace PictureFile {

// Description and pattern pairs separated by "|", one pair per format offered.
QString Filter();

// Writes the picture in the format of the name's ending when that is one offered, else in the
// format of the chosen filter (the first one offered when no filter matches), whose ending is
// then added to the name. True when the file was written.
bool Write(const QImage& picture, const QString& path, const QString& chosenQtFilter);

} // namespace PictureFile
