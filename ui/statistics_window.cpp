#include "ui/statistics_window.h"

#include "records/hand_records.h"
#include "ui/cash_chart.h"
#include "ui/figures_table.h"
#include "ui/guarded_call.h"
#include "ui/screen_placement.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace omaha {

StatisticsWindow::StatisticsWindow(HandRecords& records, QWidget* parent)
    : QWidget(parent, Qt::Window), records_(records), figures_(new FiguresTable(this)),
      chart_(new CashChart(this)), refresh_(*this, [this] { refresh(); }) {
    setObjectName(QStringLiteral("statisticsWindow"));
    setWindowTitle(tr("Statistics"));
    auto* exportButton = new QPushButton(tr("Export…"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setAccessibleName(tr("Export every hand"));
    exportButton->setToolTip(tr("Every recorded hand as text, in a file"));
    connect(exportButton, &QPushButton::clicked, this, &StatisticsWindow::exportHands);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figures_);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);
    resize(720, 680);
}

void StatisticsWindow::present() {
    if (!placed_) {
        // Filled first, so that the window is placed at the size its figures give it.
        showRecords();
        layout()->activate();
        placeBesideTable(*this, parentWidget());
    }
    placed_ = true;
    show();
    raise();
    activateWindow();
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void StatisticsWindow::refresh() {
    if (isVisible())
        showRecords();
}

void StatisticsWindow::showRecords() {
    figures_->showFigures(records_.sessionFigures(), records_.levelFigures(),
                          records_.allTimeFigures());
    chart_->showGames(records_.recentGames(kChartedGames));
}

void StatisticsWindow::exportHands() {
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Export hands"), QDir::home().filePath(QStringLiteral("omaha-hands.txt")),
        tr("Text files (*.txt);;All files (*)"));
    if (file.isEmpty())
        return;
    const QString failed = tr("Unable to export the hands to %1").arg(file);
    std::ofstream out(file.toStdString(), std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        showError(this, std::runtime_error((failed + QStringLiteral(": ") +
                                            QString::fromLocal8Bit(std::strerror(errno)))
                                               .toStdString()));
        return;
    }
    // A file that cannot be read is told by the records, once.
    if (!records_.exportText(out) || !out.flush())
        showError(this, std::runtime_error((failed + QLatin1Char('.')).toStdString()));
}

} // namespace omaha
