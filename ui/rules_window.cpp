#include "ui/rules_window.h"

#include "ui/bevel_panel.h"
#include "ui/fonts.h"
#include "ui/gradient_button.h"

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
constexpr std::array<RuleLine, RulesWindow::kLineCount> kRuleLines = {{
    {"Label2", 16, "First, each player is dealt four cards face down,"},
    {"Label3", 32, "followed by the first round of betting."},
    {"Label4", 48, "Three community cards are then dealt face up,"},
    {"Label5", 64, "and the second round of betting occurs."},
    {"Label6", 80, "Then a fourth community card is dealt face up"},
    {"Label7", 96, "followed by another round of betting."},
    {"Label8", 112, "Finally, a fifth community card is dealt face up"},
    {"Label9", 128, "and the final round of betting ensues. "},
    {"Label10", 144, "All players still in the game reveal their cards."},
    {"Label11", 160, "The best hand formed from TWO player's cards"},
    {"Label12", 176, "and THREE community cards wins the pot "},
    {"Label19", 200, "In the first and second rounds all bets are small"},
    {"Label20", 216, "while in rounds three and four, they are big"},
    {"Label13", 248, "Check - a player stays in the game without betting"},
    {"Label14", 264, "Fold - withdraw from the current deal"},
    {"Label15", 280, "Call - match the bet made by another player."},
    {"Label16", 296, "Pot - The money at stake in a deal;"},
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
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Omaha rules"));
    setModal(true);
    setFont(tahomaFont(11, false));
    QPalette green = palette();
    green.setColor(QPalette::Window, kWindowGreen);
    setPalette(green);
    setAutoFillBackground(true);
    resize(kClientSize);

    panel_ = new BevelPanel(kPanelGreen, this);
    panel_->setObjectName(QStringLiteral("rulesPanel"));
    panel_->setGeometry(16, 8, 289, 449);

    for (std::size_t i = 0; i < kRuleLines.size(); ++i) {
        const RuleLine& line = kRuleLines[i];
        auto* label = new QLabel(QString::fromLatin1(line.text), panel_);
        label->setObjectName(QLatin1String(line.objectName));
        label->setFont(tahomaFont(11, false));
        QPalette white = label->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(white);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        label->move(kLineLeft, line.y);
        label->adjustSize();
        lines_[i] = label;
    }

    okButton_ = new GradientButton(QStringLiteral("Ok"), this);
    okButton_->setObjectName(QStringLiteral("dxButton1"));
    okButton_->setGeometry(120, 472, 81, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace omaha
