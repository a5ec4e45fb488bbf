#include "reservations/frmBooking.h"

#include "administration/frmTax.h"
#include "core/AppPaths.h"
#include "core/CIniFile.h"
#include "core/Clock.h"
#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/GlobalLogin.h"
#include "core/mainFrm.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/Shell.h"
#include "reservations/BookingTariff.h"

#include "core/ui/FormControls.h"
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
#include <QStandardPaths>

bool BookingFormOpen = false;

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kLoadWidthTwips = 10140;
constexpr int kLoadHeightTwips = 8985;

QComboBox* combo(QWidget* parent, const QString& name, const QStringList& items, bool editable,
                 const QString& tip = {}) {
    auto* box = Named(new QComboBox(parent), name, tip);
    box->setEditable(editable);
    box->addItems(items);
    return box;
}

QDateEdit* datePicker(QWidget* parent, const QString& name, const QString& tip = {}) {
    auto* picker = Named(new QDateEdit(parent), name, tip);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return picker;
}

// A field the window keeps beside a control only so a balloon can point at it.
QLineEdit* anchor(QWidget* parent, const QString& name) {
    auto* edit = NewTextBox(parent, name);
    edit->setFrame(false);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedWidth(2);
    edit->setStyleSheet(QStringLiteral("background: transparent"));
    return edit;
}

QGroupBox* frame(QWidget* parent, const QString& caption) {
    return new QGroupBox(caption, parent);
}

void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* control) {
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(control, row, 1);
}

QStringList numbersUpTo(int last) {
    QStringList numbers;
    for (int i = 0; i <= last; ++i)
        numbers << QString::number(i);
    return numbers;
}

Currency moneyIn(const QLineEdit* box) {
    return Currency::FromText(box->text());
}

// Setting a box to the text it holds would still lay it out and signal a change.
void showText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

CIniFile placementIni() {
    return ConfigIni(QStringLiteral("bokpos"));
}

QMdiSubWindow* childWindowOf(const QWidget* form) {
    return qobject_cast<QMdiSubWindow*>(form->parentWidget());
}

} // namespace

frmBooking::frmBooking() {
    setObjectName(QStringLiteral("frmBooking"));
    setWindowTitle(QStringLiteral("New Booking"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmBooking::~frmBooking() {
    BookingFormOpen = false;
}

void frmBooking::ShowWindow() {
    const bool fresh = !LoadedInstance<frmBooking>();
    frmBooking* form = DefaultInstance<frmBooking>();
    QMdiSubWindow* window = mainFrm::ShowChild(form);
    if (fresh && window)
        form->restorePlacement(window);
}

void frmBooking::layOut() {
    auto* grid = new QGridLayout(PicInner);
    auto* customer = frame(PicInner, QStringLiteral("Customer Details"));
    buildCustomerDetails(customer);
    auto* rooms = frame(PicInner, QStringLiteral("Rooms Option"));
    buildRoomOptions(rooms);
    auto* tariff = frame(PicInner, QStringLiteral("Tariff Calculation"));
    buildTariff(tariff);
    auto* payments = frame(PicInner, QStringLiteral("Payments"));
    buildPayments(payments);
    auto* notes = frame(PicInner, QStringLiteral("Additional Notes"));
    txtAdditionalNote = Named(new QPlainTextEdit(notes), QStringLiteral("txtAdditionalNote"));
    txtAdditionalNote->setFixedHeight(60);
    (new QGridLayout(notes))->addWidget(txtAdditionalNote, 0, 0);
    Command3 = NewButton(PicInner, QStringLiteral("Command3"), QStringLiteral("&Refresh && Reset"),
                         QStringLiteral("Refresh & Reset Fields."));
    Command5 = NewButton(PicInner, QStringLiteral("Command5"), QStringLiteral("Submit"),
                         QStringLiteral("Check in Customer"));
    grid->addWidget(customer, 0, 0, 2, 1);
    grid->addWidget(rooms, 0, 1);
    grid->addWidget(tariff, 1, 1);
    grid->addWidget(payments, 2, 0);
    grid->addWidget(notes, 2, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command5);
    grid->addLayout(buttons, 3, 0, 1, 2);
    SetContentSize(grid->sizeHint());
}

void frmBooking::buildCustomerDetails(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    comboTitle = combo(panel, QStringLiteral("comboTitle"),
                       {QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Miss."),
                        QStringLiteral("Dr."), QStringLiteral("Prof.")},
                       true, QStringLiteral("Customer Title"));
    txtFName = NewTextBox(panel, QStringLiteral("txtFName"), QStringLiteral("Customer First Name"));
    txtLName = NewTextBox(panel, QStringLiteral("txtLName"), QStringLiteral("Customer Last Name"));
    txtAddress =
        NewTextBox(panel, QStringLiteral("txtAddress"), QStringLiteral("Customer Address"));
    txtPhone = NewTextBox(panel, QStringLiteral("txtPhone"), QStringLiteral("Phone Number"));
    comboAdults = combo(panel, QStringLiteral("comboAdults"), numbersUpTo(50), true,
                        QStringLiteral("Number of Adults"));
    comboMinors = combo(panel, QStringLiteral("comboMinors"), numbersUpTo(50), true,
                        QStringLiteral("Number of Minors / Kids"));
    dtArrival =
        datePicker(panel, QStringLiteral("dtArrival"), QStringLiteral("Check In Date (Arrival)"));
    dtDepature = datePicker(panel, QStringLiteral("dtDepature"));
    comboStatus = combo(panel, QStringLiteral("comboStatus"),
                        {QStringLiteral("Unknown"), QStringLiteral("Checked In"),
                         QStringLiteral("Confirmed"), QStringLiteral("Checked Out"),
                         QStringLiteral("Not Confirmed"), QStringLiteral("N/A")},
                        false);
    Text2 = anchor(panel, QStringLiteral("Text2"));
    addRow(grid, 0, QStringLiteral("Title : "), comboTitle);
    addRow(grid, 1, QStringLiteral("First Name : "), txtFName);
    addRow(grid, 2, QStringLiteral("Last Name : "), txtLName);
    addRow(grid, 3, QStringLiteral("Address : "), txtAddress);
    addRow(grid, 4, QStringLiteral("Phone, Email etc : "), txtPhone);
    addRow(grid, 5, QStringLiteral("No. of Adults : "), comboAdults);
    addRow(grid, 6, QStringLiteral("Minors :"), comboMinors);
    addRow(grid, 7, QStringLiteral("Check In : "), dtArrival);
    addRow(grid, 8, QStringLiteral("Check Out : "), dtDepature);
    addRow(grid, 9, QStringLiteral("Booking Status : "), comboStatus);
    grid->addWidget(Text2, 9, 2);
}

void frmBooking::buildRoomOptions(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    ListView1 = Named(new ExtLV(panel), QStringLiteral("ListView1"),
                      QStringLiteral("Available Rooms for Booking"));
    ListView2 = Named(new ExtLV(panel), QStringLiteral("ListView2"),
                      QStringLiteral("Added Rooms for Booking"));
    Command1 = NewButton(panel, QStringLiteral("Command1"), QStringLiteral(">"));
    Command2 = NewButton(panel, QStringLiteral("Command2"), QStringLiteral("<"));
    Text1 = anchor(panel, QStringLiteral("Text1"));
    ListView1->setFixedSize(300, 150);
    ListView2->setFixedSize(300, 150);
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
    addRow(grid, 0, QStringLiteral("No. of Days : "), txtNumberDays);
    addRow(grid, 1, QStringLiteral("Room(s) Rate : "), txtRoomRate);
    addRow(grid, 2, QStringLiteral("Tax(s) : "), txtTax);
    auto* percent = new QHBoxLayout();
    percent->addWidget(lbPercent);
    percent->addWidget(new QLabel(QStringLiteral("%")));
    grid->addLayout(percent, 2, 2);
    addRow(grid, 3, QStringLiteral("Grand Total : "), txtGrandTotal);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(Command7);
    buttons->addWidget(Command4);
    buttons->addWidget(Command6);
    grid->addLayout(buttons, 4, 0, 1, 3);
}

void frmBooking::buildPayments(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    txtAdvance = NewTextBox(panel, QStringLiteral("txtAdvance"),
                            QStringLiteral("Advance Payment by Customer"));
    txtDue = NewTextBox(panel, QStringLiteral("txtDue"), QStringLiteral("Due Amount"));
    addRow(grid, 0, QStringLiteral("Advance : "), txtAdvance);
    addRow(grid, 1, QStringLiteral("Due : "), txtDue);
    auto* method = frame(panel, QStringLiteral("Payment Method"));
    auto* methods = new QGridLayout(method);
    const QStringList captions{QStringLiteral("Cash"), QStringLiteral("Cheque"),
                               QStringLiteral("Credit Card"), QStringLiteral("Other")};
    for (int i = 0; i < 4; ++i) {
        paymentMethod[i] = Named(new QRadioButton(captions.at(i), method),
                                 QStringLiteral("paymentMethod%1").arg(i));
        methods->addWidget(paymentMethod[i], i / 2, i % 2);
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
    methods->addWidget(picPayDetails, 2, 0, 1, 2);
    grid->addWidget(method, 2, 0, 1, 2);
}

void frmBooking::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &frmBooking::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmBooking::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmBooking::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmBooking::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmBooking::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmBooking::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frmBooking::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frmBooking::Command8_Click);
    connect(dtArrival, &QDateEdit::dateChanged, this, &frmBooking::CalculateNoDay);
    connect(dtDepature, &QDateEdit::dateChanged, this, [this] {
        balloon_.Remove();
        CalculateNoDay();
    });
    connect(txtNumberDays, &QLineEdit::textChanged, this, &frmBooking::CalculateNoDay);
    connect(txtGrandTotal, &QLineEdit::textChanged, this, &frmBooking::getDue);
    connect(txtAdvance, &QLineEdit::editingFinished, this, &frmBooking::getDue);
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
        getDue();
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
        ListView1->ColumnHeaders().Add(QStringLiteral("Room(s)"), QStringLiteral("Abbrdrevooo"));
        ListView1->ColumnHeaders().Add(QStringLiteral("Room Type"),
                                       QStringLiteral("Ready-to-Run Visual"));
        ListView1->ColumnHeaders().Add(QStringLiteral("Tariff"),
                                       QStringLiteral("Ready-to-Run Visual"));
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
        dtArrival->setDate(Clock::Today());
        dtDepature->setDate(dtArrival->date().addDays(1));
        getRoomList();
        getAllTax();
    });
}

void frmBooking::restorePlacement(QMdiSubWindow* window) {
    IgnoreErrors([&] {
        CIniFile ini = placementIni();
        ini.LoadFormPos(window, 3000, 3000);
        window->resize(kLoadWidthTwips / kTwipsPerPixel, kLoadHeightTwips / kTwipsPerPixel);
        ini.Key(QStringLiteral("bokState"));
        const QString state = ini.Value();
        // With nothing stored the window starts minimised.
        const int windowState = state.isEmpty() ? 1 : state.toInt();
        if (windowState == 1)
            window->showMinimized();
        else if (windowState == 2)
            window->showMaximized();
    });
    window->installEventFilter(this);
    placementLoaded_ = true;
}

void frmBooking::resizeEvent(QResizeEvent* event) {
    ScrollableWindow::resizeEvent(event);
    Form_Resize();
}

void frmBooking::Form_Resize() {
    QMdiSubWindow* window = childWindowOf(this);
    if (!placementLoaded_ || !window)
        return;
    IgnoreErrors([window] {
        CIniFile ini = placementIni();
        ini.SaveFormPos(window);
        ini.Key(QStringLiteral("bokState"));
        const int state = window->isMinimized() ? 1 : window->isMaximized() ? 2 : 0;
        ini.Value(QString::number(state));
    });
}

QVariant frmBooking::getRoomList() {
    return Guarded(QStringLiteral("BOK010"), [this] {
        ListView1->ListItems().Clear();
        ListView2->ListItems().Clear();
        theDBworks::OpenRecordset(QStringLiteral("SELECT * FROM tbl_Rooms"));
        Recordset& rooms = theDBworks::DBRecordset();
        for (rooms.MoveFirst(); !rooms.AtEOF(); rooms.MoveNext()) {
            if (rooms.FirstColumnEmpty())
                continue;
            ListItem room = ListView1->ListItems().Add(rooms.Text(QStringLiteral("RoomNameID")));
            room.SubItems(1, rooms.Text(QStringLiteral("RoomType"))
                                 .replace(QStringLiteral("!*!"), QStringLiteral("'")));
            room.SubItems(2, rooms.Money(QStringLiteral("RoomPrice")).Format());
        }
        return QVariant();
    });
}

QVariant frmBooking::getAllTax() {
    return Guarded(QStringLiteral("BOK011"), [this] {
        lbPercent->setText(QStringLiteral("0"));
        theDBworks::OpenRecordset(QStringLiteral("SELECT TaxRate FROM tbl_Tax WHERE TaxCat=1"));
        Recordset& taxes = theDBworks::DBRecordset();
        double percent = 0;
        for (taxes.MoveFirst(); !taxes.AtEOF(); taxes.MoveNext()) {
            if (taxes.FirstColumnEmpty())
                continue;
            percent = roomTaxPercent() + taxes.Fields(QStringLiteral("TaxRate")).toDouble();
            lbPercent->setText(QLocale().toString(percent, 'g', 15));
        }
        return QVariant();
    });
}

double frmBooking::PercentFunction(double Percent, double PercentOf) {
    return Guarded(QStringLiteral("BOK012"),
                   [&] { return BookingTariff::PercentFunction(Percent, PercentOf); });
}

double frmBooking::roomTaxPercent() const {
    bool ok = false;
    const double percent = QLocale().toDouble(lbPercent->text(), &ok);
    if (!ok)
        throw StaymarkError(QStringLiteral("Type mismatch"), 13);
    return percent;
}

int frmBooking::numberOfDays() const {
    return BookingTariff::LeadingNumber(txtNumberDays->text());
}

QVariant frmBooking::CalculateNoDay() {
    return Guarded(QStringLiteral("BOK013"), [this] {
        if (dtDepature->date() < dtArrival->date()) {
            dtDepature->setDate(dtArrival->date().addDays(1));
            Dialogs::Message(QStringLiteral("Date cannot be minus"));
        }
        const QString days =
            QString::number(BookingTariff::NumberOfDays(dtArrival->date(), dtDepature->date()));
        showText(txtNumberDays, days);
        return QVariant();
    });
}

QVariant frmBooking::getDue() {
    // Amounts that are no money leave the due as it was; the window has no message for them.
    IgnoreErrors([this] {
        for (QLineEdit* box : {txtGrandTotal, txtDue, txtAdvance})
            if (box->text().isEmpty())
                box->setText(QStringLiteral("0"));
        const Currency grandTotal = moneyIn(txtGrandTotal);
        const Currency advance = moneyIn(txtAdvance);
        showText(txtAdvance, advance.Format());
        showText(txtDue, BookingTariff::Due(grandTotal, advance).Format());
    });
    return QVariant();
}

void frmBooking::showTaxAndTotal() {
    const Currency roomRate = moneyIn(txtRoomRate);
    const Currency tax =
        Currency::FromDouble(PercentFunction(roomTaxPercent(), roomRate.ToDouble()));
    showText(txtTax, tax.Format());
    showText(txtGrandTotal, (moneyIn(txtTax) + moneyIn(txtRoomRate)).Format());
}

void frmBooking::moveRoom(ExtLV* from, ExtLV* to, bool adding) {
    balloon_.Remove();
    if (from->ListItems().Count() == 0)
        return;
    if (!from->HasSelectedItem())
        from->ListItems().Item(1).Selected(true);
    const ListItem room = from->SelectedItem();
    const QString roomId = room.Text();
    const QString roomType = room.SubItems(1);
    const Currency tariff = Currency::FromText(room.SubItems(2));
    const int index = room.Index();
    if (txtRoomRate->text().isEmpty())
        txtRoomRate->setText(QStringLiteral("0"));
    txtRoomRate->setText(
        BookingTariff::MoveRoom(moneyIn(txtRoomRate), tariff, numberOfDays(), adding).Format());
    ListItem moved = to->ListItems().Add(roomId);
    moved.SubItems(1, roomType);
    moved.SubItems(2, tariff.Format());
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
    if (GlobalLogin::IsLoggedIn && GlobalLogin::PrivModifyTax == 1)
        frmTax::ShowWindow();
    else
        Dialogs::Message(GlobalLogin::NoPrivilegeMsg());
}

// "Calc": the desktop's calculator.
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
    });
}

// "Calculate": the room rate from the added rooms and the days, then tax and total.
void frmBooking::Command7_Click() {
    Guarded(QStringLiteral("BOK006"), [this] {
        txtRoomRate->clear();
        getAllTax();
        Currency tariffs;
        for (int i = 1; i <= ListView2->ListItems().Count(); ++i)
            tariffs += Currency::FromText(ListView2->ListItems().Item(i).SubItems(2));
        txtRoomRate->setText((tariffs * numberOfDays()).Format());
        showTaxAndTotal();
    });
}
