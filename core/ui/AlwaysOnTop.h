#pragma once

class QWidget;

namespace AlwaysOnTop {

// Keeps the window above all others (or lets it go back among them); nothing else changes.
void SetTopMost(QWidget* window, bool topMost);

} // namespace AlwaysOnTop
