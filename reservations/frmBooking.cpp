#include "reservations/frmBooking.h"

#include "administration/RoomStore.h"
#include "administration/TaxStore.h"
#include "administration/frmTax.h"
#include "core/AppPaths.h"
#include "core/Clock.h"
#include "core/CommandGate.h"
#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/RuntimeErrors.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/ListFill.h"
#include "core/ui/NoteBox.h"
#include "core/ui/NumberBoxes.h"
#include "core/ui/Shell.h"
#include "core/ui/WindowPlacement.h"
#include "core/ui/Workspace.h"
#include "reservations/BookingRoomRows.h"
#include "reservations/BookingTariff.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace {

constexpr int kLoadWidthTwips = 10140;
constexpr int kLoadHeightTwips = 8985;

// The rows of a frame stay together at its top when the frame is taller than they are.
void packAtTop(QGridLayout* grid, int rowBelow) {
    grid->setRowStretch(rowBelow, 1);
}

Currency moneyIn(const QLineEdit* box) {
    return Currency::FromText(box->text());
}

} // namespace

frmBooking::frmBooking()
    : placement_(new WindowPlacement(Settings::BookingPlacement, this)) {
    setObjectName(QStringLiteral("frmBooking"));
    setWindowTitle(QStringLiteral("New Booking"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    setTabOrderAsShown();
    connectEvents();
    Form_Load();
}

frmBooking::~frmBooking() {
    BookingFormOpen = false;
}

void frmBooking::ShowWindow() {
    const bool fresh = !LoadedInstance<frmBooking>();
    frmBooking* form = DefaultInstance<frmBooking>();
    QMdiSubWindow* window = Workspace::ShowChild(form);
    if (fresh && window)
        form->restorePlacement(window);
}

void frmBooking::layOut() {
    auto* grid = new QGridLayout(PicInner);
    auto* customer = NewFrame(PicInner, QStringLiteral("Customer Details"));
    buildCustomerDetails(customer);
    auto* rooms = NewFrame(PicInner, QStringLiteral("Rooms Option"));
    buildRoomOptions(rooms);
    auto* tariff = NewFrame(PicInner, QStringLiteral("Tariff Calculation"));
    buildTariff(tariff);
    auto* payments = NewFrame(PicInner, QStringLiteral("Payments"));
    buildPayments(payments);
    auto* notes = NewFrame(PicInner, QStringLiteral("Additional Notes"));
    txtAdditionalNote = NewNoteBox(notes, QStringLiteral("txtAdditionalNote"));
    GrowsWithWindow(txtAdditionalNote, QSize(0, 48));
    // Tab goes on to the buttons, so that Submit is reachable from the keyboard.
    txtAdditionalNote->setTabChangesFocus(true);
    (new QGridLayout(notes))->addWidget(txtAdditionalNote, 0, 0);
    Command3 = NewButton(PicInner, QStringLiteral("Command3"), QStringLiteral("&Refresh && Reset"),
                         QStringLiteral("Refresh & Reset Fields."));
    Command5 = NewButton(PicInner, QStringLiteral("Command5"), QStringLiteral("Submit"),
                         QStringLiteral("Check in Customer"));
    // Wide rather than tall, so that the whole form fits the workspace of a wide screen: the
    // customer on the left, the rooms across the right with the tariff and the payments below
    // them side by side, the notes along the bottom. The lists and the notes take the room a
    // larger window has.
    grid->addWidget(customer, 0, 0, 2, 1);
    grid->addWidget(rooms, 0, 1, 1, 2);
    grid->addWidget(tariff, 1, 1);
    grid->addWidget(payments, 1, 2);
    grid->addWidget(notes, 2, 0, 1, 3);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command5);
    grid->addLayout(buttons, 3, 0, 1, 3);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    SetContentSize(grid->sizeHint());
}

// Tab walks the window as it reads: the customer, the rooms with their buttons, the tariff,
// the payments, the notes, then the buttons below.
void frmBooking::setTabOrderAsShown() {
    const QList<QWidget*> order{
        comboTitle,       txtFName,          txtLName,         txtAddress,
        txtPhone,         comboAdults,       comboMinors,      dtArrival,
        dtDepature,       comboStatus,       ListView1,        Command1,
        Command2,         ListView2,         txtNumberDays,    txtRoomRate,
        txtTax,           txtGrandTotal,     Command7,         Command4,
        Command6,         txtAdvance,        txtDue,           paymentMethod[0],
        paymentMethod[1], paymentMethod[2],  paymentMethod[3], txtPaymentDetails,
        Command8,         txtAdditionalNote, Command3,         Command5};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void frmBooking::buildCustomerDetails(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    comboTitle = NewCombo(panel, QStringLiteral("comboTitle"),
                          {QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Miss."),
                           QStringLiteral("Dr."), QStringLiteral("Prof.")},
                          true, QStringLiteral("Customer Title"));
    txtFName = NewTextBox(panel, QStringLiteral("txtFName"), QStringLiteral("Customer First Name"));
    txtLName = NewTextBox(panel, QStringLiteral("txtLName"), QStringLiteral("Customer Last Name"));
    txtAddress =
        NewTextBox(panel, QStringLiteral("txtAddress"), QStringLiteral("Customer Address"));
    txtPhone = NewTextBox(panel, QStringLiteral("txtPhone"), QStringLiteral("Phone Number"));
    comboAdults = NewCombo(panel, QStringLiteral("comboAdults"), NumbersUpTo(50), true,
                           QStringLiteral("Number of Adults"));
    comboMinors = NewCombo(panel, QStringLiteral("comboMinors"), NumbersUpTo(50), true,
                           QStringLiteral("Number of Minors / Kids"));
    dtArrival = NewDatePicker(panel, QStringLiteral("dtArrival"),
                              QStringLiteral("Check In Date (Arrival)"));
    dtDepature = NewDatePicker(panel, QStringLiteral("dtDepature"));
    comboStatus = NewCombo(panel, QStringLiteral("comboStatus"),
                           {QStringLiteral("Unknown"), QStringLiteral("Checked In"),
                            QStringLiteral("Confirmed"), QStringLiteral("Checked Out"),
                            QStringLiteral("Not Confirmed"), QStringLiteral("N/A")},
                           false);
    Text2 = NewAnchor(panel, QStringLiteral("Text2"));
    AddCaptionRow(grid, 0, QStringLiteral("Title : "), comboTitle);
    AddCaptionRow(grid, 1, QStringLiteral("First Name : "), txtFName);
    AddCaptionRow(grid, 2, QStringLiteral("Last Name : "), txtLName);
    AddCaptionRow(grid, 3, QStringLiteral("Address : "), txtAddress);
    AddCaptionRow(grid, 4, QStringLiteral("Phone, Email etc : "), txtPhone);
    AddCaptionRow(grid, 5, QStringLiteral("No. of Adults : "), comboAdults);
    AddCaptionRow(grid, 6, QStringLiteral("Minors :"), comboMinors);
    AddCaptionRow(grid, 7, QStringLiteral("Check In : "), dtArrival);
    AddCaptionRow(grid, 8, QStringLiteral("Check Out : "), dtDepature);
    AddCaptionRow(grid, 9, QStringLiteral("Booking Status : "), comboStatus);
    grid->addWidget(Text2, 9, 2);
    packAtTop(grid, 10);
}

void frmBooking::buildRoomOptions(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    ListView1 = Named(new ExtLV(panel), QStringLiteral("ListView1"),
                      QStringLiteral("Available Rooms for Booking"));
    ListView2 = Named(new ExtLV(panel), QStringLiteral("ListView2"),
                      QStringLiteral("Added Rooms for Booking"));
    Command1 = NewButton(panel, QStringLiteral("Command1"), QStringLiteral(">"));
    Command2 = NewButton(panel, QStringLiteral("Command2"), QStringLiteral("<"));
    Text1 = NewAnchor(panel, QStringLiteral("Text1"));
    GrowsWithWindow(ListView1, QSize(270, 110));
    GrowsWithWindow(ListView2, QSize(270, 110));
    auto* moves = new QVBoxLayout();
    moves->addStretch();
    moves->addWidget(Command1);
    moves->addWidget(Command2);
    moves->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Available Room(s)")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Added Room(s)")), 0, 2);
    grid->addWidget(ListView1, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(ListView2, 1, 2);
    grid->addWidget(Text1, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
}

void frmBooking::buildTariff(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    txtNumberDays =
        NewTextBox(panel, QStringLiteral("txtNumberDays"), QStringLiteral("Number of Days"));
    txtRoomRate =
        NewTextBox(panel, QStringLiteral("txtRoomRate"), QStringLiteral("Total Room Rate(s)"));
    txtTax = NewTextBox(panel, QStringLiteral("txtTax"), QStringLiteral("Total Tax Amount"));
    txtGrandTotal =
        NewTextBox(panel, QStringLiteral("txtGrandTotal"), QStringLiteral("Grand Total"));
    lbPercent = Named(new QLabel(QStringLiteral("0"), panel), QStringLiteral("lbPercent"));
    Command7 = NewButton(panel, QStringLiteral("Command7"), QStringLiteral("Calculate"));
    Command4 = NewButton(panel, QStringLiteral("Command4"), QStringLiteral("Tax"),
                         QStringLiteral("Open Tax Lists"));
    Command6 = NewButton(panel, QStringLiteral("Command6"), QStringLiteral("Calc"),
                         QStringLiteral("Open Calculater"));
    AddCaptionRow(grid, 0, QStringLiteral("No. of Days : "), txtNumberDays);
    AddCaptionRow(grid, 1, QStringLiteral("Room(s) Rate : "), txtRoomRate);
    AddCaptionRow(grid, 2, QStringLiteral("Tax(s) : "), txtTax);
    auto* percent = new QHBoxLayout();
    percent->addWidget(lbPercent);
    percent->addWidget(new QLabel(QStringLiteral("%")));
    grid->addLayout(percent, 2, 2);
    AddCaptionRow(grid, 3, QStringLiteral("Grand Total : "), txtGrandTotal);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(Command7);
    buttons->addWidget(Command4);
    buttons->addWidget(Command6);
    grid->addLayout(buttons, 4, 0, 1, 3);
    packAtTop(grid, 5);
}

void frmBooking::buildPayments(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    txtAdvance = NewTextBox(panel, QStringLiteral("txtAdvance"),
                            QStringLiteral("Advance Payment by Customer"));
    txtDue = NewTextBox(panel, QStringLiteral("txtDue"), QStringLiteral("Due Amount"));
    AddCaptionRow(grid, 0, QStringLiteral("Advance : "), txtAdvance);
    AddCaptionRow(grid, 1, QStringLiteral("Due : "), txtDue);
    auto* method = NewFrame(panel, QStringLiteral("Payment Method"));
    auto* methods = new QGridLayout(method);
    const QStringList captions{QStringLiteral("Cash"), QStringLiteral("Cheque"),
                               QStringLiteral("Credit Card"), QStringLiteral("Other")};
    for (int i = 0; i < 4; ++i) {
        paymentMethod[i] = Named(new QRadioButton(captions.at(i), method),
                                 QStringLiteral("paymentMethod%1").arg(i));
        methods->addWidget(paymentMethod[i], 0, i);
    }
    picPayDetails = Named(new QFrame(method), QStringLiteral("picPayDetails"));
    // The panel comes and goes without moving the options under the mouse.
    QSizePolicy keepRoom = picPayDetails->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    picPayDetails->setSizePolicy(keepRoom);
    txtPaymentDetails = NewTextBox(picPayDetails, QStringLiteral("txtPaymentDetails"));
    Command8 = NewButton(picPayDetails, QStringLiteral("Command8"), QStringLiteral("OK"));
    auto* details = new QHBoxLayout(picPayDetails);
    details->setContentsMargins(0, 0, 0, 0);
    details->addWidget(txtPaymentDetails);
    details->addWidget(Command8);
    methods->addWidget(picPayDetails, 1, 0, 1, 4);
    grid->addWidget(method, 2, 0, 1, 2);
    packAtTop(grid, 3);
}

void frmBooking::connectEvents() {
    connect(&WindowNotices::Instance(), &WindowNotices::RoomTaxesChanged, this,
            &frmBooking::getAllTax);
    connect(Command1, &QPushButton::clicked, this, &frmBooking::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmBooking::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmBooking::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmBooking::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBooking::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmBooking::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frmBooking::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frmBooking::Command8_Click);
    // The stay is checked once a date is complete, not at each digit typed.
    connect(dtArrival, &DatePicker::DateComplete, this, &frmBooking::CalculateNoDay);
    connect(dtDepature, &DatePicker::DateComplete, this, &frmBooking::CalculateNoDay);
    connect(dtDepature, &QDateEdit::dateChanged, this, [this] { balloon_.Remove(); });
    connect(txtNumberDays, &QLineEdit::textChanged, this, &frmBooking::CalculateNoDay);
    connect(txtGrandTotal, &QLineEdit::textChanged, this, &frmBooking::getDue);
    connect(txtAdvance, &QLineEdit::editingFinished, this, &frmBooking::advanceEntered);
    for (QLineEdit* amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue}) {
        SelectAmountOnClick(amount);
        // Typing answers the box's balloon.
        connect(amount, &QLineEdit::textEdited, this, [this] { balloon_.Remove(); });
    }
    for (ExtLV* list : {ListView1, ListView2})
        connect(list, &ExtLV::MouseDown, this, [this] { balloon_.Remove(); });
    for (int i = 0; i < 4; ++i) {
        connect(paymentMethod[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                paymentMethod_Click(i);
        });
        paymentMethod[i]->installEventFilter(this);
    }
    const QList<QWidget*> watched{comboTitle,    comboAdults,   comboMinors,      txtFName,
                                  txtLName,      txtAddress,    txtPhone,         dtArrival,
                                  dtDepature,    txtNumberDays, txtRoomRate,      txtTax,
                                  txtGrandTotal, txtDue,        txtAdvance,       Command1,
                                  Command2,      comboStatus,   txtPaymentDetails};
    for (QWidget* widget : watched) {
        widget->installEventFilter(this);
        if (auto* box = qobject_cast<QComboBox*>(widget); box && box->lineEdit())
            box->lineEdit()->installEventFilter(this);
    }
}

bool frmBooking::eventFilter(QObject* watched, QEvent* event) {
    QWidget* control = qobject_cast<QWidget*>(watched);
    // An editable combo box's own line edit stands for the box.
    if (control && qobject_cast<QComboBox*>(control->parentWidget()) &&
        qobject_cast<QLineEdit*>(control))
        control = control->parentWidget();
    if (event->type() == QEvent::MouseButtonPress) {
        if (control == txtFName || control == txtLName || control == comboStatus)
            balloon_.Remove();
        else if (control == txtPaymentDetails)
            txtPaymentDetails_Click();
        for (int i = 0; i < 4; ++i)
            if (control == paymentMethod[i])
                paymentMethod_MouseDown(i);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (control == Command1 || control == Command2) {
        static_cast<QPushButton*>(control)->click();
    } else if (control == txtAdvance) {
        advanceEntered();
    } else if (control == dtArrival || control == dtDepature) {
        submitTypedDate(static_cast<DatePicker*>(control));
    } else if (control == comboStatus || control == txtPaymentDetails) {
        return false;
    } else {
        Command5_Click();
    }
    return true;
}

void frmBooking::Form_Load() {
    Guarded(QStringLiteral("BOK008"), [this] {
        BookingFormOpen = true;
        AddColumns(*ListView1, AvailableRoomColumns());
        ListView2->ColumnHeaders().Add(QStringLiteral("Room(s)"),
                                       QStringLiteral("Abbrdrevooooooooo"));
        ListView2->ColumnHeaders().Add(QStringLiteral("Room Type"),
                                       QStringLiteral("Ready-to-Run Visual"));
        ListView2->ColumnHeaders().Add(QStringLiteral("Tariff"), QStringLiteral("Ready-to-Run"));
        comboTitle->setCurrentIndex(0);
        comboAdults->setCurrentIndex(1);
        comboMinors->setCurrentIndex(1);
        comboStatus->setCurrentIndex(0);
        paymentMethod[0]->blockSignals(true);
        paymentMethod[0]->setChecked(true);
        paymentMethod[0]->blockSignals(false);
        picPayDetails->hide();
        showStayFrom(Clock::Today());
        getRoomList();
        getAllTax();
    });
}

void frmBooking::restorePlacement(QMdiSubWindow* window) {
    placement_->Restore(window, TwipsSize(kLoadWidthTwips, kLoadHeightTwips));
}

QVariant frmBooking::getRoomList() {
    return Guarded(QStringLiteral("BOK010"), [this] {
        ListView2->ListItems().Clear();
        RoomStore::OpenRooms();
        FillFromRecordset(*ListView1, AvailableRoomColumns(), BookingRoomValues());
        return QVariant();
    });
}

QVariant frmBooking::getAllTax() {
    return Guarded(QStringLiteral("BOK011"), [this] {
        lbPercent->setText(QStringLiteral("0"));
        for (const Currency& rate : TaxStore::TaxRates(TaxStore::kRoomTax))
            lbPercent->setText((roomTaxPercent() + rate).ToNumberText());
        return QVariant();
    });
}

Currency frmBooking::PercentFunction(const Currency& Percent, const Currency& PercentOf) {
    return Guarded(QStringLiteral("BOK012"),
                   [&] { return BookingTariff::PercentFunction(Percent, PercentOf); });
}

// The summed rates, exact to the four places the tax editor stores.
Currency frmBooking::roomTaxPercent() const {
    return Currency::FromText(lbPercent->text());
}

int frmBooking::numberOfDays() const {
    return BookingTariff::LeadingNumber(txtNumberDays->text());
}

// Both dates at once, so that the date-order check never sees a new arrival beside an old
// departure; then the days as the dates give them.
void frmBooking::showStayFrom(const QDate& arrival) {
    {
        const QSignalBlocker quietArrival(dtArrival);
        const QSignalBlocker quietDeparture(dtDepature);
        dtArrival->setDate(arrival);
        dtDepature->setDate(arrival.addDays(1));
    }
    CalculateNoDay();
}

QVariant frmBooking::CalculateNoDay() {
    return Guarded(QStringLiteral("BOK013"), [this] {
        if (dtDepature->date() < dtArrival->date()) {
            stayRefused_ = true;
            dtDepature->setDate(dtArrival->date().addDays(1));
            Dialogs::Message(QStringLiteral("Date cannot be minus"));
        }
        const QString days =
            QString::number(BookingTariff::NumberOfDays(dtArrival->date(), dtDepature->date()));
        ShowText(txtNumberDays, days);
        return QVariant();
    });
}

// Enter in a date box ends the typing there first; a stay the check refuses is not submitted.
void frmBooking::submitTypedDate(DatePicker* box) {
    stayRefused_ = false;
    box->CompleteTyping();
    if (!stayRefused_)
        Command5_Click();
}

QVariant frmBooking::getDue() {
    // A text that is not one amount leaves the due as it was, never read as another amount.
    IgnoreErrors([this] {
        for (QLineEdit* box : {txtGrandTotal, txtDue, txtAdvance})
            if (box->text().isEmpty())
                box->setText(QStringLiteral("0"));
        const std::optional<Currency> grandTotal = Currency::ParseOneAmount(txtGrandTotal->text());
        const std::optional<Currency> advance = Currency::ParseOneAmount(txtAdvance->text());
        if (!grandTotal || !advance)
            return;
        ShowText(txtAdvance, advance->Format());
        ShowText(txtDue, BookingTariff::Due(*grandTotal, *advance).Format());
    });
    return QVariant();
}

// The advance is entered (Enter, or the focus leaving it): the due follows it, and a text that
// is not one amount gets the Advance balloon while the focus goes where the user moved it.
void frmBooking::advanceEntered() {
    getDue();
    NumbersAccepted(balloon_.Tip(), {MoneyBox(txtAdvance, QStringLiteral("Advance"))},
                    FocusOnRefusal::Stay);
}

void frmBooking::showTaxAndTotal() {
    const Currency tax = PercentFunction(roomTaxPercent(), moneyIn(txtRoomRate));
    ShowText(txtTax, tax.Format());
    ShowText(txtGrandTotal, (moneyIn(txtTax) + moneyIn(txtRoomRate)).Format());
}

void frmBooking::moveRoom(ExtLV* from, ExtLV* to, bool adding) {
    balloon_.Remove();
    if (from->ListItems().Count() == 0)
        return;
    if (!from->HasSelectedItem())
        from->ListItems().Item(1).Selected(true);
    const ListItem row = from->SelectedItem();
    const BookingRoom room = BookingRoomOf(row);
    const int index = row.Index();
    if (txtRoomRate->text().isEmpty())
        txtRoomRate->setText(QStringLiteral("0"));
    if (!NumbersAccepted(balloon_.Tip(), {MoneyBox(txtRoomRate, QStringLiteral("Room(s) Rate"))}))
        return;
    txtRoomRate->setText(
        BookingTariff::MoveRoom(moneyIn(txtRoomRate), room.tariff, numberOfDays(), adding)
            .Format());
    AddBookingRoom(*to, room);
    from->ListItems().Remove(index);
    showTaxAndTotal();
}

// ">": adds the chosen room to the booking.
void frmBooking::Command1_Click() {
    Guarded(QStringLiteral("BOK001"), [this] { moveRoom(ListView1, ListView2, true); });
}

// "<": takes the chosen room out of the booking.
void frmBooking::Command2_Click() {
    Guarded(QStringLiteral("BOK002"), [this] { moveRoom(ListView2, ListView1, false); });
}

// "&Refresh && Reset": every room available again, the tariff boxes empty.
void frmBooking::Command3_Click() {
    Guarded(QStringLiteral("BOK003"), [this] {
        getRoomList();
        txtRoomRate->clear();
        txtTax->clear();
        txtGrandTotal->clear();
    });
}

// "Tax": the tax editor, for a user with the tax privilege.
void frmBooking::Command4_Click() {
    if (CommandGate::Permits(CommandGate::Command::TaxEditor))
        frmTax::ShowWindow();
    else
        Dialogs::Message(GlobalLogin::NoPrivilegeMsg());
}

// "Calc": the desktop's calculator; on a computer without one the user is told so.
void frmBooking::Command6_Click() {
    IgnoreErrors([] {
        const QStringList calculators{
            QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
        for (const QString& calculator : calculators) {
            const QString program = QStandardPaths::findExecutable(calculator);
            if (!program.isEmpty() && Shell::StartProgram(program, {}))
                return;
        }
        Dialogs::Message(QStringLiteral("The calculator could not be opened:") + kLineBreak +
                         Shell::NoProgramOpensIt());
    });
}

// "Calculate": the room rate from the added rooms and the days, then tax and total.
void frmBooking::Command7_Click() {
    Guarded(QStringLiteral("BOK006"), [this] {
        txtRoomRate->clear();
        getAllTax();
        Currency tariffs;
        for (int i = 1; i <= ListView2->ListItems().Count(); ++i)
            tariffs += BookingRoomOf(ListView2->ListItems().Item(i)).tariff;
        txtRoomRate->setText((tariffs * numberOfDays()).Format());
        showTaxAndTotal();
    });
}
