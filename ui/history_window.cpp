#include "ui/history_window.h"

#include "engine/hand_history.h"
#include "ui/table_layout.h"

#include <algorithm>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace omaha {

namespace {

constexpr int kWidth = 380;
// Room between the window and the table's window.
constexpr int kGap = 8;

} // namespace

HistoryWindow::HistoryWindow(HandHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(QStringLiteral("Hand history"));
    text_->setObjectName(QStringLiteral("handHistory"));
    text_->setAccessibleName(QStringLiteral("Hand history"));
    text_->setReadOnly(true);
    // Read-only text is selectable by mouse alone by default; the keyboard selects it too.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(kWidth, kTableHeight);
    history.onChange([this] { refreshSoon(); });
}

void HistoryWindow::present() {
    if (!placed_)
        placeBesideParent();
    show();
    raise();
    activateWindow();
}

void HistoryWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void HistoryWindow::refreshSoon() {
    if (refreshPending_ || !isVisible())
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

void HistoryWindow::refresh() {
    QScrollBar* scroll = text_->verticalScrollBar();
    const bool atEnd = scroll->value() == scroll->maximum();
    const int position = scroll->value();
    text_->setPlainText(QString::fromStdString(history_.text()));
    scroll->setValue(atEnd ? scroll->maximum() : position);
}

void HistoryWindow::placeBesideParent() {
    placed_ = true;
    const QWidget* table = parentWidget();
    if (table == nullptr)
        return;
    // Both windows' frames side by side, their tops level.
    const QRect frame = table->frameGeometry();
    QPoint place(frame.right() + kGap, frame.top());
    // Kept on the table's screen, over the table's edge when there is no room beside it.
    if (const QScreen* screen = table->screen())
        place.setX(std::min(place.x(), screen->availableGeometry().right() - kWidth));
    resize(kWidth, table->height());
    move(place);
}

} // namespace omaha
