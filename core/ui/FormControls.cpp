#include "core/ui/FormControls.h"

#include "core/ui/DatePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int kTwipsPerPixel = 15;

bool isLoneSurrogate(const QString& text, qsizetype i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text.at(i - 1).isHighSurrogate();
    return false;
}

// Every half of a character left is paired: each pair counts once.
qsizetype characterCount(const QString& text) {
    return text.size() -
           std::count_if(text.cbegin(), text.cend(), [](QChar c) { return c.isHighSurrogate(); });
}

// Holds a box to a number of whole characters (code points, as a database column counts
// them), not UTF-16 units, and never keeps half of one. What does not fit is cut from the end
// of what was just typed or pasted, which ends at the cursor, so the rest of the text stays.
class WholeCharacterLimit final : public QValidator {
public:
    WholeCharacterLimit(int limit, QObject* parent)
        : QValidator(parent)
        , limit_(limit) {}

    State validate(QString& text, int& cursor) const override {
        for (qsizetype i = text.size() - 1; i >= 0; --i) {
            if (!isLoneSurrogate(text, i))
                continue;
            text.remove(i, 1);
            if (i < cursor)
                --cursor;
        }
        for (qsizetype excess = characterCount(text) - limit_; excess > 0; --excess) {
            // One whole character before the cursor, or at the end once none is left before it.
            const qsizetype end = cursor > 0 ? cursor : text.size();
            const qsizetype width = end > 1 && text.at(end - 1).isLowSurrogate() ? 2 : 1;
            text.remove(end - width, width);
            if (cursor > 0)
                cursor -= int(width);
        }
        return Acceptable;
    }

private:
    int limit_;
};

void limitToWholeCharacters(QLineEdit* box, int limit) {
    // The box's own limit counts UTF-16 units: it only keeps a paste from growing without end.
    box->setMaxLength(std::min(2 * limit, 32767));
    box->setValidator(new WholeCharacterLimit(limit, box));
}

} // namespace

int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

int PixelsToTwips(qreal pixels) {
    return qRound(pixels * kTwipsPerPixel);
}

QSize TwipsSize(int widthTwips, int heightTwips) {
    return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)};
}

QLineEdit* NewTextBox(QWidget* parent, const QString& name, const QString& toolTip, int maxLength) {
    auto* box = Named(new QLineEdit(parent), name, toolTip);
    limitToWholeCharacters(box, maxLength);
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
        limitToWholeCharacters(box->lineEdit(), kTextColumnLength);
    return box;
}

void FillUnselected(QComboBox* box, const QStringList& items) {
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
}

DatePicker* NewDatePicker(QWidget* parent, const QString& name, const QString& toolTip) {
    return Named(new DatePicker(parent), name, toolTip);
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
