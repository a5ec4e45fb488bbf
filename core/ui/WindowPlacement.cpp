#include "core/ui/WindowPlacement.h"

#include "core/ErrorReport.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;

// A window manager's frame is known only once the window shows: until then the usual title
// bar and borders are allowed for.
const QMargins kUsualFrame(8, 32, 8, 8);

int stateOf(const QWidget* window) {
    return window->isMinimized() ? kMinimised : window->isMaximized() ? kMaximised : kNormal;
}

void showInState(QWidget* window, int state) {
    if (state == kMinimised)
        window->showMinimized();
    else if (state == kMaximised)
        window->showMaximized();
    else if (window->isMinimized() || window->isMaximized())
        window->showNormal();
}

QMdiArea* workspaceOf(const QWidget* window) {
    const auto* child = qobject_cast<const QMdiSubWindow*>(window);
    return child ? child->mdiArea() : nullptr;
}

// The room a window has: its parent's area for a child window, the screen for a window.
QRect roomFor(const QWidget* window) {
    if (!window->isWindow() && window->parentWidget())
        return window->parentWidget()->rect();
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame == client)
        return window->isVisible() ? QMargins() : kUsualFrame;
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// A top-level window is moved by its frame's corner.
void placeWindow(QWidget* window, const QRect& frame, const QMargins& margins) {
    window->resize(frame.size().shrunkBy(margins));
    window->move(frame.topLeft());
}

// A window of its own opens over the middle of its owner, then takes the stored place; one
// stored on a screen that is gone keeps only its size, so the window comes back where it can
// be seen.
void placeWindowOfItsOwn(QWidget* window, const std::optional<QRect>& place, const QSize& size) {
    window->resize(size);
    CentreOverOwner(window);
    if (!place)
        return;
    const QScreen* screen = window->screen();
    if (screen && !screen->availableVirtualGeometry().intersects(*place))
        window->resize(place->size());
    else
        window->setGeometry(*place);
}

// A child window opens where the workspace put it at the first-open size, or at the stored
// place; a maximised one keeps that as the place it comes back to.
void placeChild(QWidget* window, const std::optional<QRect>& place, const QSize& size) {
    const QRect placed = place.value_or(QRect(window->geometry().topLeft(), size));
    if (auto* child = qobject_cast<QMdiSubWindow*>(window))
        SetRestoredPlace(child, placed);
    else
        window->setGeometry(placed);
}

} // namespace

WindowPlacement::WindowPlacement(const Settings::PlacementKey& key, QObject* parent)
    : QObject(parent)
    , key_(key) {}

WindowPlacement::~WindowPlacement() = default;

void WindowPlacement::Restore(QWidget* window, const QSize& designSize) {
    if (!window)
        return;
    IgnoreErrors([this] { stored_ = Settings::ReadPlacement(key_); });
    IgnoreErrors([&] {
        const QSize size = FirstOpenSize(window, designSize, roomFor(window).size());
        if (window->isWindow())
            placeWindowOfItsOwn(window, stored_.place, size);
        else
            placeChild(window, stored_.place, size);
    });
    if (window->isWindow())
        KeepOnScreen(window);
    IgnoreErrors([&] { restoreState(window); });
    if (window_)
        window_->removeEventFilter(this);
    window_ = window;
    window->installEventFilter(this);
}

void WindowPlacement::restoreState(QWidget* window) const {
    // Beside a maximised window a new one opens maximised too: a normal one would stand
    // frameless in the maximised window's place.
    const bool besideMaximised = window->isMaximized() && workspaceOf(window);
    if (!key_.stateKey) {
        if (!besideMaximised)
            showInState(window, kNormal);
        return;
    }
    const int state = stored_.state.value_or(kNormal);
    showInState(window, besideMaximised && state == kNormal ? kMaximised : state);
}

Settings::Placement WindowPlacement::shown() const {
    Settings::Placement placement;
    // A child window has no separate normal place: while maximised or minimised it keeps the
    // one stored before.
    if (window_->isWindow() || stateOf(window_) == kNormal) {
        const QRect place = window_->isWindow() ? window_->normalGeometry() : window_->geometry();
        if (place.isValid())
            placement.place = place;
    }
    if (key_.stateKey)
        placement.state = stateOf(window_);
    return placement;
}

void WindowPlacement::Save() {
    if (!window_)
        return;
    IgnoreErrors([this] {
        Settings::Placement changed = shown();
        if (changed.place == stored_.place)
            changed.place.reset();
        if (changed.state == stored_.state)
            changed.state.reset();
        Settings::WritePlacement(key_, changed);
        if (changed.place)
            stored_.place = changed.place;
        if (changed.state)
            stored_.state = changed.state;
    });
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close)
        Save();
    return QObject::eventFilter(watched, event);
}

QSize FirstOpenSize(const QWidget* window, const QSize& designSize, const QSize& room) {
    QSize size = window->sizeHint().expandedTo(window->minimumSizeHint());
    if (designSize.isValid())
        size = size.expandedTo(designSize);
    return room.isValid() ? size.boundedTo(room) : size;
}

QRect FittedInside(const QRect& place, const QRect& area) {
    const QSize size = place.size().boundedTo(area.size());
    const int x = std::clamp(place.x(), area.left(), area.left() + area.width() - size.width());
    const int y = std::clamp(place.y(), area.top(), area.top() + area.height() - size.height());
    return {QPoint(x, y), size};
}

void KeepInsideParent(QWidget* window) {
    if (!window || window->isWindow() || !window->parentWidget() || window->isMinimized() ||
        window->isMaximized())
        return;
    const QRect fitted = FittedInside(window->geometry(), window->parentWidget()->rect());
    if (fitted != window->geometry())
        window->setGeometry(fitted);
}

void FitChildrenInside(QMdiArea* workspace) {
    const QRect room = workspace->viewport()->rect();
    const QList<QMdiSubWindow*> children = workspace->subWindowList();
    for (QMdiSubWindow* child : children) {
        if (!child->isVisible() || child->isMinimized() || child->isMaximized())
            continue;
        const QRect place = child->geometry();
        // What the workspace shows of it, unless that leaves too little of the window.
        QRect fitted = place.intersected(room);
        const QSize least = child->minimumSizeHint();
        if (fitted.width() < least.width() || fitted.height() < least.height())
            fitted = FittedInside(place, room);
        if (fitted != place)
            child->setGeometry(fitted);
    }
}

void KeepOnScreen(QWidget* window) {
    if (!window || !window->isWindow() || window->isMaximized() || window->isMinimized())
        return;
    const QMargins margins = frameOf(window);
    const QRect frame = window->geometry().marginsAdded(margins);
    const QRect fitted = FittedInside(frame, roomFor(window));
    if (fitted != frame)
        placeWindow(window, fitted, margins);
}

void CentreOverOwner(QWidget* window) {
    if (!window || !window->isWindow())
        return;
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QRect over = owner ? owner->frameGeometry() : roomFor(window);
    const QMargins margins = frameOf(window);
    QRect frame(QPoint(), window->size().grownBy(margins));
    frame.moveCenter(over.center());
    placeWindow(window, FittedInside(frame, roomFor(window)), margins);
}

bool ShowsMaximised(const QMdiArea* workspace) {
    const QMdiSubWindow* active = workspace ? workspace->activeSubWindow() : nullptr;
    return active && active->isMaximized();
}

void ShowInWorkspace(QMdiSubWindow* child, bool maximised) {
    const bool updates = child->updatesEnabled();
    child->setUpdatesEnabled(false);
    child->show();
    // The workspace may have maximised it already; its normal place is made right first.
    if (child->isMaximized())
        child->showNormal();
    KeepInsideParent(child);
    if (maximised)
        child->showMaximized();
    child->setUpdatesEnabled(updates);
}

void SetRestoredPlace(QMdiSubWindow* child, const QRect& place) {
    const QRect room = child->parentWidget() ? child->parentWidget()->rect() : place;
    const QRect fitted = FittedInside(place, room);
    if (!child->isMaximized()) {
        child->setGeometry(fitted);
        return;
    }
    // The workspace gives a maximised window's normal place back only through the normal
    // state; nothing is drawn in between.
    const bool updates = child->updatesEnabled();
    child->setUpdatesEnabled(false);
    child->showNormal();
    child->setGeometry(fitted);
    child->showMaximized();
    child->setUpdatesEnabled(updates);
}
