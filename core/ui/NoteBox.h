#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

// What a long text column of the server (TEXT) holds, in bytes of UTF-8. The embedded database
// would take more; a note box holds no more, so that both back ends store the same notes.
constexpr int kLongTextColumnBytes = 65535;

// A box of several lines for a long text column. It holds at most `maxBytes` bytes of UTF-8,
// as the server counts them: what is typed, pasted or dropped beyond that is cut at a whole
// character before it reaches the box, so a huge paste costs no more than a note that fits.
QPlainTextEdit* NewNoteBox(QWidget* parent, const QString& name,
                           int maxBytes = kLongTextColumnBytes);
