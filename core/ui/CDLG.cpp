#include "core/ui/CDLG.h"

#include "core/ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// "*.xlsx", ".xlsx" and "xlsx" all name the extension xlsx.
QString bareExtension(QString extension) {
    while (extension.startsWith(QLatin1Char('*')) || extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    return extension;
}

QString initialPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

} // namespace

QString CDLG::QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified()));
    }
    return filters.join(QStringLiteral(";;"));
}

QString CDLG::WithEnding(const QString& name, const QString& ending) {
    const QString dotted = QLatin1Char('.') + bareExtension(ending);
    return name.endsWith(dotted, Qt::CaseInsensitive) ? name : name + dotted;
}

bool CDLG::VBGetSaveFileName(QString& Filename, QString& FileTitle, bool OverWritePrompt,
                             const QString& Filter, long& FilterIndex, const QString& InitDir,
                             const QString& DlgTitle, const QString& DefaultExt, QWidget* Owner,
                             long& FLAGS) {
    Q_UNUSED(Owner)
    apiReturn_ = 0;
    extendedError_ = 0;
    // Hooks and templates are not offered: the system never asks for them.
    const long options = (OverWritePrompt ? OFN_OVERWRITEPROMPT : 0) |
                         (FLAGS & ~(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE)) | OFN_HIDEREADONLY;

    Dialogs::FileRequest request;
    request.title = DlgTitle;
    request.filter = QtFilter(Filter);
    request.defaultSuffix = bareExtension(DefaultExt);
    request.initialPath = initialPath(InitDir, Filename);
    request.overwritePrompt = (options & OFN_OVERWRITEPROMPT) != 0;
    const Dialogs::FileChoice choice = Dialogs::SaveFile(request);
    const QString& chosen = choice.path;

    if (chosen.isEmpty()) {
        Filename.clear();
        FileTitle.clear();
        FLAGS = 0;
        FilterIndex = 0;
        return false;
    }
    apiReturn_ = 1;
    Filename = chosen;
    FileTitle = QFileInfo(chosen).fileName();
    FLAGS = options;
    FilterIndex = long(request.filter.split(QStringLiteral(";;")).indexOf(choice.filter)) + 1;
    return true;
}
