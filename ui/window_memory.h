#pragma once

#include <QObject>
#include <QRect>

class QWidget;

namespace omaha {

class SettingsStore;
class TableScaling;

// The main window's place and size and the choice to scale the table, from one run to the next,
// in the settings file's section [Window]: `scaled` (0 or 1), and `x`, `y`, `width` and `height`,
// the window's inside in the screen's logical pixels. They are written together, in one write,
// when the window closes and when the player turns the scaling on or off.
class WindowMemory : public QObject {
    Q_OBJECT

public:
    WindowMemory(QWidget& window, TableScaling& scaling, SettingsStore& settings);

    // Before the window is first shown, at its designed size: the scaling as it was, and the
    // place and size as they were where they fit: large enough for half the table and wholly on
    // the available area of one of this run's screens. Where they do not, or a value is missing
    // or out of bounds, the window is placed as a new one; but on a screen that cannot hold the
    // table at its designed size, a first start, or a table scaled before, scales the table in a
    // window fitted to the screen.
    void restore();

    // Whether the table is scaled with the window.
    bool scaled() const;

public slots:
    // The player's choice, remembered at once with the window's place.
    void setScaled(bool on);

protected:
    // Remembers everything as the window closes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember();

    QWidget& window_;
    TableScaling& scaling_;
    SettingsStore& settings_;
};

} // namespace omaha
