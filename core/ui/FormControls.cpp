#include "core/ui/FormControls.h"

#include "core/ui/DateText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr int kTwipsPerPixel = 15;

} // namespace

int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

QSize TwipsSize(int widthTwips, int heightTwips) {
    return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)};
}

QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& toolTip, int maxLength) {
    auto* box = Named(new QLineEdit(parent), name, toolTip);
    box->setMaxLength(maxLength);
    return box;
}

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text) {
    return Named(new QLabel(text, parent), name);
}

QPlainTextEdit* NewTextArea(QWidget* parent, const QString& name, bool readOnly) {
    auto* area = Named(new QPlainTextEdit(parent), name);
    area->setReadOnly(readOnly);
    return area;
}

QPushButton* NewButton(QWidget* parent, const QString& name, const QString& caption,
                       const QString& toolTip) {
    auto* button = Named(new QPushButton(caption, parent), name, toolTip);
    button->setAutoDefault(false);
    return button;
}

QPushButton* NewPictureButton(QWidget* parent, const QString& name, const QIcon& picture,
                              const QString& toolTip) {
    QPushButton* button = NewButton(parent, name, QString(), toolTip);
    button->setIcon(picture);
    button->setIconSize(QSize(16, 16));
    return button;
}

QCheckBox* NewCheckBox(QWidget* parent, const QString& name, const QString& caption) {
    return Named(new QCheckBox(caption, parent), name);
}

QComboBox* NewCombo(QWidget* parent, const QString& name, const QStringList& items, bool editable,
                    const QString& toolTip) {
    auto* box = Named(new QComboBox(parent), name, toolTip);
    box->setEditable(editable);
    box->addItems(items);
    if (editable)
        box->lineEdit()->setMaxLength(kTextColumnLength);
    return box;
}

void FillUnselected(QComboBox* box, const QStringList& items) {
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
}

QDateEdit* NewDatePicker(QWidget* parent, const QString& name, const QString& toolTip) {
    auto* picker = Named(new QDateEdit(parent), name, toolTip);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(ProgramDateFormat());
    return picker;
}

QGroupBox* NewFrame(QWidget* parent, const QString& caption, const QString& name) {
    auto* frame = new QGroupBox(caption, parent);
    if (!name.isEmpty())
        frame->setObjectName(name);
    return frame;
}

QLabel* NewPicture(QWidget* parent, const QString& name, const QIcon& picture, int size) {
    QLabel* label = NewLabel(parent, name, QString());
    label->setPixmap(picture.pixmap(size, size));
    return label;
}

QLineEdit* NewAnchor(QWidget* parent, const QString& name) {
    QLineEdit* edit = NewTextBox(parent, name);
    edit->setFrame(false);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedWidth(2);
    edit->setStyleSheet(QStringLiteral("background: transparent"));
    return edit;
}

QLabel* AddCaptionRow(QGridLayout* grid, int row, const QString& caption, QWidget* control,
                      int column, int span) {
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(control);
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
    return label;
}

QStringList NumbersUpTo(int last) {
    QStringList numbers;
    for (int i = 0; i <= last; ++i)
        numbers << QString::number(i);
    return numbers;
}

void ShowFieldInUse(QLineEdit* box, bool inUse) {
    box->setEnabled(inUse);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, inUse ? QColor(Qt::white) : palette.color(QPalette::Button));
    box->setPalette(palette);
}

void ShowText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}
