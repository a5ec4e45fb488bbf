#include "core/frmErrorReport.h"

#include "core/ErrorReport.h"
#include "core/ui/AlwaysOnTop.h"
#include "core/ui/Icons.h"

#include <QFontDatabase>
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

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Icons::Get(Icons::Name::Error).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("Error occurred"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtError = new QPlainTextEdit(this);
    txtError->setObjectName(QStringLiteral("txtError"));
    txtError->setReadOnly(true);
    txtError->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Label2 = new QLabel(QStringLiteral("Seeing this Error constantly? Please remmember the error "
                                       "code, and send it to us."),
                        this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Command1 = new QPushButton(QStringLiteral("&Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0);
    layout->addWidget(Label1, 0, 1);
    layout->addWidget(txtError, 1, 0, 1, 2);
    layout->addWidget(Label2, 2, 0, 1, 2);
    layout->addWidget(Command1, 3, 1, Qt::AlignRight);
    resize(520, 320);

    connect(Command1, &QPushButton::clicked, this, &frmErrorReport::Command1_Click);
    openWindow = this;
    Form_Load();
}

frmErrorReport::~frmErrorReport() {
    openWindow = nullptr;
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
