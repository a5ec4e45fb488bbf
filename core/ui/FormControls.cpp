#include "core/ui/FormControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& toolTip) {
    return Named(new QLineEdit(parent), name, toolTip);
}

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QLabel(text, parent), name);
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& toolTip) {
    auto* button = Named(new QPushButton(caption, parent), name, toolTip);
    button->setAutoDefault(false);
    return button;
}
