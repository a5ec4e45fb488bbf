#include "core/ui/AGPopUp.h"

#include <QMenu>
#include <QWidget>

AGPopUp::AGPopUp(QWidget* owner)
    : QObject(owner)
    , menu_(new QMenu(owner)) {
    menu_->setObjectName(QStringLiteral("AGPopUp"));
}

AGPopUp::~AGPopUp() = default;

void AGPopUp::AddItem(const QString& caption, const QString& name) {
    if (caption == QLatin1String("-")) {
        menu_->addSeparator()->setObjectName(name);
        return;
    }
    QAction* item = menu_->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, name] { emit MenuClick(name); });
}

void AGPopUp::PopUp(const QPoint& screenPoint) {
    menu_->popup(screenPoint);
}

QMenu* AGPopUp::Menu() const {
    return menu_;
}
