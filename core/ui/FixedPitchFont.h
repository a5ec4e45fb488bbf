#pragma once

#include <QFont>

// A font whose characters all take the same width, at the desktop's size for such text. The
// desktop's monospace family is taken when its characters are of one width; some are not (Noto
// Sans Mono, which ghostscript and ImageMagick bring), and then an installed family that is.
QFont FixedPitchFont();
