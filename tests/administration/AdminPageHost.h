#pragma once

#include "core/GlobalLogin.h"
#include "core/ui/CBalloonToolTip.h"
#include "tests/support/AdminSteps.h"
#include "tests/support/ProgramTest.h"

#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// One page of the administration window on its own, in a plain window that holds the balloon
// as the administration window does, over a fresh database with an administrator logged in.
template <typename Page> class AdminPageHost : public TestSupport::DatabaseTest {
protected:
    QString startProgram() override {
        const QString error = DatabaseTest::startProgram();
        if (!error.isEmpty())
            return error;
        GlobalLogin::IsLoggedIn = true;
        GlobalLogin::LoggedUserName = QStringLiteral("admin");
        balloon_ = std::make_unique<FormBalloon>();
        window_ = new QWidget;
        page_ = new Page(*balloon_, window_);
        (new QVBoxLayout(window_))->addWidget(page_);
        window_->resize(640, 480);
        window_->show();
        return {};
    }

    void stopProgram() override {
        delete window_.data();
        balloon_.reset();
        DatabaseTest::stopProgram();
    }

    Page* page() const { return page_; }
    QWidget* hostWindow() const { return window_; }

private:
    std::unique_ptr<FormBalloon> balloon_;
    QPointer<QWidget> window_;
    QPointer<Page> page_;
};
