#include "ui_test_support.h"

#include <array>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace omaha::test {

namespace {

std::vector<SuiteFactory>& registry() {
    static std::vector<SuiteFactory> all;
    return all;
}

bool isTrimmedPixel(int dx, int dy) {
    const int right = kCardWidth - 1;
    const int bottom = kCardHeight - 1;
    const bool nearLeft = dx <= 1;
    const bool nearRight = dx >= right - 1;
    const bool nearTop = dy <= 1;
    const bool nearBottom = dy >= bottom - 1;
    if (!(nearLeft || nearRight) || !(nearTop || nearBottom))
        return false;
    // Of the 2 x 2 block at each corner, only the inner pixel keeps the card's colour.
    const bool innerColumn = dx == 1 || dx == right - 1;
    const bool innerRow = dy == 1 || dy == bottom - 1;
    return !(innerColumn && innerRow);
}

} // namespace

bool registerSuite(SuiteFactory factory) {
    registry().push_back(std::move(factory));
    return true;
}

const std::vector<SuiteFactory>& suites() {
    return registry();
}

WorkingFolder::WorkingFolder(Baize baize) : previous_(QDir::currentPath()) {
    if (baize == Baize::Present)
        QFile::copy(QStringLiteral(OMAHA_BAIZE_FILE), dir_.filePath(QStringLiteral("baize.bmp")));
    QDir::setCurrent(dir_.path());
}

WorkingFolder::~WorkingFolder() {
    QDir::setCurrent(previous_);
}

QImage baizeImage() {
    return QImage(QStringLiteral(OMAHA_BAIZE_FILE)).convertToFormat(QImage::Format_RGB32);
}

TableState dealtTable(std::int32_t street) {
    TableState table;
    table.street = street;
    table.cardback = kFirstCardBack;
    int next = 0;
    for (const SeatCode seat : kTableOrder) {
        table.seats[seat].cash = 100;
        for (Card& card : table.seats[seat].hole)
            card = Card::fromIndex(next++);
    }
    for (Card& card : table.board)
        card = Card::fromIndex(next++);
    return table;
}

QRgb tablePixel(const QImage& picture, int x, int y) {
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) | 0xff000000U;
}

bool showsCard(const QImage& picture, const QImage& card, Point at, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int dx = x - at.x;
            const int dy = y - at.y;
            if (dx < 0 || dy < 0 || dx >= kCardWidth || dy >= kCardHeight)
                return false;
            if (isTrimmedPixel(dx, dy))
                continue;
            if (tablePixel(picture, x, y) != tablePixel(card, dx, dy))
                return false;
        }
    }
    return true;
}

bool showsBaize(const QImage& picture, const QRect& area) {
    const QImage baize = baizeImage();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (tablePixel(picture, x, y) != baize.pixel(x % baize.width(), y % baize.height()))
                return false;
    return true;
}

bool isBlack(const QImage& picture, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (tablePixel(picture, x, y) != qRgb(0, 0, 0))
                return false;
    return true;
}

void showAndWait(QWidget& widget) {
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        qWarning("window not exposed");
}

void whenModalAppears(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    auto attempts = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, attempts, action = std::move(action)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        } else if (++*attempts > 500) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(10);
}

} // namespace omaha::test
