#pragma once

#include <QApplication>

// The busy pointer while a long step runs, restored however the step ends.
class BusyCursor final {
    Q_DISABLE_COPY_MOVE(BusyCursor)

public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
