#include "ui/history_window.h"

#include "engine/hand_history.h"
#include "ui/screen_placement.h"
#include "ui/table_layout.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace omaha {

namespace {

constexpr int kWidth = 380;

} // namespace

HistoryWindow::HistoryWindow(HandHistory& history, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history), text_(new QPlainTextEdit(this)),
      refresh_(*this, [this] { refresh(); }) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("Hand history"));
    // The table keeps the keyboard when the history appears.
    setAttribute(Qt::WA_ShowWithoutActivating);
    text_->setObjectName(QStringLiteral("handHistoryText"));
    text_->setAccessibleName(tr("Hand history"));
    text_->setReadOnly(true);
    // Read-only text is selectable by mouse alone by default; the keyboard selects it too.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(kWidth, kTableHeight);
    history.onChange([this] { refresh_.request(); });
}

void HistoryWindow::present() {
    if (!placed_ && parentWidget() != nullptr) {
        resize(kWidth, parentWidget()->height());
        placeBesideTable(*this, parentWidget());
    }
    placed_ = true;
    show();
    raise();
}

void HistoryWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void HistoryWindow::refresh() {
    if (!isVisible())
        return;
    QScrollBar* scroll = text_->verticalScrollBar();
    const bool atEnd = scroll->value() == scroll->maximum();
    const int position = scroll->value();
    text_->setPlainText(QString::fromStdString(history_.text()));
    scroll->setValue(atEnd ? scroll->maximum() : position);
}

} // namespace omaha
