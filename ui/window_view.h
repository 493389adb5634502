#pragma once

#include "engine/table_view.h"
#include "ui/table_buttons.h"
#include "ui/table_labels.h"

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace omaha {

class TableSurface;

// The game's view of the main window: texts go into the table's labels, button changes into the
// action buttons, drawing onto the table surface, and messages into modal boxes over the window.
// The game starts while the window is being built; a message it gives before the window is on the
// screen waits, and shows over the table once the window is shown, rather than alone on the
// desktop. Such a message returns at once.
class WindowTableView final : public QObject, public TableView {
public:
    WindowTableView(QWidget* window, TableSurface& surface, const TableLabels& labels,
                    const TableButtons& buttons);
    WindowTableView(const WindowTableView&) = delete;
    WindowTableView& operator=(const WindowTableView&) = delete;

    void showStatus(SeatCode seat, std::string_view text) override;
    void colourStatus(SeatCode seat, StatusColour colour) override;
    void showCash(SeatCode seat, std::int32_t cash) override;
    void showPot(std::int32_t pot) override;
    void showResult(std::string_view text) override;
    void enableButton(TableButton button, bool enabled) override;
    void setStayCaption(std::string_view caption) override;
    void showCards(const TableState& table) override;
    void wipeSeatCards(SeatCode seat) override;
    void wipeBoard() override;
    void showMessage(std::string_view text, std::string_view caption) override;

protected:
    // Watches the window for its showing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Message {
        QString text;
        QString caption;
    };
    void showBox(const Message& message);
    void showHeldMessages();

    // A label's new text, sized to fit; the table under the old and new extent is painted again.
    void setLabelText(QLabel* label, std::string_view text);

    QWidget* window_;
    TableSurface& surface_;
    TableLabels labels_;
    TableButtons buttons_;
    std::vector<Message> held_;
};

} // namespace omaha
