#include "food_orders/frmFoodTxtView.h"

#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/CDLG.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FormControls.h"
#include "core/ui/Workspace.h"
#include "food_orders/RtfWriter.h"
#include "reservations/BookingTariff.h"

#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTextEdit>
#include <QToolBar>

namespace {

const QString kDesignFont = QStringLiteral("Arial");
constexpr int kDesignSize = 12;
constexpr int kBottomMarginTwips = 500;
constexpr int kWidthTwips = 10500;
constexpr int kHeightTwips = 7500;

struct ToolButton {
    const char* key;
    const char* caption;
    const char* toolTip;
    bool checkable;
};

// In the toolbar's order; the captions stand until the program's pictures take their place.
constexpr ToolButton kButtons[] = {
    {"boldi", "B", "Blod", true},
    {"italici", "I", "Italic", true},
    {"underlinei", "U", "Underline", true},
    {"alignlefti", "Left", "Align Left", false},
    {"aligncenteri", "Center", "Align Center", false},
    {"alinerighti", "Right", "Align Rigt", false},
    {"cuti", "Cut", "Cut", false},
    {"copyi", "Copy", "Copy", false},
    {"pastei", "Paste", "Paste", false},
    {"colori", "Color", "Font Color", false},
    {"backcolori", "Back Color", "", false},
    {"savei", "Save", "", false},
    {"undokey", "Undo", "", false},
    {"redokey", "Redo", "", false},
};

// The pictures of imlToolbarIcons, by button key; the program's icons take their place.
QIcon toolbarPicture(const QString& /*key*/) {
    return QIcon();
}

// Every font the system has, in its order; the editor's own font shows even where the system
// draws it with a font of another name.
QStringList fontNames() {
    QStringList names = QFontDatabase::families();
    if (!names.contains(kDesignFont))
        names.prepend(kDesignFont);
    return names;
}

bool isEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

} // namespace

frmFoodTxtView::frmFoodTxtView(FoodBill bill)
    : bill_(std::move(bill)) {
    setObjectName(QStringLiteral("frmFoodTxtView"));
    setWindowTitle(QStringLiteral("Food & Beverages Details"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmFoodTxtView::~frmFoodTxtView() = default;

void frmFoodTxtView::ShowBill(const FoodBill& bill) {
    QPointer<frmFoodTxtView>& form = InstanceSlot<frmFoodTxtView>();
    if (!form)
        form = new frmFoodTxtView(bill);
    Workspace::ShowChild(form);
}

QAction* frmFoodTxtView::Button(const QString& key) const {
    return buttons_.value(key);
}

void frmFoodTxtView::layOut() {
    CoolBar1 = Named(new QWidget(this), QStringLiteral("CoolBar1"));
    // The two bands one above the other, so that neither hides buttons of the other.
    auto* bands = new QVBoxLayout(CoolBar1);
    bands->setContentsMargins(2, 2, 2, 2);
    bands->setSpacing(2);
    buildToolbar();
    Picture2 = Named(new QWidget(CoolBar1), QStringLiteral("Picture2"));
    Combo1 = NewCombo(Picture2, QStringLiteral("Combo1"), {}, false, QStringLiteral("Font"));
    Combo2 = NewCombo(Picture2, QStringLiteral("Combo2"), {}, true, QStringLiteral("Font Size"));
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    auto* fonts = new QHBoxLayout(Picture2);
    fonts->setContentsMargins(0, 0, 0, 0);
    fonts->addWidget(Combo1);
    fonts->addWidget(Combo2);
    fonts->addStretch();
    bands->addWidget(Toolbar1);
    bands->addWidget(Picture2);
    RichText = Named(new QTextEdit(this), QStringLiteral("RichText"));
    RichText->setAcceptRichText(true);
    RichText->setContextMenuPolicy(Qt::NoContextMenu);
    RichText->setFont(QFont(kDesignFont, kDesignSize));
    // Tab stops every half inch, as the saved file's readers place them.
    RichText->setTabStopDistance(TwipsToPixels(720));
    popMnu = new AGPopUp(this);
    popMnu->AddItem(QStringLiteral("Cut"), QStringLiteral("txtMnuCut"));
    popMnu->AddItem(QStringLiteral("Copy"), QStringLiteral("txtMnuCopy"));
    popMnu->AddItem(QStringLiteral("&Paste"), QStringLiteral("txtMnuPaste"));
    popMnu->AddItem(QStringLiteral("-"), QStringLiteral("txtMnuSep1"));
    popMnu->AddItem(QStringLiteral("Undo"), QStringLiteral("txtMnuUndo"));
    popMnu->AddItem(QStringLiteral("Redo"), QStringLiteral("txtMnuRedo"));
    popMnu->AddItem(QStringLiteral("-"), QStringLiteral("txtMnuSep2"));
    popMnu->AddItem(QStringLiteral("&Select All"), QStringLiteral("txtMnuSelect"));
}

void frmFoodTxtView::buildToolbar() {
    Toolbar1 = Named(new QToolBar(CoolBar1), QStringLiteral("Toolbar1"));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ToolButton& button : kButtons) {
        const QString key = QString::fromLatin1(button.key);
        QAction* action =
            Toolbar1->addAction(toolbarPicture(key), QString::fromLatin1(button.caption));
        action->setObjectName(key);
        action->setToolTip(QString::fromLatin1(button.toolTip));
        action->setCheckable(button.checkable);
        buttons_.insert(key, action);
    }
}

void frmFoodTxtView::connectEvents() {
    for (auto it = buttons_.cbegin(); it != buttons_.cend(); ++it) {
        const QString key = it.key();
        connect(it.value(), &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    connect(Combo1, &QComboBox::activated, this, &frmFoodTxtView::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &frmFoodTxtView::Combo2_Click);
    connect(popMnu, &AGPopUp::MenuClick, this, &frmFoodTxtView::popMnu_MenuClick);
    connect(RichText, &QTextEdit::currentCharFormatChanged, this,
            &frmFoodTxtView::showCharacterState);
    RichText->installEventFilter(this);
    RichText->viewport()->installEventFilter(this);
    Combo2->lineEdit()->installEventFilter(this);
}

void frmFoodTxtView::Form_Load() {
    Combo1->addItems(fontNames());
    Combo1->setCurrentText(kDesignFont);
    for (int size = 8; size <= 20; ++size)
        Combo2->addItem(QString::number(size));
    Combo2->setEditText(QString::number(kDesignSize));
    Display_FoodDetails();
}

void frmFoodTxtView::Display_FoodDetails() {
    WriteBill(*RichText->document(), bill_);
}

bool frmFoodTxtView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A size typed into the box is not applied.
        if (watched == Combo2->lineEdit() && isEnter(*key))
            return true;
        if (watched == RichText && key->key() == Qt::Key_Tab &&
            key->modifiers() == Qt::NoModifier) {
            RichText->textCursor().insertText(QStringLiteral("\t"));
            return true;
        }
    }
    if (watched == RichText->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            popMnu->PopUp(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return false;
}

QSize frmFoodTxtView::sizeHint() const {
    return TwipsSize(kWidthTwips, kHeightTwips);
}

void frmFoodTxtView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int band = CoolBar1->sizeHint().height();
    CoolBar1->setGeometry(0, 0, width(), band);
    const int height = this->height() - TwipsToPixels(kBottomMarginTwips);
    if (height > 0)
        RichText->setGeometry(0, band, width(), height);
}

void frmFoodTxtView::Undo() {
    RichText->undo();
}
void frmFoodTxtView::Redo() {
    RichText->redo();
}
void frmFoodTxtView::cut() {
    RichText->cut();
}
void frmFoodTxtView::copy() {
    RichText->copy();
}
void frmFoodTxtView::paste() {
    RichText->paste();
}

void frmFoodTxtView::Toolbar1_ButtonClick(const QString& key) {
    const std::pair<const char*, void (frmFoodTxtView::*)()> actions[] = {
        {"boldi", &frmFoodTxtView::switchBold},
        {"italici", &frmFoodTxtView::switchItalic},
        {"underlinei", &frmFoodTxtView::switchUnderline},
        {"cuti", &frmFoodTxtView::cut},
        {"copyi", &frmFoodTxtView::copy},
        {"pastei", &frmFoodTxtView::paste},
        {"colori", &frmFoodTxtView::chooseTextColour},
        {"backcolori", &frmFoodTxtView::chooseBackgroundColour},
        {"savei", &frmFoodTxtView::saveAsRichText},
        {"undokey", &frmFoodTxtView::Undo},
        {"redokey", &frmFoodTxtView::Redo},
    };
    for (const auto& [name, action] : actions)
        if (key == QLatin1String(name))
            (this->*action)();
    const std::pair<const char*, Qt::Alignment> alignments[] = {
        {"alignlefti", Qt::AlignLeft | Qt::AlignAbsolute},
        {"aligncenteri", Qt::AlignHCenter},
        {"alinerighti", Qt::AlignRight | Qt::AlignAbsolute},
    };
    for (const auto& [name, alignment] : alignments)
        if (key == QLatin1String(name))
            RichText->setAlignment(alignment);
}

void frmFoodTxtView::applyToSelection(const QTextCharFormat& format) {
    RichText->mergeCurrentCharFormat(format);
    showCharacterState();
}

void frmFoodTxtView::switchBold() {
    QTextCharFormat format;
    format.setFontWeight(RichText->fontWeight() > QFont::Normal ? QFont::Normal : QFont::Bold);
    applyToSelection(format);
}

void frmFoodTxtView::switchItalic() {
    QTextCharFormat format;
    format.setFontItalic(!RichText->fontItalic());
    applyToSelection(format);
}

void frmFoodTxtView::switchUnderline() {
    QTextCharFormat format;
    format.setFontUnderline(!RichText->fontUnderline());
    applyToSelection(format);
}

void frmFoodTxtView::showCharacterState() {
    Button(QStringLiteral("boldi"))->setChecked(RichText->fontWeight() > QFont::Normal);
    Button(QStringLiteral("italici"))->setChecked(RichText->fontItalic());
    Button(QStringLiteral("underlinei"))->setChecked(RichText->fontUnderline());
}

// A font name chosen from the list: the selection takes it.
void frmFoodTxtView::Combo1_Click() {
    QTextCharFormat format;
    format.setFontFamilies({Combo1->currentText()});
    applyToSelection(format);
}

// A size chosen from the list: the selection takes it, and the box keeps the focus.
void frmFoodTxtView::Combo2_Click() {
    const int size = BookingTariff::LeadingNumber(Combo2->currentText());
    if (size > 0) {
        QTextCharFormat format;
        format.setFontPointSize(size);
        applyToSelection(format);
    }
    Combo2->setFocus();
}

std::optional<QColor> frmFoodTxtView::chosenColour(const QString& title) const {
    const std::optional<QColor> colour = Dialogs::ChooseColor(Qt::black, title);
    // Black is what the dialog gives when nothing was chosen: it is never applied.
    if (!colour || !colour->isValid() || colour->rgb() == QColor(Qt::black).rgb())
        return std::nullopt;
    return colour;
}

void frmFoodTxtView::chooseTextColour() {
    if (const std::optional<QColor> colour = chosenColour(QStringLiteral("Text Colour"))) {
        QTextCharFormat format;
        format.setForeground(*colour);
        applyToSelection(format);
    }
}

void frmFoodTxtView::chooseBackgroundColour() {
    if (const std::optional<QColor> colour = chosenColour(QStringLiteral("Background Colour"))) {
        QPalette palette = RichText->palette();
        palette.setColor(QPalette::Base, *colour);
        RichText->setPalette(palette);
        background_ = colour;
    }
}

void frmFoodTxtView::saveAsRichText() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Save");
    request.filter = QStringLiteral("All Files (*.rtf)");
    request.overwritePrompt = false;
    const QString chosen = Dialogs::SaveFileName(request);
    if (chosen.isEmpty())
        return;
    // The filter's ending, as the chart and the list exports add theirs.
    const QString path = CDLG::WithEnding(chosen, QStringLiteral("rtf"));
    if (!RtfWriter::WriteFile(path, *RichText->document(), background_))
        Dialogs::Message(QStringLiteral("Path/File access error") + kLineBreak + path,
                         Dialogs::Icon::Critical);
}

void frmFoodTxtView::popMnu_MenuClick(const QString& itemName) {
    const std::pair<const char*, void (frmFoodTxtView::*)()> items[] = {
        {"txtMnuCut", &frmFoodTxtView::cut},     {"txtMnuCopy", &frmFoodTxtView::copy},
        {"txtMnuPaste", &frmFoodTxtView::paste}, {"txtMnuUndo", &frmFoodTxtView::Undo},
        {"txtMnuRedo", &frmFoodTxtView::Redo},
    };
    for (const auto& [name, action] : items)
        if (itemName == QLatin1String(name))
            (this->*action)();
    if (itemName == QLatin1String("txtMnuSelect")) {
        RichText->selectAll();
        RichText->setFocus();
    }
}
