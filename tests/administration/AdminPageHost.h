#pragma once

#include "core/GlobalLogin.h"
#include "core/ui/CBalloonToolTip.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ExtLV.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QStringList>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// One page of the administration window on its own, in a plain window that holds the balloon
// as the administration window does, over a fresh database with an administrator logged in.
template <typename Page> struct AdminPageHost {
    std::unique_ptr<TestSupport::TestDatabase> db;
    FormBalloon balloon;
    std::unique_ptr<QWidget> window;
    Page* page = nullptr;

    QString Start() {
        db = std::make_unique<TestSupport::TestDatabase>();
        if (!db->SetupError().isEmpty())
            return db->SetupError();
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::LoggedUserName = QStringLiteral("admin");
        window = std::make_unique<QWidget>();
        page = new Page(balloon, window.get());
        (new QVBoxLayout(window.get()))->addWidget(page);
        window->resize(640, 480);
        window->show();
        return {};
    }

    void Stop() {
        page = nullptr;
        window.reset();
        db.reset();
    }

    // The balloon on screen, or null.
    const BalloonWindow* ShownBalloon() const {
        for (const BalloonWindow* shown : window->findChildren<BalloonWindow*>())
            if (shown->isVisible())
                return shown;
        return nullptr;
    }

    // Makes the database refuse every `statement` ("INSERT", "UPDATE", "DELETE") on the table.
    QString Refuse(const QString& table, const QString& statement) {
        const QString trigger =
            db->Which() == TestSupport::Backend::SQLite
                ? QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %2 ON %1 BEGIN SELECT "
                                 "RAISE(ABORT, 'refused'); END")
                : QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %2 ON %1 FOR EACH ROW "
                                 "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'refused'");
        return db->Run(trigger.arg(table, statement));
    }
};

// Clicks the box where its tick is: a box laid over a wide cell has no label under its centre.
inline void ClickCheckBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// The texts of the dialogs shown so far, in order.
inline QStringList ShownTexts() {
    QStringList texts;
    for (const Dialogs::Shown& shown : Dialogs::Testing::Record())
        texts << shown.text;
    return texts;
}

// Each row of a list as its visible cells joined by "|".
inline QStringList RowsOf(ExtLV* list, int visibleColumns) {
    QStringList rows;
    for (int i = 1; i <= list->ListItems().Count(); ++i) {
        const ListItem item = list->ListItems().Item(i);
        QStringList cells{item.Text()};
        for (int column = 1; column < visibleColumns; ++column)
            cells << item.SubItems(column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}
