// Fills a list as a hotel's booking list of many years: 100,000 rows of 21 columns, added row
// by row as the windows do, then shown. Prints the time the fill took and the memory the rows
// took (resident set before and after).
#include "core/ui/ExtLV.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTextStream>

#include <unistd.h>

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 21;

double residentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    const double pages = fields.value(1).toDouble();
    return pages * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Cell texts of the lengths the customer list shows: names, dates, money, numbers.
QString cellText(int row, int column) {
    static const QStringList samples = {QStringLiteral("Mr."),
                                        QStringLiteral("Jonathan"),
                                        QStringLiteral("Whitfield"),
                                        QStringLiteral("12 Harbour Road, Kingsbridge"),
                                        QStringLiteral("555-0134"),
                                        QStringLiteral("2"),
                                        QStringLiteral("1"),
                                        QStringLiteral("3/14/2024"),
                                        QStringLiteral("3/17/2024"),
                                        QStringLiteral("3"),
                                        QStringLiteral("$299.97"),
                                        QStringLiteral("$37.50"),
                                        QStringLiteral("$337.47"),
                                        QStringLiteral("$100.00"),
                                        QStringLiteral("$237.47"),
                                        QStringLiteral("Credit Card"),
                                        QStringLiteral("VISA 4111"),
                                        QStringLiteral("101,102"),
                                        QStringLiteral("JWKQXRTA"),
                                        QStringLiteral("Checked In"),
                                        QString()};
    if (column == kColumns - 1)
        return QString::number(row + 1);
    return samples[column] + QString::number(row % 97);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ExtLV list;
    list.resize(900, 600);
    for (int column = 0; column + 1 < kColumns; ++column)
        list.ColumnHeaders().Add(QStringLiteral("Column %1").arg(column),
                                 QStringLiteral("Ready-to-Run Visual "));
    list.ColumnHeaders().Add(QString(), QString());
    list.show();
    if (!QTest::qWaitForWindowExposed(&list))
        return 1;

    const double before = residentMegabytes();
    QElapsedTimer timer;
    timer.start();
    for (int row = 0; row < kRows; ++row) {
        ListItem item = list.ListItems().Add(cellText(row, 0));
        for (int column = 1; column < kColumns; ++column)
            item.SubItems(column, cellText(row, column));
    }
    QApplication::processEvents();
    list.repaint();
    const qint64 fillMs = timer.elapsed();
    const double after = residentMegabytes();

    QTextStream out(stdout);
    out << "rows: " << list.ListItems().Count() << ", columns: " << kColumns << '\n';
    out << "fill time: " << fillMs << " ms\n";
    out << "resident set: " << before << " MB before, " << after << " MB after, "
        << (after - before) << " MB for the rows\n";
    return 0;
}
