// Measures the report windows, offscreen, on SQLite and on MariaDB (the server of
// STAYMARK_TEST_MYSQL_*): a month's fill of the revenue chart (its 28 to 31 queries, the
// redraw, the layout and the painting), flat and with depth, over ten years of days in
// tbl_revenueStats, and opening the log viewer over 500,000 rows of tbl_logTable, on all rows
// and on one key, with the memory the process took. Each case runs in a process of its own, so
// that its peak memory is its own. Prints the figures, a fill's beside its floor; the goals: a
// fill under 30 ms on SQLite and under 100 ms on MariaDB and no slower than its floor, the log
// viewer under 2 s on all rows and under 250 MB.
#include "core/Clock.h"
#include "core/GlobalLogin.h"
#include "core/ui/ExtLV.h"
#include "reports/chart/RevenueChart.h"
#include "reports/frmLog.h"
#include "reports/frmStats.h"
#include "tests/support/ProgramTest.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <algorithm>

#include <sys/resource.h>

namespace {

const QDate kToday(2026, 12, 10);
constexpr int kYearsOfDays = 10;
constexpr int kLogRows = 500000;
constexpr int kRowsPerStatement = 1000;
constexpr int kFills = 24;
// Floors of a month's fill, in milliseconds of processor time (see fillFloor).
constexpr double kSqliteFlatFloor = 8.9;
constexpr double kSqliteDeepFloor = 10.6;
constexpr double kMariaDbFlatFloor = 9.3;
constexpr double kMariaDbDeepFloor = 11.0;
constexpr int kOpens = 3;

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

// The process's resident memory now and at its peak, in megabytes.
double statusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The processor time the process has used, in seconds: unlike the clock on the wall, it does not
// count the time other programs on a busy machine took.
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

bool runAll(TestSupport::TestDatabase& db, const QStringList& statements) {
    for (const QString& statement : statements) {
        const QString error = db.Run(statement);
        if (!error.isEmpty()) {
            QTextStream(stderr) << error << "\n";
            return false;
        }
    }
    return true;
}

// One row a day for ten years up to today, with figures that change from day to day.
bool fillRevenue(TestSupport::TestDatabase& db) {
    QStringList statements;
    QStringList values;
    for (QDate day = kToday.addYears(-kYearsOfDays); day <= kToday; day = day.addDays(1)) {
        const int n = int(day.toJulianDay() % 97);
        values << QStringLiteral("('%1',%2,%3,%4,%5,%6)")
                      .arg(day.toString(Qt::ISODate))
                      .arg(n * 35 + 12.5)
                      .arg(n * 30)
                      .arg(n * 5 + 12.5)
                      .arg(n % 7)
                      .arg(n % 11);
        if (values.size() == kRowsPerStatement || day == kToday) {
            statements << QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, "
                                         "tBookingRevenue, tFoodDrinkRevenue, tBookings, "
                                         "tFoodOrders) VALUES ") +
                              values.join(QLatin1Char(','));
            values.clear();
        }
    }
    return runAll(db, statements);
}

// Rows of the five keys in turn, a few minutes apart, with texts of the lengths the program
// writes.
bool fillLog(TestSupport::TestDatabase& db) {
    static const char* const keys[] = {"LoginLogout", "Bookings", "RoomAddedRemove",
                                       "UserAddRemove", "DBChanges"};
    static const char* const texts[] = {
        "User Logged in : desk%1", "New Booking of Customer : Guest Number %1", "Added Room -%1",
        "New Account Created with User Name : u%1", "Database Settings Modified (Use SQL : 1) %1"};
    const QDateTime start = kToday.addYears(-kYearsOfDays).startOfDay();
    QStringList statements;
    QStringList values;
    for (int row = 0; row < kLogRows; ++row) {
        const int kind = row % 5;
        values << QStringLiteral("('%1','desk%2','%3','%4')")
                      .arg(QString::fromLatin1(texts[kind]).arg(row))
                      .arg(row % 4)
                      .arg(QString::fromLatin1(keys[kind]))
                      .arg(start.addSecs(qint64(row) * 600)
                               .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        if (values.size() == kRowsPerStatement) {
            statements << QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey, "
                                         "LogDateLine) VALUES ") +
                              values.join(QLatin1Char(','));
            values.clear();
        }
    }
    // A hotel's file has its log written long ago, not waiting in the write-ahead log.
    if (db.Which() == TestSupport::Backend::SQLite)
        statements << QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)");
    return runAll(db, statements);
}

TestSupport::Backend backendNamed(const QString& name) {
    return name == QLatin1String("mariadb") ? TestSupport::Backend::MariaDB
                                            : TestSupport::Backend::SQLite;
}

// What the user waits for on choosing a month: the fill's queries, the redraw, the layout and
// the painting. Out of line, so that a profiler can count it alone
// (valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*fillAndDraw*').
[[gnu::noinline]] void fillAndDraw(frmStats& form, int monthIndex) {
    form.CMonth->setCurrentIndex(monthIndex);
    form.MSChart1->Redraw();
    QApplication::processEvents();
    form.MSChart1->viewport()->repaint();
}

// The processor time of each month's fill, in milliseconds, sorted. Out of line too, so that a
// profiler can count each chart type apart (--dump-before='*fillTimes*').
[[gnu::noinline]] QList<double> fillTimes(frmStats& form, const QString& chartType) {
    form.ComboChartType->setCurrentText(chartType);
    QApplication::processEvents();
    QList<double> times;
    for (int fill = 0; fill < kFills; ++fill) {
        const double before = cpuSeconds();
        fillAndDraw(form, fill % 12);
        times << (cpuSeconds() - before) * 1000;
    }
    std::sort(times.begin(), times.end());
    return times;
}

// The median processor time of a fill at cf0fc07, the version before the last fault issues, on
// the machine the figures were first taken on: a fill is to take no longer.
double fillFloor(TestSupport::Backend backend, const QString& chartType) {
    const bool deep = chartType.startsWith(QLatin1String("3d"));
    if (backend == TestSupport::Backend::SQLite)
        return deep ? kSqliteDeepFloor : kSqliteFlatFloor;
    return deep ? kMariaDbDeepFloor : kMariaDbFlatFloor;
}

int measureChart(TestSupport::Backend backend) {
    TestSupport::TestDatabase db(backend);
    if (!db.SetupError().isEmpty() || !fillRevenue(db)) {
        QTextStream(stderr) << db.SetupError() << "\n";
        return 1;
    }
    Clock::SetFixedNow(QDateTime(kToday, QTime(10, 0)));
    auto* form = new frmStats();
    form->resize(1000, 600);
    form->show();
    QApplication::processEvents();
    for (const QString& type : {QStringLiteral("2d Bar"), QStringLiteral("3d Bar")}) {
        const QList<double> times = fillTimes(*form, type);
        double sum = 0;
        for (double time : times)
            sum += time;
        out() << "chart, " << TestSupport::BackendName(backend) << ", " << type
              << ": a month's fill (queries, redraw, layout and painting) " << sum / times.size()
              << " ms of processor time on average, median " << times.at(times.size() / 2)
              << " ms (floor " << fillFloor(backend, type) << " ms), slowest " << times.last()
              << " ms over " << kFills << " fills of "
              << db.Count(QStringLiteral("tbl_revenueStats")) << " days" << Qt::endl;
    }
    delete form;
    return 0;
}

struct Opening {
    double allRows = 0; // seconds on the wall
    double allRowsCpu = 0;
    double oneKey = 0;
    double oneKeyCpu = 0;
    int shown = 0;
    int keyed = 0;
};

// Opens the log viewer on all rows, then chooses one key.
Opening openLogViewer() {
    Opening opening;
    QElapsedTimer clock;
    clock.start();
    double cpu = cpuSeconds();
    auto* form = new frmLog();
    form->resize(800, 500);
    form->show();
    QApplication::processEvents();
    opening.allRows = clock.nsecsElapsed() / 1e9;
    opening.allRowsCpu = cpuSeconds() - cpu;
    opening.shown = form->logList->ListItems().Count();
    clock.restart();
    cpu = cpuSeconds();
    form->Combo1->setCurrentText(QStringLiteral("Bookings"));
    QApplication::processEvents();
    opening.oneKey = clock.nsecsElapsed() / 1e9;
    opening.oneKeyCpu = cpuSeconds() - cpu;
    opening.keyed = form->logList->ListItems().Count();
    delete form;
    return opening;
}

int measureLog(TestSupport::Backend backend) {
    TestSupport::TestDatabase db(backend);
    if (!db.SetupError().isEmpty() || !fillLog(db)) {
        QTextStream(stderr) << db.SetupError() << "\n";
        return 1;
    }
    const double before = statusMegabytes("VmRSS:");
    QList<Opening> openings;
    for (int open = 0; open < kOpens; ++open)
        openings << openLogViewer();
    const double peak = statusMegabytes("VmHWM:");
    std::sort(openings.begin(), openings.end(),
              [](const Opening& a, const Opening& b) { return a.allRows < b.allRows; });
    const Opening& best = openings.first();
    const Opening& worst = openings.last();
    out() << "log viewer, " << TestSupport::BackendName(backend) << ", " << kOpens
          << " openings: all " << best.shown << " rows in " << best.allRows << " s at best ("
          << best.allRowsCpu << " s of processor time), " << worst.allRows << " s at worst; "
          << best.keyed << " rows of one key in " << best.oneKey << " s at best (" << best.oneKeyCpu
          << " s); resident " << before << " MB before, peak " << peak << " MB" << Qt::endl;
    return 0;
}

// Runs each case in a process of its own and passes its figures on.
int runEveryCase(const QString& program) {
    int status = 0;
    for (const char* what : {"chart", "log"})
        for (const char* backend : {"sqlite", "mariadb"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(program, {QString::fromLatin1(what), QString::fromLatin1(backend)});
            child.waitForFinished(-1);
            status |= child.exitCode();
        }
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3)
        return runEveryCase(args.first());
    // As the program does at its start.
    Clock::ReadLocalZoneOnce();
    TestSupport::PrepareProcess();
    GlobalLogin::IsLoggedIn = true;
    const TestSupport::Backend backend = backendNamed(args.at(2));
    return args.at(1) == QLatin1String("chart") ? measureChart(backend) : measureLog(backend);
}
