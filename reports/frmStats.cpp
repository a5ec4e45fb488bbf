#include "reports/frmStats.h"

#include "core/Clock.h"
#include "core/Currency.h"
#include "core/DefaultInstance.h"
#include "core/ErrorReport.h"
#include "core/Recordset.h"
#include "core/theDBworks.h"
#include "core/ui/BusyCursor.h"
#include "core/ui/CDLG.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FormControls.h"
#include "core/ui/Workspace.h"
#include "reports/RevenueReadStore.h"
#include "reports/StatsChoices.h"
#include "reports/chart/PictureFile.h"
#include "reports/chart/RevenueChart.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

using namespace StatsChoices;

namespace {

constexpr int kRightMarginTwips = 200;

const QString kChangeText = QStringLiteral("Change text to any");

// What the tip says of the part under the pointer.
QString tipOf(const Chart::Hit& hit, const RevenueChart& chart) {
    switch (hit.part) {
    case Chart::Part::ChartArea:
        return QStringLiteral("Chart Area");
    case Chart::Part::Title:
        return QStringLiteral("Chart Title");
    case Chart::Part::Footnote:
        return QStringLiteral("Footnote");
    case Chart::Part::Legend:
        return QStringLiteral("Legend");
    case Chart::Part::Plot:
        return QStringLiteral("Plot Area");
    case Chart::Part::Point:
    case Chart::Part::PointLabel:
        return QStringLiteral("Value := ") + QLocale().toString(chart.RowValue(hit.point), 'f', 2);
    case Chart::Part::Axis:
        return QStringLiteral("Plot Axis");
    case Chart::Part::AxisLabel:
        return QStringLiteral("Axis Label");
    case Chart::Part::AxisTitle:
        return QStringLiteral("Axis Title");
    case Chart::Part::Series:
    case Chart::Part::None:
        break;
    }
    return {};
}

// A colour as the colour dialog's value holds it: red in the low byte, then green and blue.
qint32 colorValue(const QColor& color) {
    return qint32(color.red()) | (qint32(color.green()) << 8) | (qint32(color.blue()) << 16);
}

} // namespace

frmStats::frmStats() {
    setObjectName(QStringLiteral("frmStats"));
    setWindowTitle(QStringLiteral("Report View"));
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connectEvents();
    Form_Load();
}

frmStats::~frmStats() = default;

void frmStats::ShowWindow() {
    Workspace::ShowChild(DefaultInstance<frmStats>());
}

void frmStats::layOut() {
    CoolBar1 = Named(new QFrame(this), QStringLiteral("CoolBar1"));
    CoolBar1->setFrameShape(QFrame::StyledPanel);
    CMonth = NewCombo(CoolBar1, QStringLiteral("CMonth"), {}, false);
    CYear = NewCombo(CoolBar1, QStringLiteral("CYear"), {}, false);
    StatView = NewCombo(CoolBar1, QStringLiteral("StatView"), {}, false);
    ComboChartType = NewCombo(CoolBar1, QStringLiteral("ComboChartType"), {}, false);
    Command1 = NewButton(CoolBar1, QStringLiteral("Command1"), QStringLiteral("&Save"));
    Check1 = NewCheckBox(CoolBar1, QStringLiteral("Check1"), QStringLiteral("Title"));
    Check2 = NewCheckBox(CoolBar1, QStringLiteral("Check2"), QStringLiteral("Legends"));
    Check3 = NewCheckBox(CoolBar1, QStringLiteral("Check3"), QStringLiteral("Y Axis Title"));
    Check4 = NewCheckBox(CoolBar1, QStringLiteral("Check4"), QStringLiteral("X Axis Title"));
    Check5 = NewCheckBox(CoolBar1, QStringLiteral("Check5"), QStringLiteral("Values"));
    auto* band = new QGridLayout(CoolBar1);
    int column = 0;
    for (QWidget* chooser :
         {static_cast<QWidget*>(CMonth), static_cast<QWidget*>(CYear),
          static_cast<QWidget*>(StatView), static_cast<QWidget*>(ComboChartType)})
        band->addWidget(chooser, 0, column++);
    band->addWidget(Command1, 0, column);
    column = 0;
    for (QCheckBox* box : {Check1, Check2, Check3, Check4, Check5})
        band->addWidget(box, 1, column++);
    band->setColumnStretch(5, 1);

    MSChart1 = Named(new RevenueChart(this), QStringLiteral("MSChart1"));
    picGraph = NewPicture(this, QStringLiteral("picGraph"), QIcon(), 0);
    picGraph->hide();
}

QSize frmStats::sizeHint() const {
    return TwipsSize(13800, 8400);
}

void frmStats::connectEvents() {
    connect(CMonth, &QComboBox::currentIndexChanged, this, &frmStats::CMonth_Click);
    connect(CYear, &QComboBox::currentIndexChanged, this, &frmStats::CYear_Click);
    connect(StatView, &QComboBox::currentIndexChanged, this, &frmStats::StatView_Click);
    connect(ComboChartType, &QComboBox::currentIndexChanged, this, &frmStats::ComboChartType_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmStats::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &frmStats::Check2_Click);
    connect(Check3, &QCheckBox::clicked, this, &frmStats::Check3_Click);
    connect(Check4, &QCheckBox::clicked, this, &frmStats::Check4_Click);
    connect(Check5, &QCheckBox::clicked, this, &frmStats::Check5_Click);
    connect(Command1, &QPushButton::clicked, this, &frmStats::Command1_Click);
    connect(MSChart1, &RevenueChart::TitleActivated, this, &frmStats::MSChart1_TitleActivated);
    connect(MSChart1, &RevenueChart::AxisTitleActivated, this,
            &frmStats::MSChart1_AxisTitleActivated);
    connect(MSChart1, &RevenueChart::PlotActivated, this, &frmStats::MSChart1_PlotActivated);
    connect(MSChart1, &RevenueChart::SeriesActivated, this, &frmStats::MSChart1_SeriesActivated);
    connect(MSChart1, &RevenueChart::PointActivated, this, &frmStats::MSChart1_PointActivated);
    connect(MSChart1, &RevenueChart::PointLabelActivated, this,
            &frmStats::MSChart1_PointLabelActivated);
    connect(MSChart1, &RevenueChart::MouseMove, this, &frmStats::MSChart1_MouseMove);
}

// Each list's choice at load raises its event, as a user's would: the chart opens on this
// month and year, the first series, as a flat bar chart.
void frmStats::Form_Load() {
    const QDate today = Clock::Today();
    IgnoreErrors([&] {
        FillUnselected(CMonth, MonthNames());
        // A system language with other month names finds no entry: no month is chosen.
        CMonth->setCurrentIndex(
            int(MonthNames().indexOf(QLocale().toString(today, QStringLiteral("MMMM")))));
    });
    IgnoreErrors([&] {
        FillUnselected(CYear, YearsAround(today.year()));
        CYear->setCurrentIndex(kYearsBefore);
    });
    IgnoreErrors([this] {
        FillUnselected(StatView, SeriesTexts());
        StatView->setCurrentIndex(0);
    });
    IgnoreErrors([this] {
        FillUnselected(ComboChartType, ChartTypeTexts());
        ComboChartType->setCurrentIndex(kChartTypeAtLoad);
    });
    IgnoreErrors([this] { ChartRowDaysCount(); });
}

qint16 frmStats::LastDay(qint16 testYear, qint16 testMonth) {
    const QDate firstOfNext =
        testMonth == 12 ? QDate(testYear + 1, 1, 1) : QDate(testYear, testMonth + 1, 1);
    return qint16(firstOfNext.addDays(-1).day());
}

qint16 frmStats::GetRed(qint32 color) {
    return qint16(color & 0xff);
}

qint16 frmStats::GetGreen(qint32 color) {
    return qint16((color >> 8) & 0xff);
}

qint16 frmStats::GetBlue(qint32 color) {
    return qint16((color >> 16) & 0xff);
}

QString frmStats::monthAndYear() const {
    return CMonth->currentText() + QLatin1Char(' ') + CYear->currentText();
}

void frmStats::ChartRowDaysCount() {
    const bool chosen = CMonth->currentIndex() >= 0 && CYear->currentIndex() >= 0;
    if (chosen) {
        const int days =
            LastDay(qint16(CYear->currentText().toInt()), qint16(CMonth->currentIndex() + 1));
        MSChart1->SetRowCount(days);
        for (int day = 1; day <= days; ++day)
            fillDay(day);
    }
    applyCheckBoxes(chosen);
}

void frmStats::fillDay(int day) {
    RevenueReadStore::OpenDay(QDate(CYear->currentText().toInt(), SelectedMonth, day));
    if (const Series* series = SeriesAt(StatView->currentIndex())) {
        ValueKind = series->kind;
        Recordset& figures = theDBworks::DBRecordset();
        const bool sold = figures.RecordCount() >= 1;
        if (ValueKind == kMoney)
            MSChart1->SetRowValue(day,
                                  (sold ? figures.Money(series->column) : Currency()).Format());
        else
            MSChart1->SetRowValue(
                day, QString::number(sold ? figures.Fields(series->column).toLongLong() : 0));
    }
    MSChart1->SetRowLabel(day, QString::number(day));
}

// Title, axis titles, legend and value labels follow the new month, year and series.
void frmStats::applyCheckBoxes(bool filled) {
    if (filled)
        Check5_Click();
    Check1_Click();
    Check3_Click();
    Check4_Click();
    Check2_Click();
}

// A month chosen: the chart shows its days.
void frmStats::CMonth_Click() {
    IgnoreErrors([this] { SelectedMonth = qint16(CMonth->currentIndex() + 1); });
    IgnoreErrors([this] { ChartRowDaysCount(); });
}

// A year chosen: the chart shows the month of that year.
void frmStats::CYear_Click() {
    IgnoreErrors([this] { ChartRowDaysCount(); });
}

// A series chosen: the chart shows its figures.
void frmStats::StatView_Click() {
    IgnoreErrors([this] { ChartRowDaysCount(); });
}

// A chart type chosen: the chart takes it.
void frmStats::ComboChartType_Click() {
    IgnoreErrors([this] {
        if (const ChartType* type = ChartTypeAt(ComboChartType->currentIndex()))
            MSChart1->SetChartType(type->value);
    });
}

// "Title": the series, month and year as the chart's title.
void frmStats::Check1_Click() {
    IgnoreErrors([this] {
        MSChart1->SetTitleText(Check1->isChecked() ? StatView->currentText() +
                                                         QStringLiteral(" for ") + monthAndYear()
                                                   : QString());
    });
}

// "Legends": the legend with the series' name.
void frmStats::Check2_Click() {
    IgnoreErrors([this] {
        const Series* series = SeriesAt(StatView->currentIndex());
        if (Check2->isChecked() && series)
            MSChart1->SetColumnLabel(series->legendLabel);
        MSChart1->SetLegendShown(Check2->isChecked());
    });
}

// "Y Axis Title": what the series counts.
void frmStats::Check3_Click() {
    IgnoreErrors([this] {
        const Series* series = SeriesAt(StatView->currentIndex());
        if (!Check3->isChecked())
            MSChart1->SetAxisTitle(Chart::kYAxis, QString());
        else if (series)
            MSChart1->SetAxisTitle(Chart::kYAxis, series->yAxisTitle);
    });
}

// "X Axis Title": the month and year of the days.
void frmStats::Check4_Click() {
    IgnoreErrors([this] {
        MSChart1->SetAxisTitle(
            Chart::kXAxis,
            Check4->isChecked() ? QStringLiteral("Dates of Month ") + monthAndYear() : QString());
    });
}

// "Values": each day's value above its point, as money or as a whole count.
void frmStats::Check5_Click() {
    IgnoreErrors([this] {
        if (!Check5->isChecked()) {
            MSChart1->HideValueLabels();
            return;
        }
        const Chart::ValueFormat format = ValueKind == kMoney   ? Chart::ValueFormat::Currency
                                          : ValueKind == kCount ? Chart::ValueFormat::WholeNumber
                                                                : Chart::ValueFormat::General;
        MSChart1->ShowValueLabels(format);
    });
}

// "&Save": the chart as a picture, on the clipboard and in a file of the format its name or
// the chosen filter says. Cancel or a failure ends the save without a word.
void frmStats::Command1_Click() {
    Dialogs::FileRequest request;
    request.title = QStringLiteral("Save Chart As");
    request.filter = CDLG::QtFilter(PictureFile::Filter());
    request.overwritePrompt = true;
    Dialogs::FileChoice choice;
    IgnoreErrors([&] { choice = Dialogs::SaveFile(request); });
    if (choice.path.isEmpty())
        return;
    const BusyCursor busy;
    IgnoreErrors([&] { savePicture(choice); });
}

void frmStats::savePicture(const Dialogs::FileChoice& choice) {
    picGraph->resize(MSChart1->size());
    const QImage picture = MSChart1->Picture();
    picGraph->setPixmap(QPixmap::fromImage(picture));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picture);
    PictureFile::Write(picture, choice.path, choice.filter);
}

// The title double-clicked: its text is asked for.
void frmStats::MSChart1_TitleActivated() {
    IgnoreErrors([this] {
        const std::optional<QString> text =
            Dialogs::InputText(kChangeText, QStringLiteral("Title Text"), MSChart1->TitleText());
        if (text && !text->isEmpty())
            MSChart1->SetTitleText(*text);
    });
}

// An axis title double-clicked: its text is asked for.
void frmStats::MSChart1_AxisTitleActivated(int axisId, int) {
    IgnoreErrors([this, axisId] {
        const QString caption = axisId == Chart::kXAxis   ? QStringLiteral("X-Axis")
                                : axisId == Chart::kYAxis ? QStringLiteral("Y-Axis")
                                                          : QString();
        const std::optional<QString> text =
            Dialogs::InputText(kChangeText, caption, MSChart1->AxisTitle(axisId));
        if (text && !text->isEmpty() && (axisId == Chart::kXAxis || axisId == Chart::kYAxis))
            MSChart1->SetAxisTitle(axisId, *text);
    });
}

// The plot double-clicked: its background takes the colour chosen; Cancel keeps it.
void frmStats::MSChart1_PlotActivated() {
    IgnoreErrors([this] {
        const std::optional<QColor> chosen = Dialogs::ChooseColor(MSChart1->PlotColor());
        if (!chosen)
            return;
        const qint32 value = colorValue(*chosen);
        MSChart1->SetPlotColor(QColor(GetRed(value), GetGreen(value), GetBlue(value)));
    });
}

// The series double-clicked: its points, value labels and markers take the colour chosen;
// Cancel keeps them.
void frmStats::MSChart1_SeriesActivated(int) {
    IgnoreErrors([this] {
        const std::optional<QColor> chosen = Dialogs::ChooseColor(MSChart1->SeriesColor());
        if (!chosen)
            return;
        const qint32 value = colorValue(*chosen);
        MSChart1->SetSeriesColor(QColor(GetRed(value), GetGreen(value), GetBlue(value)));
    });
}

// A point double-clicked: its series' colour.
void frmStats::MSChart1_PointActivated(int series, int) {
    MSChart1_SeriesActivated(series);
}

// A value label double-clicked: its series' colour.
void frmStats::MSChart1_PointLabelActivated(int series, int) {
    MSChart1_SeriesActivated(series);
}

// The pointer moved: the tip names the part under it, or a point's value.
void frmStats::MSChart1_MouseMove(int, int, int x, int y) {
    IgnoreErrors(
        [this, x, y] { MSChart1->setToolTip(tipOf(MSChart1->PartAt(QPoint(x, y)), *MSChart1)); });
}

void frmStats::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// The tool band across the top, the chart below it; in a window lower than the band the chart
// keeps the smallest size it takes rather than a negative one.
void frmStats::Form_Resize() {
    const int band = CoolBar1->sizeHint().height();
    CoolBar1->setGeometry(0, 0, width(), band);
    MSChart1->setGeometry(0, band, std::max(0, width() - TwipsToPixels(kRightMarginTwips)),
                          std::max(0, height() - band));
}
