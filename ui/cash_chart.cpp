#include "ui/cash_chart.h"

#include <algorithm>
#include <array>
#include <QCoreApplication>
#include <QDateTime>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

namespace omaha {

namespace {

// The current game's line, then the older games' lines, fainter the older they are.
constexpr std::array<QRgb, 5> kLineColours = {0x1b7a3a, 0x4f7fb8, 0x8aa6c9, 0xb0bfd0, 0xc9d2dc};

// "7 Dec 2026 11:31, won", from the time the records keep in UTC.
QString gameName(const GameCash& game, bool current) {
    if (current && game.outcome == GameOutcome::InPlay)
        return CashChart::tr("This game");
    const QDateTime started =
        QDateTime::fromString(QString::fromStdString(game.startedAt), Qt::ISODate).toLocalTime();
    static constexpr std::array<const char*, 4> kOutcomes = {
        QT_TRANSLATE_NOOP("omaha::CashChart", "in play"),
        QT_TRANSLATE_NOOP("omaha::CashChart", "won"), QT_TRANSLATE_NOOP("omaha::CashChart", "lost"),
        QT_TRANSLATE_NOOP("omaha::CashChart", "abandoned")};
    return CashChart::tr("%1, %2").arg(
        QLocale().toString(started, QStringLiteral("d MMM yyyy hh:mm")),
        QCoreApplication::translate("omaha::CashChart",
                                    kOutcomes[static_cast<std::size_t>(game.outcome)]));
}

// "This game: 1200 to 1214 in 5 hands."
QString gameSummary(const QString& name, const std::vector<std::int32_t>& cash) {
    const auto hands = static_cast<qsizetype>(cash.size()) - 1;
    return (hands == 1 ? CashChart::tr("%1: %2 to %3 in %4 hand.")
                       : CashChart::tr("%1: %2 to %3 in %4 hands."))
        .arg(name)
        .arg(cash.front())
        .arg(cash.back())
        .arg(hands);
}

// A step between the hands' ticks that gives at most ten of them: 1, 2, 5, 10, 20, 50 ...
int handStep(std::size_t hands) {
    for (int step = 1;; step *= 10)
        for (const int multiple : {1, 2, 5})
            if (hands <= static_cast<std::size_t>(10 * step * multiple))
                return step * multiple;
}

} // namespace

CashChart::CashChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("cashChart"));
    setAccessibleName(tr("Your cash, hand by hand"));
    setRenderHint(QPainter::Antialiasing);
    chart()->setTitle(tr("Your cash, hand by hand"));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    hands_ = new QValueAxis;
    hands_->setTitleText(tr("Hands"));
    hands_->setLabelFormat(QStringLiteral("%d"));
    hands_->setTickType(QValueAxis::TicksDynamic);
    hands_->setTickAnchor(0);
    cash_ = new QValueAxis;
    cash_->setTitleText(tr("Cash"));
    cash_->setLabelFormat(QStringLiteral("%d"));
    chart()->addAxis(hands_, Qt::AlignBottom);
    chart()->addAxis(cash_, Qt::AlignLeft);
    // Low enough for the whole statistics window to fit on a 500-pixel-high screen.
    setMinimumHeight(150);
}

void CashChart::showGames(const std::vector<GameCash>& games) {
    QChart* shown = chart();
    shown->removeAllSeries();

    std::size_t mostHands = 1;
    std::int32_t low = 0, high = 0;
    QStringList summaries;
    for (std::size_t game = 0; game < std::min(games.size(), kLineColours.size()); ++game) {
        const std::vector<std::int32_t>& amounts = games[game].cash;
        if (amounts.empty())
            continue;
        auto* line = new QLineSeries;
        line->setName(gameName(games[game], game == 0));
        for (std::size_t hand = 0; hand < amounts.size(); ++hand)
            line->append(static_cast<qreal>(hand), amounts[hand]);
        QPen pen(QColor::fromRgb(kLineColours[game]));
        pen.setWidthF(game == 0 ? 3 : 1.5);
        line->setPen(pen);
        shown->addSeries(line);
        line->attachAxis(hands_);
        line->attachAxis(cash_);
        summaries << gameSummary(line->name(), amounts);
        mostHands = std::max(mostHands, amounts.size() - 1);
        const auto [least, most] = std::minmax_element(amounts.begin(), amounts.end());
        low = summaries.size() == 1 ? *least : std::min(low, *least);
        high = summaries.size() == 1 ? *most : std::max(high, *most);
    }
    const int step = handStep(mostHands);
    hands_->setTickInterval(step);
    hands_->setRange(0, static_cast<qreal>((mostHands + static_cast<std::size_t>(step) - 1) /
                                           static_cast<std::size_t>(step) *
                                           static_cast<std::size_t>(step)));
    // At least ten chips from foot to top, so that the nice ticks fall on whole chips.
    cash_->setRange(low, std::max(high, low + 10));
    cash_->applyNiceNumbers();
    setAccessibleDescription(summaries.isEmpty() ? tr("No hands recorded yet.")
                                                 : summaries.join(QLatin1Char(' ')));
}

} // namespace omaha
