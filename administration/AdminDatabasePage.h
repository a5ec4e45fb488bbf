#pragma once

#include <QWidget>

class FormBalloon;

// The "Database Settings" page of the administration window: where the program finds its database.
class AdminDatabasePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AdminDatabasePage)

public:
    // The page shows its validation balloons through the window's balloon.
    explicit AdminDatabasePage(FormBalloon& balloon, QWidget* parent = nullptr);
    ~AdminDatabasePage() override;

    void LoadSettings();

private:
    FormBalloon& balloon_;
};
