#include "ui/gradient_button.h"
#include "ui_test_support.h"

#include <QObject>
#include <QSignalSpy>
#include <QTest>

namespace omaha::test {
namespace {

QImage face(GradientButton& button) {
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int brightness(QRgb pixel) {
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

class GradientButtonTest : public QObject {
    Q_OBJECT

private slots:
    void clicksCountOnlyWhileEnabled() {
        GradientButton button(QStringLiteral("Deal"));
        button.resize(57, 25);
        showAndWait(button);
        QSignalSpy clicks(&button, &QPushButton::clicked);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 0);
        button.setEnabled(true);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    void everyLookHasItsOwnFace() {
        // The button stands on a larger window, so the mouse can be moved off it.
        QWidget window;
        window.resize(200, 100);
        GradientButton button(QStringLiteral("Raise"), &window);
        button.setGeometry(50, 40, 57, 25);
        showAndWait(window);
        QTest::mouseMove(&window, QPoint(10, 10));
        QTRY_COMPARE(button.look(), GradientButton::Look::Normal);
        const QImage normal = face(button);

        QTest::mouseMove(&button, QPoint(20, 10));
        QTRY_COMPARE(button.look(), GradientButton::Look::Hover);
        const QImage hover = face(button);

        button.setDown(true);
        QCOMPARE(button.look(), GradientButton::Look::Pressed);
        const QImage pressed = face(button);
        button.setDown(false);

        button.setEnabled(false);
        QCOMPARE(button.look(), GradientButton::Look::Disabled);
        const QImage disabled = face(button);

        const QImage looks[] = {normal, hover, pressed, disabled};
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                QVERIFY2(looks[a] != looks[b], qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));

        // A raised face is lit from above and a pressed one from below.
        QVERIFY(brightness(normal.pixel(4, 3)) > brightness(normal.pixel(4, 21)));
        QVERIFY(brightness(pressed.pixel(4, 3)) < brightness(pressed.pixel(4, 21)));
        // A disabled face has no colour of its own.
        const QRgb grey = disabled.pixel(4, 12);
        QCOMPARE(qRed(grey), qBlue(grey));
    }
};

OMAHA_UI_SUITE(GradientButtonTest);

} // namespace
} // namespace omaha::test

#include "gradient_button_test.moc"
