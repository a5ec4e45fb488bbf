#pragma once

#include "core/ui/frmScroll.h"

class AGPopUp;
class ExtLV;
class QComboBox;
class QLabel;
class QPushButton;

// "Staymark Logs": the rows of the activity log, filtered by their key, with the removal of one
// row and the clearing of all rows or of the chosen key's rows.
class frmLog final : public ScrollableWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLog)

public:
    frmLog();
    ~frmLog() override;

    // Opens the default instance as a child window, or brings it forward.
    static void ShowWindow();

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    ExtLV* logList = nullptr;
    AGPopUp* AGPopUp1 = nullptr;

    // The key the list is filtered by, or "All Logs"; empty until the filter is first chosen.
    QString SelectedLogKey;

    void LoadLogList();
    void RemoveSelectedLog();
    void ClearAllLogs();

    void Combo1_Click();
    void Command1_Click();
    void logList_MouseDown(int Button, int Shift, int X, int Y);
    void AGPopUp1_MenuClick(const QString& ItemName);

private:
    void layOut();
    void connectEvents();
    void Form_Load();
    // True when the filter asks for every row.
    bool showsAllLogs() const;
    // The key the deletions and the list use: empty for every row.
    QString keyOfFilter() const;
};
