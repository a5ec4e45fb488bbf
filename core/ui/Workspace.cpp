#include "core/ui/Workspace.h"

#include "core/ui/WindowPlacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace Workspace {

namespace {

QPointer<QMdiArea> providedArea;

QMdiSubWindow* showAlone(QWidget* form, const QSize& loadSize) {
    form->resize(FirstOpenSize(form, loadSize, {}));
    form->show();
    KeepOnScreen(form);
    form->raise();
    return nullptr;
}

// A window that comes back from maximised or minimised comes back wholly inside the workspace,
// which may have become smaller in between.
void keepInsideWhenRestored(QMdiSubWindow* child) {
    QObject::connect(child, &QMdiSubWindow::windowStateChanged, child,
                     [child](Qt::WindowStates, Qt::WindowStates now) {
                         if (!(now & (Qt::WindowMinimized | Qt::WindowMaximized)))
                             KeepInsideParent(child);
                     });
}

QMdiSubWindow* bringForward(QMdiArea* area, QMdiSubWindow* child) {
    // Brought forward, a window keeps its state; only a minimised one opens again.
    if (child->isMinimized())
        child->showNormal();
    area->setActiveSubWindow(child);
    return child;
}

} // namespace

void Provide(QMdiArea* area) {
    providedArea = area;
}

QWidget* MainWindow() {
    return providedArea ? providedArea->window() : nullptr;
}

QMdiSubWindow* FindChild(const QWidget* form) {
    if (!providedArea)
        return nullptr;
    const QList<QMdiSubWindow*> children = providedArea->subWindowList();
    for (QMdiSubWindow* child : children) {
        if (child->widget() == form)
            return child;
    }
    return nullptr;
}

QMdiSubWindow* ShowChild(QWidget* form, const QSize& loadSize) {
    QMdiArea* area = providedArea;
    if (!area)
        return showAlone(form, loadSize);
    if (QMdiSubWindow* open = FindChild(form))
        return bringForward(area, open);
    const bool maximised = ShowsMaximised(area);
    QMdiSubWindow* child = area->addSubWindow(form);
    child->setAttribute(Qt::WA_DeleteOnClose);
    // A form that closes itself takes its frame with it.
    QObject::connect(form, &QObject::destroyed, child, &QMdiSubWindow::close);
    child->setWindowTitle(form->windowTitle());
    child->resize(FirstOpenSize(child, loadSize, area->viewport()->size()));
    ShowInWorkspace(child, maximised);
    keepInsideWhenRestored(child);
    area->setActiveSubWindow(child);
    return child;
}

} // namespace Workspace
