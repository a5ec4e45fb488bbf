#include "core/ui/WindowPlacement.h"

#include "core/CIniFile.h"
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

constexpr int kSmallestTwips = 3000;
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

} // namespace

WindowPlacement::WindowPlacement(QString section, QString stateKey, QObject* parent)
    : QObject(parent)
    , section_(std::move(section))
    , stateKey_(std::move(stateKey)) {}

WindowPlacement::~WindowPlacement() = default;

bool WindowPlacement::hasStoredPlace() const {
    bool numeric = false;
    const int width = ReadConfigValue(section_, QStringLiteral("Width")).toInt(&numeric);
    return numeric && width > 0;
}

void WindowPlacement::Restore(QWidget* window, const QSize& designSize) {
    if (!window)
        return;
    auto* child = qobject_cast<QMdiSubWindow*>(window);
    IgnoreErrors([&] {
        // The place is worked out on a stand-in, so that a maximised child stays maximised.
        QWidget standIn;
        standIn.setGeometry(window->geometry());
        standIn.resize(FirstOpenSize(window, designSize, roomFor(window).size()));
        if (hasStoredPlace())
            ConfigIni(section_).LoadFormPos(&standIn, kSmallestTwips, kSmallestTwips);
        if (child)
            SetRestoredPlace(child, standIn.geometry());
        else
            window->setGeometry(standIn.geometry());
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
    const QMdiArea* workspace = workspaceOf(window);
    const bool besideMaximised = window->isMaximized() && workspace;
    if (stateKey_.isEmpty()) {
        if (!besideMaximised)
            showInState(window, kNormal);
        return;
    }
    const QString stored = ReadConfigValue(section_, stateKey_);
    const int state = stored.isEmpty() ? kNormal : stored.trimmed().toInt();
    showInState(window, besideMaximised && state == kNormal ? kMaximised : state);
}

void WindowPlacement::Save() const {
    if (!window_)
        return;
    IgnoreErrors([this] {
        // A child window has no separate normal place: while maximised or minimised it keeps
        // the one stored before.
        if (window_->isWindow() || stateOf(window_) == kNormal) {
            CIniFile ini = ConfigIni(section_);
            ini.SaveFormPos(window_);
        }
        if (!stateKey_.isEmpty())
            WriteConfigValue(section_, stateKey_, QString::number(stateOf(window_)));
    });
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                               event->type() == QEvent::WindowStateChange))
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
