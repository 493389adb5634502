#pragma once

#include "ui/run_soon.h"

#include <QWidget>

class QPlainTextEdit;

namespace omaha {

class HandHistory;

// The hand history in a window of its own beside the table, to read, select and copy while
// playing on. It is not modal, and it follows the history as hands are played: at the end when
// the reader was at the end, where the reader was otherwise.
class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    // Follows `history` from now on; `history` must not tell of a change after the window is gone.
    HistoryWindow(HandHistory& history, QWidget* parent);

    // Shows the window in front, without taking the keyboard from the table. The first time it
    // is placed beside its parent window, the table, which moves aside where the screen has room
    // for both side by side but not where the table stands.
    void present();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sets the text again; nothing while the window is hidden.
    void refresh();

    const HandHistory& history_;
    QPlainTextEdit* text_ = nullptr;
    // A press adds many lines at once; the text is set once, after the press.
    RunSoon refresh_;
    bool placed_ = false;
};

} // namespace omaha
