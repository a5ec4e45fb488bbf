#pragma once

#include "core/ui/Dialogs.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class RevenueChart;

// "Report View": one month of the daily revenue figures as a chart, one row per day, of the
// chosen series and chart type, with switches for the title, legend, axis titles and value
// labels; the chart's parts are edited by double-clicking them and the chart is saved as a
// picture.
class frmStats final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmStats)

public:
    frmStats();
    ~frmStats() override;

    // Opens the default instance as a child window, or brings it forward.
    static void ShowWindow();

    QFrame* CoolBar1 = nullptr;
    QComboBox* CMonth = nullptr;
    QComboBox* CYear = nullptr;
    QComboBox* StatView = nullptr;
    QComboBox* ComboChartType = nullptr;
    QPushButton* Command1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    RevenueChart* MSChart1 = nullptr;
    // Holds the picture of the chart that Save makes.
    QLabel* picGraph = nullptr;

    // The month (1-12) last chosen; 0 until one is.
    qint16 SelectedMonth = 0;
    // The kind of the last fill's series: 1 money, 2 count.
    qint16 ValueKind = 0;

    // The number of days of the month (28 to 31).
    static qint16 LastDay(qint16 testYear, qint16 testMonth);
    // Bits 0-7, 8-15 and 16-23 of a colour value.
    static qint16 GetRed(qint32 color);
    static qint16 GetGreen(qint32 color);
    static qint16 GetBlue(qint32 color);

    // Fills one row per day of the chosen month with the chosen series, then applies the check
    // boxes again. A failure ends it at that day and goes up to the caller.
    void ChartRowDaysCount();

    void CMonth_Click();
    void CYear_Click();
    void StatView_Click();
    void ComboChartType_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void Check5_Click();
    void Command1_Click();
    void MSChart1_TitleActivated();
    void MSChart1_AxisTitleActivated(int axisId, int axisIndex);
    void MSChart1_PlotActivated();
    void MSChart1_SeriesActivated(int series);
    void MSChart1_PointActivated(int series, int dataPoint);
    void MSChart1_PointLabelActivated(int series, int dataPoint);
    void MSChart1_MouseMove(int button, int shift, int x, int y);

    // The window opens at its designed size.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void connectEvents();
    void Form_Load();
    void Form_Resize();
    void fillDay(int day);
    void applyCheckBoxes(bool filled);
    QString monthAndYear() const;
    void savePicture(const Dialogs::FileChoice& choice);
};
