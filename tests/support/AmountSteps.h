#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

namespace TestSupport {

// Clicks into a box past the end of its text, as a user clicks into a box to change it.
inline void ClickInto(QLineEdit* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
}

// Changes what a money box holds as a user does, after clicking into it: "type" or "paste"
// the text, or "type after" or "paste after" the text the box shows (End first).
inline void ChangeAmount(QLineEdit* box, const QString& how, const QString& text) {
    ClickInto(box);
    if (how.endsWith(QLatin1String(" after")))
        QTest::keyClick(box, Qt::Key_End);
    if (how.startsWith(QLatin1String("paste"))) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(box, QKeySequence::Paste);
    } else {
        QTest::keyClicks(box, text);
    }
}

} // namespace TestSupport
