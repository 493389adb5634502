#include "ui/figures_table.h"

#include "ui/level_names.h"

#include <array>
#include <QHeaderView>

namespace omaha {

namespace {

struct FigureRow {
    const char* heading;
    std::int64_t Figures::*figure;
};

constexpr std::array<FigureRow, 8> kRows = {{
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Hands played"), &Figures::handsPlayed},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Won at the showdown"), &Figures::wonAtShowdown},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Won by folds"), &Figures::wonByFolds},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Folded before the flop"),
     &Figures::foldedBeforeFlop},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Biggest pot won"), &Figures::biggestPotWon},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Games won"), &Figures::gamesWon},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Games lost"), &Figures::gamesLost},
    {QT_TRANSLATE_NOOP("omaha::FiguresTable", "Net result"), &Figures::netResult},
}};

// The net result is a gain or a loss: "+24", "-12"; every other figure a count or an amount.
QString figureText(const Figures& figures, const FigureRow& row) {
    const std::int64_t value = figures.*row.figure;
    if (row.figure == &Figures::netResult && value > 0)
        return QStringLiteral("+%1").arg(value);
    return QString::number(value);
}

} // namespace

FiguresTable::FiguresTable(QWidget* parent)
    : QTableWidget(static_cast<int>(kRows.size()), 0, parent) {
    setObjectName(QStringLiteral("statisticsTable"));
    setAccessibleName(tr("Statistics"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    QStringList headings;
    for (const FigureRow& row : kRows)
        headings << tr(row.heading);
    setVerticalHeaderLabels(headings);
    // Rows as high as their text needs, no higher, to leave the chart below room on a low screen.
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void FiguresTable::showFigures(const Figures& session, const std::vector<LevelFigures>& levels,
                               const Figures& allTime) {
    std::vector<std::pair<QString, const Figures*>> columns{{tr("This session"), &session}};
    for (const LevelFigures& level : levels)
        columns.emplace_back(aiLevelName(level.aiLevel), &level.figures);
    columns.emplace_back(tr("All time"), &allTime);

    setColumnCount(static_cast<int>(columns.size()));
    for (int column = 0; column < columnCount(); ++column) {
        const auto& [heading, figures] = columns[static_cast<std::size_t>(column)];
        setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
        for (int row = 0; row < rowCount(); ++row) {
            auto* cell =
                new QTableWidgetItem(figureText(*figures, kRows[static_cast<std::size_t>(row)]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, cell);
        }
    }
    // Every row shows, none scrolls: the headings' heights are known once the table is shown.
    setFixedHeight(horizontalHeader()->sizeHint().height() + verticalHeader()->length() +
                   2 * frameWidth());
}

} // namespace omaha
