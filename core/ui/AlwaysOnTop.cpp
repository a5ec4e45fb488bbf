#include "core/ui/AlwaysOnTop.h"

#include <QWidget>

namespace AlwaysOnTop {

void SetTopMost(QWidget* window, bool topMost) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    // Changing a window flag hides the window; a shown window stays shown.
    if (wasVisible)
        window->show();
}

} // namespace AlwaysOnTop
