#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QWidget;

// A window's right-click menu: a fixed list of items, each with a caption and a name; choosing
// one reports its name. The menu pops up without blocking, like any context menu.
class AGPopUp final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AGPopUp)

public:
    explicit AGPopUp(QWidget* owner);
    ~AGPopUp() override;

    // A caption of "-" adds a separator.
    void AddItem(const QString& caption, const QString& name);
    // Shows the menu at a screen point.
    void PopUp(const QPoint& screenPoint);
    // The open menu, for tests that choose an item.
    QMenu* Menu() const;

signals:
    void MenuClick(const QString& itemName);

private:
    QPointer<QMenu> menu_;
};
