#include "reports/frmLog.h"

#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/Recordset.h"
#include "core/ui/AGPopUp.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "core/ui/FormControls.h"
#include "core/ui/ListFill.h"
#include "core/ui/SpareWidthColumn.h"
#include "core/ui/Workspace.h"
#include "reports/LogColumns.h"
#include "reports/LogStore.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kAllLogs = QStringLiteral("All Logs");
const QString kRemoveItem = QStringLiteral("mnuRemoveLog");
const QString kClearItem = QStringLiteral("mnuClearLog");
constexpr int kRightButton = 2;

// The filter's texts and the keys they stand for; any other text shows every row.
struct Filter {
    QString text;
    QString key;
};
const QList<Filter>& filters() {
    static const QList<Filter> table{
        {kAllLogs, kAllLogs},
        {QStringLiteral("Bookings"), QStringLiteral("Bookings")},
        {QStringLiteral("Room Added Removed"), QStringLiteral("RoomAddedRemove")},
        {QStringLiteral("Database Changes"), QStringLiteral("DBChanges")},
        {QStringLiteral("User Log In/Out"), QStringLiteral("LoginLogout")},
    };
    return table;
}

QString keyOfText(const QString& text) {
    for (const Filter& filter : filters())
        if (filter.text == text)
            return filter.key;
    return kAllLogs;
}

QStringList filterTexts() {
    QStringList texts;
    for (const Filter& filter : filters())
        texts << filter.text;
    return texts;
}

} // namespace

frmLog::frmLog() {
    setObjectName(QStringLiteral("frmLog"));
    setWindowTitle(QStringLiteral("Staymark Logs"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmLog::~frmLog() = default;

void frmLog::ShowWindow() {
    Workspace::ShowChild(DefaultInstance<frmLog>());
}

void frmLog::layOut() {
    Label1 = NewLabel(PicInner, QStringLiteral("Label1"), QStringLiteral("Log View :"));
    Combo1 = NewCombo(PicInner, QStringLiteral("Combo1"), {}, false);
    Combo1->setMinimumContentsLength(18);
    Command1 = NewButton(PicInner, QStringLiteral("Command1"), QStringLiteral("Clear Log"));
    logList = Named(new ExtLV(PicInner), QStringLiteral("logList"));
    AGPopUp1 = new AGPopUp(this);
    AGPopUp1->setObjectName(QStringLiteral("AGPopUp1"));
    AGPopUp1->AddItem(QStringLiteral("&Remove Selected Log"), kRemoveItem);
    AGPopUp1->AddItem(QStringLiteral("-"), QStringLiteral("m"));
    AGPopUp1->AddItem(QStringLiteral("&Clear All Logs"), kClearItem);

    auto* grid = new QGridLayout(PicInner);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Command1, 0, 3);
    grid->setColumnStretch(2, 1);
    grid->addWidget(logList, 1, 0, 1, 4);
    SetContentSize(TwipsSize(11400, 6600));
}

void frmLog::connectEvents() {
    connect(Combo1, &QComboBox::currentIndexChanged, this, &frmLog::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmLog::Command1_Click);
    connect(logList, &ExtLV::MouseDown, this, &frmLog::logList_MouseDown);
    connect(AGPopUp1, &AGPopUp::MenuClick, this, &frmLog::AGPopUp1_MenuClick);
}

// The list is filled once: choosing the first filter entry loads it.
void frmLog::Form_Load() {
    Guarded(QStringLiteral("FRL006"), [this] {
        logList->FullRowSelect(true);
        AddLogColumns(*logList);
        // A wider window shows more of each log text.
        ColumnTakesSpareWidth(logList, 0);
        FillUnselected(Combo1, filterTexts());
        Combo1->setCurrentIndex(0);
    });
}

bool frmLog::showsAllLogs() const {
    return Combo1->currentText() == kAllLogs || Combo1->currentText().isEmpty() ||
           SelectedLogKey == kAllLogs;
}

QString frmLog::keyOfFilter() const {
    return showsAllLogs() ? QString() : SelectedLogKey;
}

void frmLog::LoadLogList() {
    Guarded(QStringLiteral("FRL007"), [this] {
        logList->ListItems().Clear();
        const ListColumns& columns = LogColumns();
        LogStore::ReadLog(
            keyOfFilter(),
            [&](const Recordset& row) { AddListRow(*logList, columns, row, LogValues()); },
            [this] { logList->ListItems().Clear(); });
    });
}

// A filter chosen: the list shows that key's rows.
void frmLog::Combo1_Click() {
    Guarded(QStringLiteral("FRL004"), [this] {
        SelectedLogKey = keyOfText(Combo1->currentText());
        LoadLogList();
    });
}

void frmLog::RemoveSelectedLog() {
    Guarded(QStringLiteral("FRL002"), [this] {
        if (!Dialogs::AskYesNo(QStringLiteral("Remove Selected Log?"),
                               QStringLiteral("Remove Selected Log")))
            return;
        LogStore::RemoveLog(LogIdOf(logList->SelectedItem()));
        LoadLogList();
    });
}

void frmLog::ClearAllLogs() {
    Guarded(QStringLiteral("FRL003"), [this] {
        if (!Dialogs::AskYesNo(QStringLiteral("Clear All Log?"),
                               QStringLiteral("Remove Selected Log")))
            return;
        LogStore::ClearLog(keyOfFilter());
        QApplication::processEvents();
        LoadLogList();
    });
}

// "Clear Log": clears every row, or the rows of the chosen key.
void frmLog::Command1_Click() {
    Guarded(QStringLiteral("FRL005"), [this] {
        if (!Dialogs::AskYesNo(QStringLiteral("Clear All Log?"), QStringLiteral("Clear Log")))
            return;
        // The keyed deletion reports its own refusal; the list is reloaded either way.
        if (showsAllLogs())
            LogStore::ClearLog(QString());
        else
            LogStore::ClearLogReported(SelectedLogKey);
        LoadLogList();
    });
}

// A button pressed in the list: the right one opens the menu.
void frmLog::logList_MouseDown(int Button, int, int X, int Y) {
    if (Button == kRightButton)
        AGPopUp1->PopUp(logList->mapToGlobal(QPoint(X, Y)));
}

void frmLog::AGPopUp1_MenuClick(const QString& ItemName) {
    Guarded(QStringLiteral("FRL001"), [this, &ItemName] {
        if (ItemName == kRemoveItem)
            RemoveSelectedLog();
        else if (ItemName == kClearItem)
            ClearAllLogs();
    });
}
