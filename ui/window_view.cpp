#include "ui/window_view.h"

#include "ui/gradient_button.h"
#include "ui/table_layout.h"
#include "ui/table_surface.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <utility>

namespace omaha {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

WindowTableView::WindowTableView(QWidget* window, TableSurface& surface, const TableLabels& labels,
                                 const TableButtons& buttons)
    : window_(window), surface_(surface), labels_(labels), buttons_(buttons) {
    window_->installEventFilter(this);
}

bool WindowTableView::eventFilter(QObject* watched, QEvent* event) {
    // Once the window system has had the window, in the next turn of the event loop.
    if (watched == window_ && event->type() == QEvent::Show && !held_.empty())
        QTimer::singleShot(0, this, &WindowTableView::showHeldMessages);
    return false;
}

void WindowTableView::setLabelText(QLabel* label, std::string_view text) {
    const QRect before = label->geometry();
    label->setText(fromView(text));
    // A label named for screen readers, as "Freak's cash", tells its text as its description.
    if (!label->accessibleName().isEmpty())
        label->setAccessibleDescription(label->text());
    label->adjustSize();
    surface_.exposeArea(before.united(label->geometry()));
}

void WindowTableView::showStatus(SeatCode seat, std::string_view text) {
    setLabelText(labels_.seats[seat].status, text);
}

void WindowTableView::colourStatus(SeatCode seat, StatusColour colour) {
    QLabel* status = labels_.seats[seat].status;
    setTextColour(status, colour == StatusColour::Yellow ? kYellowText : kWhiteText);
    surface_.exposeArea(status->geometry());
}

void WindowTableView::showCash(SeatCode seat, std::int32_t cash) {
    setLabelText(labels_.seats[seat].cash, std::to_string(cash));
}

void WindowTableView::showPot(std::int32_t pot) {
    setLabelText(labels_.pot, std::to_string(pot));
    surface_.describeSoon();
}

void WindowTableView::showResult(std::string_view text) {
    setLabelText(labels_.result, text);
}

void WindowTableView::enableButton(TableButton button, bool enabled) {
    enableTableButton(buttons_, button, enabled);
}

void WindowTableView::setStayCaption(std::string_view caption) {
    captionTableButton(buttons_, TableButton::Stay, fromView(caption));
}

void WindowTableView::showCards(const TableState& table) {
    surface_.paintCards(table);
    surface_.describeSoon();
}

void WindowTableView::wipeSeatCards(SeatCode seat) {
    surface_.eraseArea(fanOf(seat).erase);
    surface_.describeSoon();
}

void WindowTableView::wipeBoard() {
    surface_.eraseArea(kBoardArea);
    surface_.describeSoon();
}

void WindowTableView::showMessage(std::string_view text, std::string_view caption) {
    const Message message{fromView(text), fromView(caption)};
    if (window_->isVisible())
        showBox(message);
    else
        held_.push_back(message);
}

void WindowTableView::showBox(const Message& message) {
    QMessageBox box(QMessageBox::NoIcon, message.caption, message.text, QMessageBox::Ok, window_);
    box.exec();
}

void WindowTableView::showHeldMessages() {
    for (const Message& message : std::exchange(held_, {}))
        showBox(message);
}

} // namespace omaha
