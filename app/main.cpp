#include "app/Load_frms.h"
#include "core/ui/Icons.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Staymark"));
    QApplication::setApplicationVersion(QStringLiteral(STAYMARK_VERSION));
    // Every window without an icon of its own shows the program's mark.
    QApplication::setWindowIcon(Icons::Get(Icons::Name::Program));
    if (!Load_frms::Main())
        return 0;
    return QApplication::exec();
}
