#include "core/ui/WindowPlacement.h"

#include "core/CIniFile.h"
#include "core/ErrorReport.h"

#include <QEvent>
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

void KeepInsideParent(QWidget* window) {
    const QWidget* area = window ? window->parentWidget() : nullptr;
    if (!area || window->isWindow())
        return;
    QRect place = window->geometry();
    place.moveRight(qMin(place.right(), area->rect().right()));
    place.moveBottom(qMin(place.bottom(), area->rect().bottom()));
    place.moveTopLeft(QPoint(qMax(place.left(), 0), qMax(place.top(), 0)));
    window->move(place.topLeft());
}

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
        KeepInsideParent(window);
        if (stateKey_.isEmpty())
            return;
        const QString stored = ReadConfigValue(section_, stateKey_);
        showInState(window, stored.isEmpty() ? kNormal : stored.trimmed().toInt());
    });
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

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                               event->type() == QEvent::WindowStateChange))
        Save();
    return QObject::eventFilter(watched, event);
}
