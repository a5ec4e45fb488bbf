#pragma once

#include "core/Settings.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// A window's placement kept in config.ini: its place and size under its own section and, when
// the window keeps one, its state (0 normal, 1 minimised, 2 maximised) under a key there. The
// placement is read once, when the window loads, and written when the window closes, where it
// differs from what the file holds: moving or resizing the window writes nothing.
class WindowPlacement final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowPlacement)

public:
    WindowPlacement(const Settings::PlacementKey& key, QObject* parent);
    ~WindowPlacement() override;

    // Restores the stored place and size (one smaller than 3000 x 3000 twips is not restored)
    // and keeps the window whole inside the workspace it opens in. With nothing stored the
    // window opens at a size that shows its whole content, and never smaller than
    // `designSize`, as far as the workspace allows. Then the stored state; with no state
    // stored yet the window shows in the normal state, so a window the user just asked for is
    // never hidden. A child window opened beside a maximised one stays maximised, with the
    // place above as the one it comes back to. A window of its own opens over the middle of the
    // window it belongs to (or the screen) when nothing is stored, and wholly on the screen.
    // From now on the placement is saved when the window closes.
    void Restore(QWidget* window, const QSize& designSize = {});
    // Stores the window's place and state now, where they differ from what the file holds. A
    // maximised or minimised child window keeps the place it comes back to.
    void Save();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreState(QWidget* window) const;
    // The placement the window shows now, as it would be stored.
    Settings::Placement shown() const;

    Settings::PlacementKey key_;
    // What the file holds, as read at the restore and written since.
    Settings::Placement stored_;
    QPointer<QWidget> window_;
};

// The size at which a window shows all of its content and at least `designSize`, as far as
// `room` allows.
QSize FirstOpenSize(const QWidget* window, const QSize& designSize, const QSize& room);

// The rectangle moved, and made smaller where it must be, so that it lies wholly inside `area`.
QRect FittedInside(const QRect& place, const QRect& area);

// Moves a child window that reaches past its parent's edges back inside, and makes it smaller
// where it is larger than the parent: a window sized after its parent placed it would
// otherwise hide its title bar or buttons. Maximised and minimised windows and top-level
// windows are left as they are.
void KeepInsideParent(QWidget* window);

// Makes every normal child window that reaches past the workspace's edges smaller, where it
// stands, so that its frame shows whole and its content scrolls: the workspace's cascade gives
// each window its whole size wherever the cascade puts it (from the right edge in a
// right-to-left language). A window left too little room where it stands is moved back inside
// instead.
void FitChildrenInside(QMdiArea* workspace);

// Moves a top-level window, its frame included, wholly onto the screen it opens on, and makes
// it smaller where it is larger than that screen.
void KeepOnScreen(QWidget* window);

// Places a top-level window over the middle of the window it belongs to (or the screen),
// wholly on the screen.
void CentreOverOwner(QWidget* window);

// Whether the workspace shows its active child window maximised.
bool ShowsMaximised(const QMdiArea* workspace);

// Shows a new child window wholly inside the workspace, maximised when `maximised` is true
// (beside a maximised neighbour), with its normal place inside the workspace to come back to.
void ShowInWorkspace(QMdiSubWindow* child, bool maximised);

// Gives a child window the place it comes back to when it is no longer maximised, leaving it
// maximised when it is; a normal window simply takes the place.
void SetRestoredPlace(QMdiSubWindow* child, const QRect& place);
