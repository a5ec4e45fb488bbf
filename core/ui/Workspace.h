#pragma once

#include <QSize>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// The workspace the child windows live in. The main window provides it when it loads, so that
// a window shows itself there without knowing the main window, which knows every window.
namespace Workspace {

// Called by the main window with its area; the area going away takes the workspace with it.
void Provide(QMdiArea* area);
// The window that holds the workspace, or null while there is none.
QWidget* MainWindow();
// The child window that shows the form, or null.
QMdiSubWindow* FindChild(const QWidget* form);
// Shows the form as a child window, or brings it forward when it already is one. Without a
// workspace the form shows as a window of its own. A new window takes `loadSize` when one is
// given, moved as far as it needs to be seen whole.
QMdiSubWindow* ShowChild(QWidget* form, const QSize& loadSize = {});

} // namespace Workspace
