#include "ui/rules_window.h"

#include "ui/bevel_panel.h"
#include "ui/fonts.h"
#include "ui/gradient_button.h"

#include <array>
#include <QCoreApplication>
#include <QLabel>

namespace omaha {

namespace {

struct RuleLine {
    const char* objectName;
    int y;
    const char* text;
};

// The lines fall into three blocks, a hand's course, the bet sizes and four terms, with wider
// gaps between the blocks. Lines 8 and 11 end in a blank.
constexpr std::array<RuleLine, 17> kRuleLines = {{
    {"rulesLine1", 16,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "First, each player is dealt four cards face down,")},
    {"rulesLine2", 32,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "followed by the first round of betting.")},
    {"rulesLine3", 48,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Three community cards are then dealt face up,")},
    {"rulesLine4", 64,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "and the second round of betting occurs.")},
    {"rulesLine5", 80,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Then a fourth community card is dealt face up")},
    {"rulesLine6", 96,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "followed by another round of betting.")},
    {"rulesLine7", 112,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Finally, a fifth community card is dealt face up")},
    {"rulesLine8", 128,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "and the final round of betting ensues. ")},
    {"rulesLine9", 144,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "All players still in the game reveal their cards.")},
    {"rulesLine10", 160,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "The best hand formed from TWO player's cards")},
    {"rulesLine11", 176,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "and THREE community cards wins the pot ")},
    {"rulesLine12", 200,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "In the first and second rounds all bets are small")},
    {"rulesLine13", 216,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "while in rounds three and four, they are big")},
    {"rulesLine14", 248,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Check - a player stays in the game without betting")},
    {"rulesLine15", 264,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Fold - withdraw from the current deal")},
    {"rulesLine16", 280,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Call - match the bet made by another player.")},
    {"rulesLine17", 296,
     QT_TRANSLATE_NOOP("omaha::RulesWindow", "Pot - The money at stake in a deal;")},
}};

constexpr int kLineLeft = 24;

const QColor kWindowGreen(15, 80, 12);
const QColor kPanelGreen(30, 67, 27);

// The client area inside the small-caption tool frame of the window's 329 x 538 outer size.
constexpr QSize kClientSize(321, 514);

} // namespace

RulesWindow::RulesWindow(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("rulesWindow"));
    setWindowTitle(tr("Omaha rules"));
    setModal(true);
    setFont(tahomaFont(11, false));
    QPalette green = palette();
    green.setColor(QPalette::Window, kWindowGreen);
    setPalette(green);
    setAutoFillBackground(true);
    resize(kClientSize);

    auto* panel = new BevelPanel(kPanelGreen, this);
    panel->setObjectName(QStringLiteral("rulesPanel"));
    panel->setGeometry(16, 8, 289, 449);

    for (const RuleLine& line : kRuleLines) {
        auto* label = new QLabel(tr(line.text), panel);
        label->setObjectName(QLatin1String(line.objectName));
        label->setFont(tahomaFont(11, false));
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        label->move(kLineLeft, line.y);
        label->adjustSize();
    }

    auto* ok = new GradientButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(120, 472, 81, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace omaha
