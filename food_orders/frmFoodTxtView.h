#pragma once

#include "food_orders/FoodBill.h"

#include <QColor>
#include <QHash>
#include <QWidget>

#include <optional>

class AGPopUp;
class QAction;
class QComboBox;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

// "Food & Beverages Details": the bill of one order as tab-aligned text that the user formats,
// edits and saves as a rich-text file.
class frmFoodTxtView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFoodTxtView)

public:
    explicit frmFoodTxtView(FoodBill bill);
    ~frmFoodTxtView() override;

    // Opens the bill view for this bill as a child window; one already open is brought
    // forward unchanged, with the bill it was opened for.
    static void ShowBill(const FoodBill& bill);

    QWidget* CoolBar1 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QWidget* Picture2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QTextEdit* RichText = nullptr;
    AGPopUp* popMnu = nullptr;

    // The toolbar button of a key ("boldi", "savei", ...).
    QAction* Button(const QString& key) const;
    QSize sizeHint() const override;

    // Puts the bill's text into the editor.
    void Display_FoodDetails();

    void Undo();
    void Redo();
    void cut();
    void copy();
    void paste();

    void Toolbar1_ButtonClick(const QString& key);
    void Combo1_Click();
    void Combo2_Click();
    void popMnu_MenuClick(const QString& itemName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void buildToolbar();
    void connectEvents();
    void Form_Load();

    void switchBold();
    void switchItalic();
    void switchUnderline();
    void applyToSelection(const QTextCharFormat& format);
    // The pressed state of bold, italic and underline follows the text at the cursor.
    void showCharacterState();
    std::optional<QColor> chosenColour(const QString& title) const;
    void chooseTextColour();
    void chooseBackgroundColour();
    void saveAsRichText();

    FoodBill bill_;
    QHash<QString, QAction*> buttons_;
    std::optional<QColor> background_;
};
