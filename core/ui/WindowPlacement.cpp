#include "core/ui/WindowPlacement.h"

#include "core/CIniFile.h"
#include "core/ErrorReport.h"

#include <QEvent>
#include <QRect>
#include <QWidget>

namespace {

constexpr int kSmallestTwips = 3000;
constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;

int stateOf(const QWidget* window) {
    return window->isMinimized() ? kMinimised : window->isMaximized() ? kMaximised : kNormal;
}

void showInState(QWidget* window, int state) {
    if (state == kMinimised)
        window->showMinimized();
    else if (state == kMaximised)
        window->showMaximized();
}

} // namespace

WindowPlacement::WindowPlacement(QString section, QString stateKey, QObject* parent)
    : QObject(parent)
    , section_(std::move(section))
    , stateKey_(std::move(stateKey)) {}

WindowPlacement::~WindowPlacement() = default;

void WindowPlacement::Restore(QWidget* window, const QSize& loadSize) {
    if (!window)
        return;
    IgnoreErrors([&] {
        const CIniFile ini = ConfigIni(section_);
        ini.LoadFormPos(window, kSmallestTwips, kSmallestTwips);
        if (loadSize.isValid())
            window->resize(loadSize);
        if (stateKey_.isEmpty())
            return;
        const QString stored = ReadConfigValue(section_, stateKey_);
        showInState(window, stored.isEmpty() ? kNormal : stored.trimmed().toInt());
    });
    KeepInsideParent(window);
    if (window_)
        window_->removeEventFilter(this);
    window_ = window;
    window->installEventFilter(this);
}

void WindowPlacement::Save() const {
    if (!window_)
        return;
    IgnoreErrors([this] {
        CIniFile ini = ConfigIni(section_);
        ini.SaveFormPos(window_);
        if (!stateKey_.isEmpty())
            WriteConfigValue(section_, stateKey_, QString::number(stateOf(window_)));
    });
}

void KeepInsideParent(QWidget* window) {
    if (!window || window->isWindow() || !window->parentWidget() || window->isMinimized() ||
        window->isMaximized())
        return;
    const QRect area = window->parentWidget()->rect();
    const QRect place = window->geometry();
    // Where the window is larger than the parent, its top left corner stays in sight.
    const int x = qMax(0, qMin(place.x(), area.width() - place.width()));
    const int y = qMax(0, qMin(place.y(), area.height() - place.height()));
    if (x != place.x() || y != place.y())
        window->move(x, y);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                               event->type() == QEvent::WindowStateChange))
        Save();
    return QObject::eventFilter(watched, event);
}
