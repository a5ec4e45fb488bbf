#include "core/frmErrorReport.h"

#include "core/ErrorReport.h"
#include "core/ui/AlwaysOnTop.h"
#include "core/ui/FixedPitchFont.h"
#include "core/ui/FormControls.h"
#include "core/ui/Icons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
frmErrorReport* openWindow = nullptr;
}

frmErrorReport::frmErrorReport()
    : QDialog(nullptr) {
    setObjectName(QStringLiteral("frmErrorReport"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral(" Runtime Error"));

    buildControls();
    connectEvents();
    openWindow = this;
    Form_Load();
}

frmErrorReport::~frmErrorReport() {
    openWindow = nullptr;
}

void frmErrorReport::buildControls() {
    Image1 = NewPicture(this, QStringLiteral("Image1"), Icons::Get(Icons::Name::Error), 32);
    Label1 = NewLabel(this, QStringLiteral("Label1"), QStringLiteral("Error occurred"));
    txtError = NewTextArea(this, QStringLiteral("txtError"), true);
    txtError->setFont(FixedPitchFont());
    Label2 = NewLabel(this, QStringLiteral("Label2"),
                      QStringLiteral("Seeing this Error constantly? Please remmember the error "
                                     "code, and send it to us."));
    Label2->setWordWrap(true);
    Command1 = NewButton(this, QStringLiteral("Command1"), QStringLiteral("&Close"));
    Command1->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(txtError, 1, 0, 1, 2);
    layout->addWidget(Label2, 2, 0, 1, 2);
    layout->addWidget(Command1, 3, 1, Qt::AlignRight);
    resize(520, 320);
}

void frmErrorReport::connectEvents() {
    connect(Command1, &QPushButton::clicked, this, &frmErrorReport::Command1_Click);
}

void frmErrorReport::Form_Load() {
    IgnoreErrors([this] { AlwaysOnTop::SetTopMost(this, true); });
    IgnoreErrors([this] {
        const QString text = ErrMsg + kLineBreak + kLineBreak +
                             QStringLiteral("-----SQL QUERY WAS----") + kLineBreak + LastSQL;
        txtError->setPlainText(QString(text).replace(kLineBreak, QStringLiteral("\n")));
    });
}

void frmErrorReport::Command1_Click() {
    close();
}

frmErrorReport* frmErrorReport::Instance() {
    return openWindow;
}

void frmErrorReport::ShowReport() {
    frmErrorReport* window = openWindow ? openWindow : new frmErrorReport();
    window->show();
    window->raise();
    window->activateWindow();
}
