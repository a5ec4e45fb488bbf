#pragma once

#include <QString>

class QWidget;

// The common dialogs as methods whose arguments are the dialog's options. The program uses the
// save-file dialog, through which the list exports ask for the spreadsheet file name.
class CDLG final {
    Q_DISABLE_COPY_MOVE(CDLG)

public:
    // Option bits, as the save dialog's callers pass and get them.
    static constexpr long OFN_OVERWRITEPROMPT = 0x2;
    static constexpr long OFN_HIDEREADONLY = 0x4;
    static constexpr long OFN_ENABLEHOOK = 0x20;
    static constexpr long OFN_ENABLETEMPLATE = 0x40;

    CDLG() = default;

    // The last dialog's result: 1 = a file chosen, 0 = cancelled.
    long APIReturn() const { return apiReturn_; }
    long ExtendedError() const { return extendedError_; }

    // Asks for a file to save. On a choice `Filename` is the chosen path, `FileTitle` its name
    // without the folder, `FilterIndex` the filter chosen (from 1), `FLAGS` the option bits
    // used, and the result true; when cancelled
    // `Filename` and `FileTitle` are empty, `FLAGS` and `FilterIndex` 0, and the result false.
    // `Filter` holds description and pattern pairs separated by "|". The dialog opens over the
    // active window, which is the owner whenever a window asks.
    bool VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt,
                           const QString& Filter, long& FilterIndex, const QString& InitDir,
                           const QString& DlgTitle, const QString& DefaultExt, QWidget* Owner,
                           long& FLAGS);

    // "*.xlsx (Excel Workbook)|*.xlsx" in the form the Qt dialog takes:
    // "*.xlsx (Excel Workbook) (*.xlsx)"; pairs are joined by ";;".
    static QString QtFilter(const QString& filter);

    // The file name as chosen when it ends in ".<ending>" (in any case), else with that ending
    // added: a file is named for the format it is written in, whatever the name typed.
    static QString WithEnding(const QString& name, const QString& ending);

private:
    long apiReturn_ = 0;
    long extendedError_ = 0;
};
