#include "ui/options_panel.h"

#include "engine/game.h"
#include "engine/option_values.h"
#include "ui/bevel_panel.h"
#include "ui/fonts.h"
#include "ui/gradient_button.h"
#include "ui/guarded_call.h"
#include "ui/level_names.h"
#include "ui/options_radio_group.h"
#include "ui/options_up_down.h"

#include <array>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

namespace omaha {

namespace {

const QColor kPanelGreen(169, 230, 164);
// The light edge colour of raised and sunken 3-D parts, a light grey.
const QColor kLightEdge(227, 227, 227);
const QColor kButtonFace(240, 240, 240);
const QColor kRaisedHighlight(255, 255, 255);
const QColor kRaisedShadow(128, 128, 128);

// Room for any amount the fields take, up to 1,000,000, and a little more; a longer text, such as
// a large paste, is cut here rather than reaching the game and its messages.
constexpr int kLongestAmount = 9;

// The AI level item showing `aiLevel`, or -1 for a number that no item stands for.
int levelItemOf(AiLevel aiLevel) {
    for (std::size_t item = 0; item < kAiLevels.size(); ++item)
        if (kAiLevels[item] == aiLevel)
            return static_cast<int>(item);
    return -1;
}

QWidget* sunkenPanel(const char* objectName, const QRect& geometry, QWidget* parent) {
    auto* panel = new BevelPanel(kLightEdge, parent);
    panel->setObjectName(QLatin1String(objectName));
    // The style shades the frames of fields, radio buttons and arrows from the colour behind
    // them: grey here, not the panel's green.
    QPalette grey = panel->palette();
    grey.setColor(QPalette::Window, kLightEdge);
    panel->setPalette(grey);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* addLabel(const QString& text, QPoint at, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(at);
    label->adjustSize();
    return label;
}

// `name` is what a screen reader calls the field; the field's own label is not tied to it.
QLineEdit* addEditField(const char* objectName, const QString& name, const QRect& geometry,
                        QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(objectName));
    field->setAccessibleName(name);
    field->setGeometry(geometry);
    field->setMaxLength(kLongestAmount);
    return field;
}

GradientButton* addButton(const char* objectName, const QString& caption, const QRect& geometry,
                          QWidget* parent) {
    auto* button = new GradientButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(geometry);
    return button;
}

OptionsRadioGroup* addRadioGroup(const char* objectName, const QString& name,
                                 const QStringList& items, QWidget* parent) {
    auto* group = new OptionsRadioGroup(items, parent);
    group->setObjectName(QLatin1String(objectName));
    group->setAccessibleName(name);
    group->setGeometry(16, 40, 89, 113);
    // The first item is selected until start-up shows the stored choice.
    group->setItemIndex(0);
    return group;
}

// Black text on light fields, whatever colours the desktop or the black table would hand down.
QPalette panelPalette(QPalette palette) {
    palette.setColor(QPalette::Window, kPanelGreen);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Button, kButtonFace);
    palette.setColor(QPalette::ButtonText, Qt::black);
    return palette;
}

} // namespace

OptionsPanel::OptionsPanel(Game& game, QWidget* parent) : QWidget(parent), game_(game) {
    setObjectName(QStringLiteral("optionsPanel"));
    setGeometry(192, 72, 409, 361);
    setFont(verdanaFont(11, false));
    setPalette(panelPalette(palette()));
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildCashPanel();
    buildLevelPanel();
    buildBetPanel();
    buildCardBackPanel();
    auto* ok = addButton("okButton", tr("Ok"), {168, 312, 73, 33}, this);
    connect(ok, &QPushButton::clicked, this, &OptionsPanel::hidePanel);

    hide();
}

void OptionsPanel::buildCashPanel() {
    QWidget* panel = sunkenPanel("cashPanel", {24, 16, 361, 105}, this);
    addLabel(tr("Initial cash"), {40, 16}, panel);
    money_ = addEditField("initialCashField", tr("Initial cash"), {136, 16, 73, 21}, panel);
    money_->setText(QString::number(kDefaultCash));
    auto* enterCash = addButton("enterInitialCashButton", tr("Enter"), {208, 16, 57, 17}, panel);
    enterCash->setAccessibleName(tr("Enter initial cash"));
    connect(enterCash, &QPushButton::clicked, this, &OptionsPanel::enterInitialCash);
    connect(money_, &QLineEdit::returnPressed, this, &OptionsPanel::enterInitialCash);

    addLabel(tr("Play until "), {40, 56}, panel);
    addLabel(tr("someone wins"), {40, 72}, panel);
    until_ = addEditField("targetField", tr("Play until someone wins"), {136, 64, 73, 21}, panel);
    until_->setText(QStringLiteral("1000"));
    auto* enterTarget = addButton("enterTargetButton", tr("Enter"), {208, 64, 57, 17}, panel);
    enterTarget->setAccessibleName(tr("Enter play until"));
    connect(enterTarget, &QPushButton::clicked, this, &OptionsPanel::enterTarget);
    connect(until_, &QLineEdit::returnPressed, this, &OptionsPanel::enterTarget);
}

void OptionsPanel::buildLevelPanel() {
    QWidget* panel = sunkenPanel("aiLevelPanel", {24, 120, 121, 177}, this);
    addLabel(tr("AI level"), {32, 16}, panel);
    aiLevels_ = addRadioGroup("aiLevelChoice", tr("AI level"), aiLevelNames(), panel);
    connect(aiLevels_, &OptionsRadioGroup::chosen, this, &OptionsPanel::chooseAiLevel);
}

void OptionsPanel::buildBetPanel() {
    QWidget* panel = sunkenPanel("betPanel", {144, 120, 121, 177}, this);
    addLabel(tr("Betting limits"), {24, 16}, panel);
    // A groove under the heading, running from edge to edge of the panel.
    sunkenPanel("betHeadingGroove", {0, 41, 137, 7}, panel);

    addLabel(tr("Small bet:"), {24, 72}, panel);
    addLabel(QStringLiteral("$"), {89, 72}, panel);
    smallBetLabel_ = addLabel(QString::number(smallBetAt(kDefaultBetLevel)), {96, 72}, panel);
    smallBetLabel_->setObjectName(QStringLiteral("smallBetAmount"));

    addLabel(tr("Big bet:"), {24, 104}, panel);
    addLabel(QStringLiteral("$"), {80, 104}, panel);
    bigBetLabel_ = addLabel(QString::number(bigBetAt(kDefaultBetLevel)), {88, 104}, panel);
    bigBetLabel_->setObjectName(QStringLiteral("bigBetAmount"));

    betLevel_ = new OptionsUpDown(kLowestBetLevel, kHighestBetLevel, panel);
    betLevel_->setObjectName(QStringLiteral("betLevelArrows"));
    betLevel_->setAccessibleName(tr("Betting limits"));
    betLevel_->setGeometry(24, 136, 73, 17);
    connect(betLevel_, &OptionsUpDown::stepped, this, &OptionsPanel::changeBetLevel);
}

void OptionsPanel::buildCardBackPanel() {
    QWidget* panel = sunkenPanel("cardBackPanel", {264, 120, 121, 177}, this);
    addLabel(tr("Card back"), {24, 16}, panel);
    cardBacks_ = addRadioGroup("cardBackChoice", tr("Card back"),
                               {tr("Denum"), tr("Cloth"), tr("Rock"), tr("Leather")}, panel);
    connect(cardBacks_, &OptionsRadioGroup::chosen, this, &OptionsPanel::chooseCardBack);
}

void OptionsPanel::fillFromTable() {
    const TableState& table = game_.table();
    money_->setText(QString::number(table.startingCash));
    until_->setText(QString::number(table.targetMargin));
    showBetSizes();
    betLevel_->setLevel(betLevelOf(table.smallBet, table.bigBet));
    // The groups show the stored choices without reporting them as the player's.
    cardBacks_->setItemIndex(table.cardBack - kFirstCardBack);
    aiLevels_->setItemIndex(levelItemOf(table.aiLevel));
}

QString OptionsPanel::moneyText() const {
    return money_->text();
}

void OptionsPanel::toggle() {
    if (isHidden()) {
        show();
        // Above the seats' labels that the panel overlaps.
        raise();
    } else {
        hide();
    }
}

void OptionsPanel::hidePanel() {
    hide();
}

void OptionsPanel::enterInitialCash() {
    const std::string text = money_->text().toStdString();
    runGuarded(this, [this, &text] { game_.enterInitialCash(text); });
}

void OptionsPanel::enterTarget() {
    const std::string text = until_->text().toStdString();
    runGuarded(this, [this, &text] { game_.enterTarget(text); });
}

void OptionsPanel::changeBetLevel(int level) {
    runGuarded(this, [this, level] { game_.changeBetLevel(level); });
    // The table holds the new sizes even when saving them failed.
    showBetSizes();
}

void OptionsPanel::chooseCardBack(int item) {
    runGuarded(this, [this, item] { game_.chooseCardBack(item); });
}

void OptionsPanel::chooseAiLevel(int item) {
    runGuarded(this, [this, item] { game_.chooseLevel(item); });
}

void OptionsPanel::showBetSizes() {
    const TableState& table = game_.table();
    smallBetLabel_->setText(QString::number(table.smallBet));
    smallBetLabel_->adjustSize();
    bigBetLabel_->setText(QString::number(table.bigBet));
    bigBetLabel_->adjustSize();
}

void OptionsPanel::paintEvent(QPaintEvent*) {
    // A raised edge one pixel wide around the green face, on the panel's outermost pixels.
    QPainter painter(this);
    painter.fillRect(rect(), kPanelGreen);
    drawBevel(painter, rect(), kRaisedHighlight, kRaisedShadow);
}

} // namespace omaha
