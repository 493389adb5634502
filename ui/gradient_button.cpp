#include "ui/gradient_button.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace omaha {

namespace {

struct Face {
    QColor top;
    QColor upper; // just above the gloss line
    QColor lower; // just below it
    QColor bottom;
    QColor border;
    QColor caption;
};

Face faceFor(GradientButton::Look look, const QColor& windowText) {
    switch (look) {
    case GradientButton::Look::Hover:
        return {QColor(255, 252, 236), QColor(252, 236, 186), QColor(238, 206, 120),
                QColor(250, 226, 150), QColor(96, 70, 20),    windowText};
    case GradientButton::Look::Pressed:
        return {QColor(176, 166, 132), QColor(200, 191, 160), QColor(214, 206, 180),
                QColor(236, 231, 214), QColor(60, 52, 30),    windowText};
    case GradientButton::Look::Disabled:
        return {QColor(214, 214, 214), QColor(200, 200, 200), QColor(186, 186, 186),
                QColor(176, 176, 176), QColor(128, 128, 128), QColor(118, 118, 118)};
    case GradientButton::Look::Normal:
        break;
    }
    return {QColor(255, 255, 250), QColor(236, 232, 216), QColor(214, 206, 178),
            QColor(230, 224, 200), QColor(60, 60, 48),    windowText};
}

constexpr qreal kCornerRadius = 4.0;

} // namespace

GradientButton::GradientButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    // Hover changes the face, so the button needs a repaint when the mouse enters and leaves.
    setAttribute(Qt::WA_Hover);
}

GradientButton::Look GradientButton::look() const {
    if (!isEnabled())
        return Look::Disabled;
    if (isDown())
        return Look::Pressed;
    if (underMouse())
        return Look::Hover;
    return Look::Normal;
}

void GradientButton::paintEvent(QPaintEvent*) {
    const Look current = look();
    const Face face = faceFor(current, palette().color(QPalette::WindowText));

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outline, kCornerRadius, kCornerRadius);

    QLinearGradient shade(outline.topLeft(), outline.bottomLeft());
    shade.setColorAt(0.0, face.top);
    shade.setColorAt(0.48, face.upper);
    shade.setColorAt(0.52, face.lower);
    shade.setColorAt(1.0, face.bottom);
    painter.fillPath(shape, shade);

    // A light rim inside the border lifts a raised face; a sunken one gets a shadow instead.
    const QRectF rim = outline.adjusted(1, 1, -1, -1);
    const QColor rimColour = current == Look::Pressed    ? QColor(0, 0, 0, 50)
                             : current == Look::Disabled ? QColor(255, 255, 255, 60)
                                                         : QColor(255, 255, 255, 150);
    painter.setPen(QPen(rimColour, 1));
    painter.drawRoundedRect(rim, kCornerRadius - 1, kCornerRadius - 1);

    painter.setPen(QPen(face.border, 1));
    painter.drawPath(shape);

    if (hasFocus() && current != Look::Disabled) {
        painter.setPen(QPen(QColor(40, 90, 160, 170), 1));
        painter.drawRoundedRect(outline.adjusted(2, 2, -2, -2), kCornerRadius - 2,
                                kCornerRadius - 2);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont caption = font();
    caption.setBold(true);
    painter.setFont(caption);
    const QRect captionArea = current == Look::Pressed ? rect().translated(0, 1) : rect();
    if (current != Look::Disabled) {
        // An engraved highlight under the caption, as on a pressed-metal plate.
        painter.setPen(QColor(255, 255, 255, 120));
        painter.drawText(captionArea.translated(0, 1), Qt::AlignCenter, text());
    }
    painter.setPen(face.caption);
    painter.drawText(captionArea, Qt::AlignCenter, text());
}

} // namespace omaha
