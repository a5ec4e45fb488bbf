#include "core/frmDBLocateTool.h"

#include "core/AppPaths.h"
#include "core/CCrypto.h"
#include "core/DatabaseSettings.h"
#include "core/ErrorReport.h"
#include "core/ProductInfo.h"
#include "core/Settings.h"
#include "core/theDBworks.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FixedPitchFont.h"

#include "core/ui/FormControls.h"
#include "core/ui/PasswordEcho.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

frmDBLocateTool* openTool = nullptr;

const QString kNewLine = QStringLiteral("\n");

QString explanation() {
    return QStringLiteral("Database Error Occurred ! This could be due to saveral reasons :") +
           kNewLine + QStringLiteral("  1. ") + ProductInfo::Name() +
           QStringLiteral(" could not find the database! or wrong database file specified.") +
           kNewLine + QStringLiteral("  2. Database password do not match.") + kNewLine +
           QStringLiteral("  3. Internal Database query Error.");
}

} // namespace

frmDBLocateTool::frmDBLocateTool()
    : QDialog(nullptr) {
    setObjectName(QStringLiteral("frmDBLocateTool"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral(" Database Error"));
    buildControls();
    connectEvents();
    openTool = this;
    Form_Load();
}

frmDBLocateTool::~frmDBLocateTool() {
    if (openTool == this)
        openTool = nullptr;
}

void frmDBLocateTool::ShowModal() {
    if (openTool && openTool->isVisible())
        return;
    frmDBLocateTool tool;
    Dialogs::RunModal(tool);
}

frmDBLocateTool* frmDBLocateTool::Instance() {
    return openTool;
}

void frmDBLocateTool::buildControls() {
    Label1 = NewLabel(this, QStringLiteral("Label1"), QString());
    Label5 = NewLabel(this, QStringLiteral("Label5"), QStringLiteral("Database Error :"));
    Text2 = NewTextArea(this, QStringLiteral("Text2"), true);
    Text2->setFont(FixedPitchFont());
    Text2->setFixedHeight(110);
    Check1 = NewCheckBox(this, QStringLiteral("Check1"), QStringLiteral("My SQL"));
    Text1 = NewTextBox(this, QStringLiteral("Text1"));
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("Browse"));
    txtDBpass = NewTextBox(this, QStringLiteral("txtDBpass"));
    MaskWithAsterisks(txtDBpass);
    txtSQLHost = NewTextBox(this, QStringLiteral("txtSQLHost"));
    txtSQLDBName = NewTextBox(this, QStringLiteral("txtSQLDBName"));
    txtSQLUserName = NewTextBox(this, QStringLiteral("txtSQLUserName"));
    txtSQLPassWord = NewTextBox(this, QStringLiteral("txtSQLPassWord"));
    MaskWithAsterisks(txtSQLPassWord);
    Command2 = NewButton(this, QStringLiteral("Command2"), QStringLiteral("&OK"));
    Command2->setDefault(true);

    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(Label1, row++, 0, 1, 3);
    layout->addWidget(Label5, row++, 0, 1, 3);
    layout->addWidget(Text2, row++, 0, 1, 3);
    layout->addWidget(Check1, row++, 0, 1, 3);
    AddCaptionRow(layout, row, QStringLiteral("File Location"), Text1);
    layout->addWidget(Command1, row++, 2);
    AddCaptionRow(layout, row++, QStringLiteral("Password (leave blank to use default)"), txtDBpass,
                  0, 2);
    AddCaptionRow(layout, row++, QStringLiteral(" Host Name"), txtSQLHost, 0, 2);
    AddCaptionRow(layout, row++, QStringLiteral("DB Name"), txtSQLDBName, 0, 2);
    AddCaptionRow(layout, row++, QStringLiteral("User Name"), txtSQLUserName, 0, 2);
    AddCaptionRow(layout, row++, QStringLiteral("Password"), txtSQLPassWord, 0, 2);
    layout->addWidget(Command2, row, 2);
    layout->setColumnStretch(1, 1);
    resize(520, sizeHint().height());
}

void frmDBLocateTool::connectEvents() {
    connect(Check1, &QCheckBox::toggled, this, &frmDBLocateTool::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmDBLocateTool::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDBLocateTool::Command2_Click);
    for (QLineEdit* field :
         {Text1, txtDBpass, txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord})
        connect(field, &QLineEdit::textEdited, this, &frmDBLocateTool::removeBalloon);
}

void frmDBLocateTool::Form_Load() {
    IgnoreErrors([this] { showError(); });
    IgnoreErrors([this] { loadSettings(); });
    IgnoreErrors([this] { Label1->setText(explanation()); });
}

void frmDBLocateTool::showError() {
    const bool hasError = !ErrMsg.isEmpty();
    Label5->setVisible(hasError);
    Text2->setVisible(hasError);
    if (hasError)
        Text2->setPlainText(QString(ErrMsg).replace(kLineBreak, kNewLine) + kNewLine +
                            QStringLiteral("--------") + kNewLine + LastSQL);
}

void frmDBLocateTool::loadSettings() {
    const Settings::Stored stored;
    Text1->setText(stored.Get(Settings::DatabasePath));
    txtDBpass->setText(DecryptSecret(stored.Get(Settings::DatabaseKey).hex));
    // Only "1" selects the server; anything else, or nothing, is the embedded file.
    const bool mySql = stored.Get(Settings::UseSql) == 1;
    Check1->setChecked(mySql);
    enableMySqlPage(mySql);
    if (!mySql)
        return;
    txtSQLHost->setText(stored.Get(Settings::ServerHost));
    txtSQLDBName->setText(stored.Get(Settings::ServerDatabaseName));
    txtSQLUserName->setText(DecryptSecret(stored.Get(Settings::ServerUserName).hex));
    txtSQLPassWord->setText(DecryptSecret(stored.Get(Settings::ServerPassword).hex));
}

void frmDBLocateTool::Check1_Click() {
    Guarded(QStringLiteral("FRDBLT001"), [this] { enableMySqlPage(Check1->isChecked()); });
}

void frmDBLocateTool::enableMySqlPage(bool mySql) {
    for (QLineEdit* field : {txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord})
        ShowFieldInUse(field, mySql);
    for (QLineEdit* field : {Text1, txtDBpass})
        ShowFieldInUse(field, !mySql);
}

void frmDBLocateTool::Command1_Click() {
    Guarded(QStringLiteral("FRDBLT002"), [this] {
        Dialogs::FileRequest request;
        request.title = QStringLiteral("Locate Database");
        request.filter = QStringLiteral("SQLite database (*.db)");
        request.initialPath = Text1->text();
        const QString chosen = Dialogs::OpenFileName(request);
        if (!chosen.isEmpty())
            Text1->setText(chosen);
    });
}

void frmDBLocateTool::Command2_Click() {
    bool saved = false;
    IgnoreErrors([&] { saved = Check1->isChecked() ? saveMySqlPage() : saveFilePage(); });
    if (!saved)
        return;
    // Only a connection that works lets the tool go; otherwise it says why and stays.
    try {
        theDBworks::OpenConnection();
    } catch (const std::exception& error) {
        showConnectionRefused(DescriptionOf(error));
        return;
    }
    accept();
}

void frmDBLocateTool::showConnectionRefused(const QString& cause) {
    Label5->setVisible(true);
    Text2->setVisible(true);
    Text2->setPlainText(cause);
    Dialogs::Message(QStringLiteral("The database could not be opened with these settings:") +
                     kLineBreak + cause);
}

bool frmDBLocateTool::saveFilePage() {
    if (!allFilled({{Text1, QStringLiteral("Please enter Database path"),
                     QStringLiteral("Please enter Database path!")}}))
        return false;
    IgnoreErrors([this] { DatabaseSettings::SaveFile(Text1->text(), txtDBpass->text()); });
    return true;
}

bool frmDBLocateTool::saveMySqlPage() {
    if (!allFilled({
            {txtSQLHost, QStringLiteral("Enter SQL Host"), QStringLiteral("Enter SQL Host!")},
            {txtSQLDBName, QStringLiteral("Enter SQL Database Name"),
             QStringLiteral("Please enter SQL Database!")},
            {txtSQLPassWord, QStringLiteral("Enter SQL password"),
             QStringLiteral("Please enter SQL password!")},
            {txtSQLUserName, QStringLiteral("Enter SQL Username"),
             QStringLiteral("Please enter SQL username!")},
        }))
        return false;
    IgnoreErrors([this] {
        DatabaseSettings::SaveServer({txtSQLHost->text(), txtSQLDBName->text(),
                                      txtSQLUserName->text(), txtSQLPassWord->text()});
    });
    return true;
}

bool frmDBLocateTool::allFilled(const QList<std::tuple<QLineEdit*, QString, QString>>& checks) {
    for (const auto& [field, title, text] : checks) {
        if (field->text().isEmpty()) {
            rejectField(field, title, text);
            return false;
        }
    }
    return true;
}

void frmDBLocateTool::rejectField(QLineEdit* field, const QString& title, const QString& text) {
    ShowValidationBalloon(balloon_.Tip(), field, title, text);
    field->setFocus();
}

void frmDBLocateTool::removeBalloon() {
    balloon_.Remove();
}
