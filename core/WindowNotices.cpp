#include "core/WindowNotices.h"

bool BookingFormOpen = false;

WindowNotices& WindowNotices::Instance() {
    static WindowNotices notices;
    return notices;
}
