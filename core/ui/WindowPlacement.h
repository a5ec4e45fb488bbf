#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class QWidget;

// A window's placement kept in config.ini: its place and size under its own section and, when
// the window keeps one, its state (0 normal, 1 minimised, 2 maximised) under a key there. The
// place is restored when the window loads and saved again whenever it is resized or moved.
class WindowPlacement final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowPlacement)

public:
    WindowPlacement(QString section, QString stateKey, QObject* parent);
    ~WindowPlacement() override;

    // Restores the stored place (one smaller than 3000 x 3000 twips is not restored), then gives
    // the window `loadSize` when one is given and keeps it whole inside the workspace it opens
    // in, then the stored state; with no state stored yet
    // the window shows in the normal state, so a window the user just asked for is never
    // hidden. From now on every resize and move is saved.
    void Restore(QWidget* window, const QSize& loadSize = {});
    // Stores the window's place and state now.
    void Save() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString section_;
    QString stateKey_;
    QPointer<QWidget> window_;
};

// Moves a child window that reaches past its parent's edges back inside, as far as it fits: a
// window sized after its parent placed it would otherwise hide its title bar or buttons.
// Top-level windows are left where they are.
void KeepInsideParent(QWidget* window);
