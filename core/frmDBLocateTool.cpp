#include "core/frmDBLocateTool.h"

#include "core/DatabaseSettings.h"
#include "core/ErrorReport.h"
#include "core/ProductInfo.h"
#include "core/theDBworks.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FixedPitchFont.h"
#include "core/ui/FormControls.h"

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
    form_.emplace(this, balloon_,
                  DatabaseSettingsForm::Names{
                      .serverChoice = QStringLiteral("Check1"),
                      .serverChoiceCaption = QStringLiteral("My SQL"),
                      .path = QStringLiteral("Text1"),
                      .pathCaption = QStringLiteral("File Location"),
                      .pathTyped = true,
                      .browse = QStringLiteral("Command1"),
                      .passwordCaption = QStringLiteral("Password (leave blank to use default)"),
                      .serverPasswordMasked = true,
                      .emptyBoxesRefused = true,
                  });
    Check1 = form_->ServerChoice;
    Text1 = form_->Path;
    Command1 = form_->Browse;
    txtDBpass = form_->Password;
    txtSQLHost = form_->Host;
    txtSQLDBName = form_->DatabaseName;
    txtSQLUserName = form_->UserName;
    txtSQLPassWord = form_->ServerPassword;
    Command2 = NewButton(this, QStringLiteral("Command2"), QStringLiteral("&OK"));
    Command2->setDefault(true);

    auto* layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(Label1, row++, 0, 1, 3);
    layout->addWidget(Label5, row++, 0, 1, 3);
    layout->addWidget(Text2, row++, 0, 1, 3);
    layout->addWidget(Check1, row++, 0, 1, 3);
    layout->addWidget(form_->CaptionOf(Text1), row, 0);
    layout->addWidget(Text1, row, 1);
    layout->addWidget(Command1, row++, 2);
    for (QLineEdit* field : {txtDBpass, txtSQLHost, txtSQLDBName, txtSQLUserName, txtSQLPassWord}) {
        layout->addWidget(form_->CaptionOf(field), row, 0);
        layout->addWidget(field, row++, 1, 1, 2);
    }
    layout->addWidget(Command2, row, 2);
    layout->setColumnStretch(1, 1);
    resize(520, sizeHint().height());
}

void frmDBLocateTool::connectEvents() {
    connect(Check1, &QCheckBox::toggled, this, &frmDBLocateTool::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmDBLocateTool::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDBLocateTool::Command2_Click);
}

void frmDBLocateTool::Form_Load() {
    IgnoreErrors([this] { showError(); });
    // What config.ini holds, not the connection that failed.
    IgnoreErrors([this] { form_->Load(DatabaseSettings::InConfigIni()); });
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

void frmDBLocateTool::Check1_Click() {
    Guarded(QStringLiteral("FRDBLT001"), [this] { form_->ShowServerInUse(Check1->isChecked()); });
}

void frmDBLocateTool::Command1_Click() {
    Guarded(QStringLiteral("FRDBLT002"), [this] { form_->ChooseFile(); });
}

void frmDBLocateTool::Command2_Click() {
    if (fieldsPass() && stored() && connected())
        accept();
}

bool frmDBLocateTool::fieldsPass() {
    QLineEdit* rejected = form_->RejectedBox();
    if (rejected)
        rejected->setFocus();
    return !rejected;
}

bool frmDBLocateTool::stored() {
    return succeeded([this] { DatabaseSettings::Save(form_->Values()); },
                     QStringLiteral("The settings were not stored, so the database was not opened "
                                    "with them:"));
}

// Only a connection that works lets the tool go.
bool frmDBLocateTool::connected() {
    return succeeded(theDBworks::OpenConnection,
                     QStringLiteral("The database could not be opened with these settings:"));
}

bool frmDBLocateTool::succeeded(const std::function<void()>& step, const QString& whatFailed) {
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        const QString cause = DescriptionOf(error);
        Label5->setVisible(true);
        Text2->setVisible(true);
        Text2->setPlainText(cause);
        Dialogs::Message(whatFailed + kLineBreak + cause);
        return false;
    }
}
