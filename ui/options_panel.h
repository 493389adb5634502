#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace omaha {

class Game;
class OptionsRadioGroup;
class OptionsUpDown;

// The options panel, lying over the middle of the table: initial cash, target, betting
// limits, card back and AI level. Each control hands its change to the game at once, and the game
// saves it; "Ok" only hides the panel, and hiding it undoes nothing. It is not modal: the table
// stays in play while it is shown. Hidden until the Options command shows it.
class OptionsPanel : public QWidget {
    Q_OBJECT

public:
    // `parent` is the table surface; the panel places itself in table pixels.
    OptionsPanel(Game& game, QWidget* parent);

    // Shows the values that start-up loaded into the game's table. Only the controls change:
    // no value of the game, and nothing in the settings file.
    void fillFromTable();

    // The initial cash as it stands in the field, typed but not entered included: New game
    // starts every seat with it.
    QString moneyText() const;

public slots:
    // The Options command: shows the panel when hidden, hides it when shown.
    void toggle();
    // "Ok".
    void hidePanel();

private slots:
    void enterInitialCash();        // "Enter" beside the initial cash, or Return in its field
    void enterTarget();             // "Enter" beside the target, or Return in its field
    void changeBetLevel(int level); // an arrow press of the betting limits, with the new level
    void chooseCardBack(int item);  // another card back chosen
    void chooseAiLevel(int item);   // another AI level chosen

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildCashPanel();
    void buildLevelPanel();
    void buildBetPanel();
    void buildCardBackPanel();
    // The small and big bet labels follow the bet sizes of the table.
    void showBetSizes();

    Game& game_;
    QLineEdit* money_ = nullptr;
    QLineEdit* until_ = nullptr;
    QLabel* smallBetLabel_ = nullptr;
    QLabel* bigBetLabel_ = nullptr;
    OptionsUpDown* betLevel_ = nullptr;
    OptionsRadioGroup* aiLevels_ = nullptr;
    OptionsRadioGroup* cardBacks_ = nullptr;
};

} // namespace omaha
