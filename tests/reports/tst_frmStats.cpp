#include "core/Clock.h"
#include "core/ErrorReport.h"
#include "core/RevenueStore.h"
#include "core/theDBworks.h"
#include "core/ui/CDLG.h"
#include "reports/RevenueReadStore.h"
#include "reports/chart/RevenueChart.h"
#include "reports/frmStats.h"
#include "tests/reports/ReportFixture.h"

#include <QAbstractAxis>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGraphicsTextItem>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QTemporaryDir>

using RevenueStore::Sale;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

const QDate kToday(2024, 3, 15);

// A sale added to its day as the booking and the order entry add it; what the program
// reported when it failed, or empty.
QString sell(Sale sale, const char* amount, const QDate& day) {
    if (RevenueStore::AddToDay(sale, Currency::FromText(QString::fromLatin1(amount)), day))
        return {};
    return QStringLiteral("the sale of %1 on %2 was not added: %3")
        .arg(QString::fromLatin1(amount), day.toString(Qt::ISODate), ErrMsg);
}

// 7 March: a booking of 1,000.00 and two food orders of 250.00 in all; 9 March: two
// bookings of 500.00; nothing on 8 March.
QString sellInMarch() {
    const struct {
        Sale sale;
        const char* amount;
        int day;
    } sales[] = {{Sale::Booking, "1000", 7},
                 {Sale::FoodOrder, "200", 7},
                 {Sale::FoodOrder, "50", 7},
                 {Sale::Booking, "500", 9},
                 {Sale::Booking, "500", 9}};
    for (const auto& each : sales) {
        const QString error = sell(each.sale, each.amount, QDate(2024, 3, each.day));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QList<double> rowsOf(RevenueChart* chart, int first, int last) {
    QList<double> values;
    for (int row = first; row <= last; ++row)
        values << chart->RowValue(row);
    return values;
}

void moveTo(QWidget* viewport, const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

QPoint viewportPoint(RevenueChart* chart, const QPointF& chartPoint) {
    return chart->mapFromScene(chart->chart()->mapToScene(chartPoint));
}

// Where Qt Charts drew a text (the title, an axis title, an axis label).
std::optional<QPoint> textPosition(RevenueChart* chart, const QString& text) {
    chart->Redraw();
    QApplication::processEvents();
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* shown = dynamic_cast<QGraphicsTextItem*>(item);
        if (shown && shown->isVisible() && shown->toPlainText() == text)
            return chart->mapFromScene(shown->sceneBoundingRect().center());
    }
    return std::nullopt;
}

// The texts Qt Charts drew, with their places in the chart's coordinates.
QList<std::pair<QString, QRectF>> drawnTexts(RevenueChart* chart) {
    chart->Redraw();
    QApplication::processEvents();
    QList<std::pair<QString, QRectF>> texts;
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* shown = dynamic_cast<QGraphicsTextItem*>(item);
        if (shown && shown->isVisible() && !shown->toPlainText().isEmpty())
            texts.append({shown->toPlainText(),
                          chart->chart()->mapFromScene(shown->sceneBoundingRect()).boundingRect()});
    }
    return texts;
}

QRectF drawnText(RevenueChart* chart, const QString& text) {
    for (const auto& [shown, place] : drawnTexts(chart))
        if (shown == text)
            return place;
    return {};
}

// The place of the drawn text that begins so.
QRectF drawnTextStarting(RevenueChart* chart, const QString& start) {
    for (const auto& [shown, place] : drawnTexts(chart))
        if (shown.startsWith(start))
            return place;
    return {};
}

QStringList legendEntries(RevenueChart* chart) {
    chart->Redraw();
    QApplication::processEvents();
    QStringList entries;
    for (QLegendMarker* marker : chart->chart()->legend()->markers())
        if (marker->isVisible())
            entries << marker->label();
    return entries;
}

bool near(QRgb pixel, const QColor& color) {
    return std::abs(qRed(pixel) - color.red()) <= 12 &&
           std::abs(qGreen(pixel) - color.green()) <= 12 &&
           std::abs(qBlue(pixel) - color.blue()) <= 12;
}

// Whether a pixel within one of the point has the colour: a thin line drawn smooth may fall
// between two pixels.
bool nearAround(const QImage& picture, const QPoint& at, const QColor& color) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (near(picture.pixel(at + QPoint(dx, dy)), color))
                return true;
    return false;
}

} // namespace

// The revenue chart window driven through its controls: its lists at load, the fill per day,
// the check boxes, the element events, the tips, the chart types and the save.
class TestFrmStats : public ReportFixture {
    Q_OBJECT

    frmStats* open(const QDate& today = kToday) {
        Clock::SetFixedNow(QDateTime(today, QTime(10, 0)));
        frmStats* form = Open<frmStats>(QStringLiteral("mnuReport"));
        if (form) {
            form->MSChart1->Redraw();
            QApplication::processEvents();
        }
        return form;
    }

    // The middle of the empty plot above a day without figures.
    static QPoint emptyPlotPoint(frmStats* form, int emptyRow) {
        RevenueChart* chart = form->MSChart1;
        const QRectF plot = chart->chart()->plotArea();
        return QPoint(chart->RowPosition(emptyRow).x(),
                      viewportPoint(chart, plot.topLeft() + QPointF(0, plot.height() / 4)).y());
    }

    // Inside the bar of a day with figures, below its top.
    static QPoint barPoint(frmStats* form, int row) {
        return form->MSChart1->RowPosition(row) + QPoint(0, 6);
    }

private slots:
    void opensOnThisMonthAsAFlatBarChart() {
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        QCOMPARE(main->MdiArea->subWindowList().first()->windowTitle(),
                 QStringLiteral("Report View"));
        QCOMPARE(form->CMonth->count(), 12);
        QCOMPARE(form->CMonth->currentText(), QStringLiteral("March"));
        QCOMPARE(form->SelectedMonth, qint16(3));
        QCOMPARE(form->CYear->count(), 10);
        QCOMPARE(form->CYear->itemText(0), QStringLiteral("2020"));
        QCOMPARE(form->CYear->itemText(9), QStringLiteral("2029"));
        QCOMPARE(form->CYear->currentText(), QStringLiteral("2024"));
        QCOMPARE(form->StatView->currentText(), QStringLiteral("Total Revenue"));
        QCOMPARE(form->ComboChartType->count(), 12);
        QCOMPARE(form->ComboChartType->currentText(), QStringLiteral("2d Bar"));
        QCOMPARE(form->MSChart1->ChartType(), 1);
        for (QCheckBox* box :
             {form->Check1, form->Check2, form->Check3, form->Check4, form->Check5})
            QVERIFY(!box->isChecked());
        RevenueChart* chart = form->MSChart1;
        QCOMPARE(chart->RowCount(), 31);
        QCOMPARE(chart->RowLabel(1), QStringLiteral("1"));
        QCOMPARE(chart->RowLabel(31), QStringLiteral("31"));
        QCOMPARE(rowsOf(chart, 6, 10), (QList<double>{0, 1250, 0, 1000, 0}));
        QVERIFY(chart->TitleText().isEmpty());
        QVERIFY(chart->AxisTitle(Chart::kXAxis).isEmpty());
        QVERIFY(chart->AxisTitle(Chart::kYAxis).isEmpty());
        QVERIFY(!chart->LegendShown());
        QVERIFY(!chart->chart()->legend()->isVisible());
        QVERIFY(!chart->ValueLabelsShown());
        VERIFY_NOTHING_SHOWN();
        QVERIFY(ErrMsg.isEmpty());
    }

    void aLanguageWithOtherMonthNamesChoosesNoMonth() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        frmStats* form = open();
        QVERIFY(form);
        QCOMPARE(form->CMonth->currentIndex(), -1);
        QCOMPARE(form->SelectedMonth, qint16(0));
        QCOMPARE(form->CYear->currentText(), QStringLiteral("2024"));
        QCOMPARE(form->MSChart1->RowCount(), 0);
        form->CMonth->setCurrentText(QStringLiteral("April"));
        QCOMPARE(form->SelectedMonth, qint16(4));
        QCOMPARE(form->MSChart1->RowCount(), 30);
    }

    // The chart reads back the amounts it writes, grouped with narrow spaces or in the
    // language's own digits, and fills every day of the month.
    void fillsEveryDayInEveryLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("Arabic, Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt);
    }
    void fillsEveryDayInEveryLanguage() {
        QFETCH(QLocale, locale);
        VERIFY_RAN(sellInMarch());
        VERIFY_RAN(sell(Sale::Booking, "1234.5", QDate(2024, 3, 31)));
        QLocale::setDefault(locale);
        frmStats* form = open();
        QVERIFY(form);
        form->CMonth->setCurrentText(QStringLiteral("March"));
        RevenueChart* chart = form->MSChart1;
        QCOMPARE(chart->RowCount(), 31);
        QCOMPARE(rowsOf(chart, 6, 10), (QList<double>{0, 1250, 0, 1000, 0}));
        QCOMPARE(chart->RowValue(31), 1234.5);
    }

    void oneRowPerDayOfTheMonth_data() {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("rows");
        QTest::newRow("February of a leap year") << "February"
                                                 << "2024" << 29;
        QTest::newRow("February") << "February"
                                  << "2023" << 28;
        QTest::newRow("April") << "April"
                               << "2024" << 30;
        QTest::newRow("December") << "December"
                                  << "2025" << 31;
    }
    void oneRowPerDayOfTheMonth() {
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(int, rows);
        frmStats* form = open();
        QVERIFY(form);
        form->CYear->setCurrentText(year);
        form->CMonth->setCurrentText(month);
        RevenueChart* chart = form->MSChart1;
        QCOMPARE(chart->RowCount(), rows);
        QCOMPARE(chart->RowLabel(rows), QString::number(rows));
        QVERIFY(LastSQL.endsWith(QStringLiteral("/%1/%2#").arg(rows).arg(year)));
    }

    void eachSeriesReadsItsColumn_data() {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("total revenue") << "Total Revenue" << QList<double>{1250, 0, 1000}
                                       << QStringList{"$1,250.00", "$0.00", "$1,000.00"};
        QTest::newRow("room booking revenue")
            << "Room Booking Revenue" << QList<double>{1000, 0, 1000}
            << QStringList{"$1,000.00", "$0.00", "$1,000.00"};
        QTest::newRow("food and drink revenue")
            << "Food & Drink Revenue" << QList<double>{250, 0, 0}
            << QStringList{"$250.00", "$0.00", "$0.00"};
        QTest::newRow("room bookings")
            << "Room Bookings" << QList<double>{1, 0, 2} << QStringList{"1", "0", "2"};
        QTest::newRow("food and drink orders")
            << "Food & Drink Orders" << QList<double>{2, 0, 0} << QStringList{"2", "0", "0"};
    }
    void eachSeriesReadsItsColumn() {
        QFETCH(QString, series);
        QFETCH(QList<double>, values);
        QFETCH(QStringList, labels);
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        form->StatView->setCurrentText(series);
        form->Check5->click();
        RevenueChart* chart = form->MSChart1;
        QCOMPARE(rowsOf(chart, 7, 9), values);
        QVERIFY(chart->ValueLabelsShown());
        QCOMPARE((QStringList{chart->ValueLabelText(7), chart->ValueLabelText(8),
                              chart->ValueLabelText(9)}),
                 labels);
        // The days after an empty one are filled too.
        QCOMPARE(chart->RowValue(31), 0.0);
        form->Check5->click();
        QVERIFY(!chart->ValueLabelsShown());
    }

    void theQueryWritesTheMonthFirstOnADayFirstSystem() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        VERIFY_RAN(sell(Sale::Booking, "1250", QDate(2024, 3, 7)));
        VERIFY_RAN(sell(Sale::Booking, "99", QDate(2024, 7, 3)));
        RevenueReadStore::OpenDay(QDate(2024, 3, 7));
        QVERIFY2(LastSQL.endsWith(QStringLiteral(" FROM tbl_revenueStats WHERE tDate=#3/7/2024#")),
                 qPrintable(LastSQL));
        QCOMPARE(theDBworks::DBRecordset().RecordCount(), 1);
        frmStats* form = open();
        QVERIFY(form);
        QCOMPARE(form->MSChart1->RowValue(7), 1250.0);
        QCOMPARE(form->MSChart1->RowValue(3), 0.0);
    }

    void checkBoxesFollowTheSeries_data() {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QString>("yTitle");
        QTest::newRow("money") << "Food & Drink Revenue"
                               << "Revenue"
                               << "Currency";
        QTest::newRow("bookings") << "Room Bookings"
                                  << "Rooms Count"
                                  << "Bookings";
        QTest::newRow("orders") << "Food & Drink Orders"
                                << "Orders Count"
                                << "Food & Drink Orders";
    }
    void checkBoxesFollowTheSeries() {
        QFETCH(QString, series);
        QFETCH(QString, legend);
        QFETCH(QString, yTitle);
        frmStats* form = open();
        QVERIFY(form);
        for (QCheckBox* box : {form->Check1, form->Check2, form->Check3, form->Check4})
            box->click();
        form->StatView->setCurrentText(series);
        RevenueChart* chart = form->MSChart1;
        QCOMPARE(chart->TitleText(), series + QStringLiteral(" for March 2024"));
        QCOMPARE(chart->ColumnLabel(), legend);
        QVERIFY(chart->LegendShown());
        QCOMPARE(chart->AxisTitle(Chart::kYAxis), yTitle);
        QCOMPARE(chart->AxisTitle(Chart::kXAxis), QStringLiteral("Dates of Month March 2024"));
        chart->Redraw();
        QCOMPARE(chart->chart()->title(), series + QStringLiteral(" for March 2024"));
        QVERIFY(chart->chart()->legend()->isVisible());

        // Another month and year rewrite the titles at once.
        form->CMonth->setCurrentText(QStringLiteral("April"));
        form->CYear->setCurrentText(QStringLiteral("2025"));
        QCOMPARE(chart->TitleText(), series + QStringLiteral(" for April 2025"));
        QCOMPARE(chart->AxisTitle(Chart::kXAxis), QStringLiteral("Dates of Month April 2025"));

        for (QCheckBox* box : {form->Check1, form->Check2, form->Check3, form->Check4})
            box->click();
        QVERIFY(chart->TitleText().isEmpty());
        QVERIFY(chart->AxisTitle(Chart::kXAxis).isEmpty());
        QVERIFY(chart->AxisTitle(Chart::kYAxis).isEmpty());
        QVERIFY(!chart->LegendShown());
    }

    void titlesAreAskedForWhenDoubleClicked_data() {
        QTest::addColumn<int>("axis");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("shown");
        const QString title = QStringLiteral("Total Revenue for March 2024");
        const QString xTitle = QStringLiteral("Dates of Month March 2024");
        QTest::newRow("title") << -1 << "Title Text" << std::optional<QString>("Busy March")
                               << "Busy March";
        QTest::newRow("title, empty answer")
            << -1 << "Title Text" << std::optional<QString>("") << title;
        QTest::newRow("title, cancelled")
            << -1 << "Title Text" << std::optional<QString>() << title;
        QTest::newRow("x axis") << int(Chart::kXAxis) << "X-Axis" << std::optional<QString>("Days")
                                << "Days";
        QTest::newRow("x axis, cancelled")
            << int(Chart::kXAxis) << "X-Axis" << std::optional<QString>() << xTitle;
        QTest::newRow("y axis") << int(Chart::kYAxis) << "Y-Axis"
                                << std::optional<QString>("Takings") << "Takings";
    }
    void titlesAreAskedForWhenDoubleClicked() {
        QFETCH(int, axis);
        QFETCH(QString, caption);
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, shown);
        frmStats* form = open();
        QVERIFY(form);
        for (QCheckBox* box : {form->Check1, form->Check3, form->Check4})
            box->click();
        RevenueChart* chart = form->MSChart1;
        const QString before = axis < 0 ? chart->TitleText() : chart->AxisTitle(axis);
        const std::optional<QPoint> at = textPosition(chart, before);
        QVERIFY(at);
        Dialogs::Testing::AnswerNextInput(answer);
        QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, *at);
        QCOMPARE(Shown(), QStringList{QStringLiteral("input:") + caption +
                                      QStringLiteral(":Change text to any")});
        QCOMPARE(axis < 0 ? chart->TitleText() : chart->AxisTitle(axis), shown);
    }

    void colorsAreChosenForThePlotAndTheSeries() {
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        RevenueChart* chart = form->MSChart1;
        const QPoint plot = emptyPlotPoint(form, 8);
        const QPoint bar = barPoint(form, 7);

        const QColor red(200, 30, 30);
        Dialogs::Testing::AnswerNextColor(red);
        QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, plot);
        QCOMPARE(chart->PlotColor(), red);
        QVERIFY(near(chart->Picture().pixel(plot), red));

        const QColor green(20, 160, 40);
        Dialogs::Testing::AnswerNextColor(green);
        QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, bar);
        QCOMPARE(chart->SeriesColor(), green);
        QVERIFY(near(chart->Picture().pixel(bar), green));
        QCOMPARE(Dialogs::Testing::Record().size(), 2);
        QCOMPARE(Dialogs::Testing::Record().at(1).kind, QStringLiteral("color"));

        // Cancel keeps both colours.
        Dialogs::Testing::AnswerNextColor(std::nullopt);
        QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, plot);
        Dialogs::Testing::AnswerNextColor(std::nullopt);
        QTest::mouseDClick(chart->viewport(), Qt::LeftButton, {}, bar);
        QCOMPARE(Dialogs::Testing::Record().size(), 4);
        QCOMPARE(chart->PlotColor(), red);
        QCOMPARE(chart->SeriesColor(), green);
    }

    void theTipNamesThePartUnderThePointer() {
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        for (QCheckBox* box : {form->Check1, form->Check2, form->Check3, form->Check5})
            box->click();
        RevenueChart* chart = form->MSChart1;
        chart->Redraw();
        QApplication::processEvents();
        const QRectF plot = chart->chart()->plotArea();
        const QPoint label = chart->RowPosition(9) - QPoint(0, 8);
        struct Place {
            QString what;
            std::optional<QPoint> at;
            QString tip;
        };
        const QList<Place> places{
            {"bar", barPoint(form, 7), "Value := 1,250.00"},
            {"value label", label, "Value := 1,000.00"},
            {"empty plot", emptyPlotPoint(form, 8), "Plot Area"},
            {"title", textPosition(chart, chart->TitleText()), "Chart Title"},
            {"legend", viewportPoint(chart, chart->chart()->legend()->geometry().center()),
             "Legend"},
            {"y axis line", viewportPoint(chart, QPointF(plot.left(), plot.center().y())),
             "Plot Axis"},
            {"y axis title", textPosition(chart, QStringLiteral("Currency")), "Axis Title"},
            {"day label", textPosition(chart, QStringLiteral("20")), "Axis Label"},
            {"background", QPoint(3, 3), "Chart Area"},
        };
        for (const Place& place : places) {
            QVERIFY2(place.at, qPrintable(place.what));
            moveTo(chart->viewport(), *place.at);
            QVERIFY2(chart->toolTip() == place.tip,
                     qPrintable(place.what + QStringLiteral(": ") + chart->toolTip()));
        }

        // On a line chart the line between two points is the series: no tip.
        form->ComboChartType->setCurrentText(QStringLiteral("2d Line"));
        chart->Redraw();
        const QPoint between = (chart->RowPosition(7) + chart->RowPosition(8)) / 2;
        moveTo(chart->viewport(), between);
        QCOMPARE(chart->toolTip(), QString());
    }

    void everyChartTypeLooksDifferent() {
        VERIFY_RAN(sellInMarch());
        VERIFY_RAN(sell(Sale::Booking, "300", QDate(2024, 3, 20)));
        frmStats* form = open();
        QVERIFY(form);
        QList<QImage> pictures;
        for (int type = 0; type < form->ComboChartType->count(); ++type) {
            form->ComboChartType->setCurrentIndex(type);
            pictures << form->MSChart1->Picture();
        }
        for (int first = 0; first < pictures.size(); ++first)
            for (int second = first + 1; second < pictures.size(); ++second)
                QVERIFY2(pictures.at(first) != pictures.at(second),
                         qPrintable(form->ComboChartType->itemText(first) +
                                    QStringLiteral(" looks like ") +
                                    form->ComboChartType->itemText(second)));
    }

    void depthShowsTheShadedSideOfABar() {
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        RevenueChart* chart = form->MSChart1;
        form->ComboChartType->setCurrentText(QStringLiteral("3d Bar"));
        const QPointF depth = chart->DepthOffset();
        QVERIFY(depth.x() > 0 && depth.y() < 0);
        const double dayWidth = chart->RowPosition(8).x() - chart->RowPosition(7).x();
        // Beside the front of the tall bar of day 7, halfway into its depth.
        const QPoint side = chart->RowPosition(7) + QPoint(int(dayWidth * 0.3 + depth.x() / 2), 20);
        QVERIFY(near(chart->Picture().pixel(side), chart->SeriesColor().darker(140)));
        form->ComboChartType->setCurrentText(QStringLiteral("2d Bar"));
        QCOMPARE(chart->DepthOffset(), QPointF());
        QVERIFY(near(chart->Picture().pixel(side), chart->PlotColor()));
    }

    void combinationDrawsALineOverTheBars() {
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        RevenueChart* chart = form->MSChart1;
        form->ComboChartType->setCurrentText(QStringLiteral("2d Combination"));
        // Between the bars of days 7 and 8, on the line that falls from one to the other.
        const QPoint between = (chart->RowPosition(7) + chart->RowPosition(8)) / 2;
        QVERIFY(nearAround(chart->Picture(), between, chart->SeriesColor().darker(170)));
        form->ComboChartType->setCurrentText(QStringLiteral("2d Bar"));
        QVERIFY(!nearAround(chart->Picture(), between, chart->SeriesColor().darker(170)));
    }

    void xyDayTicksStandOnWholeDays() {
        frmStats* form = open(QDate(2024, 4, 10));
        QVERIFY(form);
        RevenueChart* chart = form->MSChart1;
        form->ComboChartType->setCurrentText(QStringLiteral("2d XY"));
        const QRectF plot = chart->chart()->plotArea();
        QList<QRectF> places;
        for (const auto& [text, place] : drawnTexts(chart)) {
            bool isDay = false;
            const int day = text.toInt(&isDay);
            if (!isDay || place.top() < plot.bottom())
                continue;
            QVERIFY2(day >= 1 && day <= 30, qPrintable(text));
            const double dayX =
                chart->chart()->mapFromScene(chart->mapToScene(chart->RowPosition(day))).x();
            QVERIFY2(std::abs(place.center().x() - dayX) <= 1.5,
                     qPrintable(QStringLiteral("\"%1\" stands at %2, its day at %3")
                                    .arg(text)
                                    .arg(place.center().x())
                                    .arg(dayX)));
            for (const QRectF& other : places)
                QVERIFY2(!other.intersects(place), qPrintable(text + " overlaps another day"));
            places << place;
        }
        QVERIFY(places.size() >= 5);
    }

    void theLegendNamesTheSeries_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("bar") << "2d Bar";
        QTest::newRow("3d line") << "3d Line";
    }
    void theLegendNamesTheSeries() {
        QFETCH(QString, type);
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        form->ComboChartType->setCurrentText(type);
        form->StatView->setCurrentText(QStringLiteral("Room Bookings"));
        QTest::mouseClick(form->Check2, Qt::LeftButton);
        QCOMPARE(legendEntries(form->MSChart1), QStringList{QStringLiteral("Rooms Count")});
    }

    // A pie's legend names each slice by its day, in a colour no other slice has, beside the
    // pie: a few days, and every day of a busy month in a small window, all of them there.
    void aPiesLegendNamesEachSliceByItsDay_data() {
        QTest::addColumn<QList<int>>("days");
        QTest::addColumn<QSize>("window");
        QTest::newRow("two days") << QList<int>{7, 9} << QSize();
        QList<int> month;
        for (int day = 1; day <= 31; ++day)
            month << day;
        QTest::newRow("every day, small window") << month << QSize(700, 450);
    }
    void aPiesLegendNamesEachSliceByItsDay() {
        QFETCH(QList<int>, days);
        QFETCH(QSize, window);
        for (const int day : days)
            VERIFY_RAN(sell(Sale::Booking, day % 2 ? "1200" : "750", QDate(2024, 3, day)));
        frmStats* form = open();
        QVERIFY(form);
        if (window.isValid())
            main->MdiArea->subWindowList().first()->resize(window);
        form->ComboChartType->setCurrentText(QStringLiteral("2d Pie"));
        for (QCheckBox* box : {form->Check1, form->Check2, form->Check5})
            box->click();
        RevenueChart* chart = form->MSChart1;
        const QList<Chart::SliceLegend::Entry> entries = chart->DrawnSliceLegend();
        QStringList labels;
        for (const Chart::SliceLegend::Entry& entry : entries)
            labels << entry.label;
        QStringList expected;
        for (const int day : days)
            expected << QString::number(day);
        QCOMPARE(labels, expected);

        auto* pie = qobject_cast<QPieSeries*>(chart->chart()->series().value(0));
        QVERIFY(pie);
        const QRectF plot = chart->chart()->plotArea();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const Chart::SliceLegend::Entry& entry = entries.at(i);
            QCOMPARE(entry.color, pie->slices().at(days.at(i) - 1)->color());
            QVERIFY2(chart->chart()->rect().contains(entry.place),
                     qPrintable(entry.label + " stands outside the chart"));
            QVERIFY2(!entry.place.intersects(plot), qPrintable(entry.label + " stands on the pie"));
            for (qsizetype j = 0; j < i; ++j) {
                QVERIFY2(entries.at(j).color != entry.color,
                         qPrintable(entry.label + " has the colour of " + entries.at(j).label));
                QVERIFY2(!entries.at(j).place.intersects(entry.place),
                         qPrintable(entry.label + " overlaps " + entries.at(j).label));
            }
        }
        QVERIFY(!chart->chart()->legend()->isVisible());
        moveTo(chart->viewport(), viewportPoint(chart, entries.last().place.center()));
        QCOMPARE(chart->toolTip(), QStringLiteral("Legend"));
    }

    // With no month chosen, as in a language whose month names differ, the axis titles stand
    // at their axes: the days' below the plot, the values' left of it.
    void axisTitlesStayAtTheirAxesWithNoMonthChosen_data() {
        QTest::addColumn<QString>("type");
        QTest::newRow("bar") << "2d Bar";
        QTest::newRow("xy") << "2d XY";
        QTest::newRow("3d bar") << "3d Bar";
    }
    void axisTitlesStayAtTheirAxesWithNoMonthChosen() {
        QFETCH(QString, type);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        frmStats* form = open();
        QVERIFY(form);
        form->ComboChartType->setCurrentText(type);
        for (QCheckBox* box : {form->Check1, form->Check3, form->Check4})
            box->click();
        RevenueChart* chart = form->MSChart1;
        QCOMPARE(chart->RowCount(), 0);
        const QRectF days = drawnTextStarting(chart, QStringLiteral("Dates of Month"));
        const QRectF values = drawnText(chart, QStringLiteral("Currency"));
        const QRectF plot = chart->chart()->plotArea();
        QVERIFY(!days.isEmpty() && !values.isEmpty());
        QVERIFY2(days.top() >= plot.bottom() && days.center().x() > plot.left() &&
                     days.center().x() < plot.right(),
                 qPrintable(QStringLiteral("the days' title stands at %1,%2")
                                .arg(days.center().x())
                                .arg(days.center().y())));
        QVERIFY2(values.right() <= plot.left() && values.center().y() > plot.top() &&
                     values.center().y() < plot.bottom(),
                 qPrintable(QStringLiteral("the values' title stands at %1,%2")
                                .arg(values.center().x())
                                .arg(values.center().y())));
    }

    // A pie stands on its own: no axis of the other types shows through it, nor their grid.
    void aPieDrawsNoAxisNorGrid() {
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        form->ComboChartType->setCurrentText(QStringLiteral("2d Bar"));
        form->ComboChartType->setCurrentText(QStringLiteral("2d Pie"));
        const auto nothingShows = [form] {
            const QList<QAbstractAxis*> axes = form->MSChart1->chart()->axes();
            return !axes.isEmpty() && std::none_of(axes.cbegin(), axes.cend(), [](auto* axis) {
                return axis->isVisible() || axis->isGridLineVisible();
            });
        };
        QTRY_VERIFY(nothingShows());
    }

    // A few days of figures, the first and the last among them: every one gets its label, in
    // every chart type, those at the ends of the axis too.
    void everyFigureOfAFewDaysIsLabelled() {
        const QList<int> days{1, 10, 20, 30};
        for (const int day : days)
            VERIFY_RAN(sell(Sale::Booking, "1537.50", QDate(2024, 4, day)));
        frmStats* form = open(QDate(2024, 4, 10));
        QVERIFY(form);
        form->Check5->click();
        for (int type = 0; type < form->ComboChartType->count(); ++type) {
            form->ComboChartType->setCurrentIndex(type);
            QList<int> labelled;
            for (const Chart::ValueLabels::Placed& label : form->MSChart1->DrawnValueLabels())
                labelled << label.row + 1;
            QCOMPARE(labelled, days);
        }
    }

    // A month of figures on most days in a small window, every title and the legend shown:
    // the value labels stand apart from one another, from the titles and from the legend, none
    // stands on a day of nothing, and with depth the titles and the legend stay clear of it.
    void valueLabelsNeverOverlap() {
        for (int day = 1; day <= 30; ++day)
            if (day % 7 != 3)
                VERIFY_RAN(
                    sell(Sale::Booking, day % 2 ? "12345.67" : "8765.43", QDate(2024, 4, day)));
        frmStats* form = open(QDate(2024, 4, 10));
        QVERIFY(form);
        main->MdiArea->subWindowList().first()->resize(700, 450);
        for (QCheckBox* box :
             {form->Check1, form->Check2, form->Check3, form->Check4, form->Check5})
            box->click();
        RevenueChart* chart = form->MSChart1;
        for (int type = 0; type < form->ComboChartType->count(); ++type) {
            form->ComboChartType->setCurrentIndex(type);
            const QString typeName = form->ComboChartType->currentText();
            const QList<Chart::ValueLabels::Placed> labels = chart->DrawnValueLabels();
            QVERIFY2(!labels.isEmpty(), qPrintable(typeName));
            QList<std::pair<QString, QRectF>> keepClear = {
                {"the title", drawnText(chart, chart->TitleText())},
                {"the legend", chart->LegendPlace()}};
            // A pie has no axes.
            if (typeName != QLatin1String("2d Pie"))
                keepClear +=
                    {{"the x axis title", drawnText(chart, chart->AxisTitle(Chart::kXAxis))},
                     {"the y axis title", drawnText(chart, chart->AxisTitle(Chart::kYAxis))}};
            for (const auto& [what, place] : keepClear)
                QVERIFY2(!place.isEmpty(), qPrintable(typeName + ": no " + what));
            for (qsizetype i = 0; i < labels.size(); ++i) {
                const auto& label = labels.at(i);
                const QString where =
                    typeName + ": the label of day " + QString::number(label.row + 1) + " ";
                QVERIFY2(chart->RowValue(label.row + 1) != 0, qPrintable(where + "shows 0"));
                for (qsizetype j = 0; j < i; ++j)
                    QVERIFY2(!labels.at(j).place.intersects(label.place),
                             qPrintable(where + "overlaps another"));
                for (const auto& [what, place] : keepClear)
                    QVERIFY2(!place.intersects(label.place),
                             qPrintable(where + "overlaps " + what));
            }
            const QPointF depth = chart->DepthOffset();
            const QRectF back = chart->chart()->plotArea().translated(depth);
            QVERIFY2(drawnText(chart, chart->TitleText()).bottom() <= back.top(),
                     qPrintable(typeName + ": the title stands on the plot"));
            QVERIFY2(chart->LegendPlace().left() >= back.right(),
                     qPrintable(typeName + ": the legend stands on the plot"));
        }
    }

    // The filters the save dialog offered, the picture format each reads back as, and what the
    // file holds after a save: one save per offered filter under a name without an ending, and
    // one under a name whose ending names another format than the filter chosen.
    void savedPictureIsWhatItsNameSays() {
        const QMap<QString, QByteArray> readAs{
            {"jpg", "jpeg"}, {"bmp", "bmp"}, {"gif", "gif"}, {"dib", "bmp"}};
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        QTemporaryDir folder;
        Dialogs::Testing::AnswerNextFile(QString());
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        const Dialogs::Shown shown = Dialogs::Testing::Record().last();
        QCOMPARE(shown.kind, QStringLiteral("save"));
        QCOMPARE(shown.title, QStringLiteral("Save Chart As"));
        QVERIFY(shown.defaultSuffix.isEmpty());
        const QStringList filters = shown.text.split(QStringLiteral(";;"));
        QVERIFY2(filters.contains(QStringLiteral("BMP - Windows Bitmap (*.bmp)")),
                 qPrintable(shown.text));
        const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
        for (const QString& filter : filters) {
            const QString ending = filter.section(QStringLiteral("(*."), 1).chopped(1);
            QVERIFY2(readAs.contains(ending), qPrintable(filter + " offers an unknown format"));
            QVERIFY2(writable.contains(ending.toLatin1()) || writable.contains(readAs[ending]),
                     qPrintable(filter + " cannot be written here"));
            const QString stem = folder.filePath(QStringLiteral("chart-") + ending);
            Dialogs::Testing::AnswerNextFile(stem, filter);
            QTest::mouseClick(form->Command1, Qt::LeftButton);
            // The name's ending wins over the filter chosen.
            const QString otherFilter = filters.at((filters.indexOf(filter) + 1) % filters.size());
            const QString named = folder.filePath(QStringLiteral("named.") + ending);
            Dialogs::Testing::AnswerNextFile(named, otherFilter);
            QTest::mouseClick(form->Command1, Qt::LeftButton);
            for (const QString& path : {stem + QLatin1Char('.') + ending, named}) {
                QImageReader reader(path);
                reader.setDecideFormatFromContent(true);
                QCOMPARE(reader.format(), readAs[ending]);
                QCOMPARE(reader.read().size(), form->MSChart1->size());
            }
        }
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void saveShowsTheChartOnTheClipboard_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::newRow("written") << "chart.bmp" << true;
        QTest::newRow("folder missing") << "missing/chart.bmp" << false;
    }
    void saveShowsTheChartOnTheClipboard() {
        QFETCH(QString, name);
        QFETCH(bool, written);
        VERIFY_RAN(sellInMarch());
        frmStats* form = open();
        QVERIFY(form);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        Dialogs::Testing::AnswerNextFile(path);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QVERIFY(!QGuiApplication::overrideCursor());
        const QImage onClipboard = QGuiApplication::clipboard()->image();
        QCOMPARE(onClipboard.size(), form->MSChart1->size());
        QCOMPARE(form->picGraph->size(), form->MSChart1->size());
        QCOMPARE(QFile::exists(path), written);
        if (!written)
            return;
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32),
                 onClipboard.convertToFormat(QImage::Format_RGB32));
    }

    void cancellingTheSaveDoesNothing() {
        frmStats* form = open();
        QVERIFY(form);
        QGuiApplication::clipboard()->clear();
        Dialogs::Testing::AnswerNextFile(QString());
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        QCOMPARE(Dialogs::Testing::Record().size(), 1);
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void theChartFillsTheWindowBelowTheToolBand() {
        Clock::SetFixedNow(QDateTime(kToday, QTime(10, 0)));
        frmStats form;
        form.show();
        form.resize(900, 600);
        const int band = form.CoolBar1->height();
        QVERIFY(band > 0);
        QCOMPARE(form.CoolBar1->geometry(), QRect(0, 0, 900, band));
        QCOMPARE(form.MSChart1->geometry(), QRect(0, band, 900 - 13, 600 - band));
        // Lower than the band: the chart stays below it at the smallest size it takes.
        form.resize(400, band / 2);
        QCOMPARE(form.MSChart1->y(), band);
        QCOMPARE(form.MSChart1->size(), QSize(400 - 13, form.MSChart1->minimumHeight()));
    }
};

STAYMARK_TEST_MAIN(TestFrmStats)
#include "tst_frmStats.moc"
