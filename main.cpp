#include "core/Load_frms.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Staymark"));
    QApplication::setApplicationVersion(QStringLiteral(STAYMARK_VERSION));
    if (!Load_frms::Main())
        return 0;
    return QApplication::exec();
}
