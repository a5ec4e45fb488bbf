#include "tests/support/WindowChecks.h"

#include "core/ui/CBalloonToolTip.h"
#include "core/ui/ExtLV.h"

#include <QApplication>
#include <QClipboard>

namespace TestSupport {

namespace {

QString nameOf(const QObject* window) {
    if (!window)
        return QStringLiteral("no window");
    const QString name = window->objectName();
    return QLatin1Char('"') +
           (name.isEmpty() ? QLatin1String(window->metaObject()->className()) : name) +
           QLatin1Char('"');
}

} // namespace

void FailAt(const QString& message, const std::source_location& where) {
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
}

QWidget* MissingControl(const QObject* window, const char* type, const QString& name,
                        const std::source_location& where) {
    FailAt(
        QStringLiteral("%1 has no %2 named \"%3\"").arg(nameOf(window), QLatin1String(type), name),
        where);
    static QPointer<QWidget> host;
    if (!host)
        host = new QWidget;
    return host;
}

Balloon ShownBalloon(const QWidget* window, const std::source_location& where) {
    Balloon seen;
    if (!window)
        return seen;
    for (const BalloonWindow* balloon : window->findChildren<BalloonWindow*>()) {
        if (!balloon->isVisible())
            continue;
        if (seen.shown) {
            FailAt(nameOf(window) + QStringLiteral(" shows two balloons at once"), where);
            break;
        }
        seen.shown = true;
        seen.title = balloon->TitleText();
        seen.text = balloon->BodyText();
        seen.icon = balloon->TitleIcon();
        seen.target = BalloonTarget;
    }
    return seen;
}

QStringList RowsOf(ExtLV* list, int visibleColumns) {
    QStringList rows;
    for (int i = 1; i <= list->ListItems().Count(); ++i) {
        const ListItem item = list->ListItems().Item(i);
        QStringList cells{item.Text()};
        for (int column = 1; column < visibleColumns; ++column)
            cells << item.SubItems(column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void PasteInto(QWidget* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

QStringList Messages() {
    QStringList texts;
    for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
        texts << shown.text;
    return texts;
}

QString LastMessage() {
    const QList<Dialogs::Shown>& shown = Dialogs::Testing::Record();
    return shown.isEmpty() ? QString() : shown.last().text;
}

int TimesOpenedModal(const QString& windowName) {
    int times = 0;
    for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
        if (shown.kind == QLatin1String("modal") && shown.text == windowName)
            ++times;
    return times;
}

void SweepWindows() {
    // A modal window left open would take the next test's clicks and keys.
    while (QWidget* modal = QApplication::activeModalWidget())
        delete modal;
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows << window;
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace TestSupport
