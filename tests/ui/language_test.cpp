// The window in a made-up language built from the .ts files: played through a hand with every
// window and box it opens, it shows no English word but the seats' names.
#include "ui/translations.h"
#include "ui_test_support.h"

#include <QRegularExpression>

namespace omaha::test {
namespace {

// The English words that are names in every language.
const QStringList kNames = {QStringLiteral("Freak"),   QStringLiteral("Geek"),
                            QStringLiteral("Master"),  QStringLiteral("Champ"),
                            QStringLiteral("Pinhead"), QStringLiteral("Expert"),
                            QStringLiteral("Robot")};

// Parts a gathered text from where it was found.
constexpr char16_t kWhere = u'\x1f';

// The first English word left in `text`, or "".
QString englishIn(QString text) {
    for (const QString& name : kNames)
        text.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(name)), QString());
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).captured();
}

// Every text the player sees, reads or hears of the shown widgets in and under `root`, each with
// where it was found. Qt's own dialog buttons are left to Qt's translations.
void gather(QWidget* root, QStringList& texts) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || qobject_cast<QDialogButtonBox*>(widget->parentWidget()))
            continue;
        const QString where = widget->objectName() + QLatin1Char(' ') +
                              QLatin1String(widget->metaObject()->className()) +
                              QStringLiteral(": ");
        QStringList own = {widget->toolTip(), widget->accessibleName(),
                           widget->accessibleDescription()};
        if (widget->isWindow())
            own << widget->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(widget))
            own << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            own << button->text();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
            own << edit->toPlainText();
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int row = 0; row < table->rowCount(); ++row)
                own << table->verticalHeaderItem(row)->text();
            for (int column = 0; column < table->columnCount(); ++column)
                own << table->horizontalHeaderItem(column)->text();
        }
        if (auto* chart = qobject_cast<QChartView*>(widget)) {
            own << chart->chart()->title();
            for (const QAbstractAxis* axis : chart->chart()->axes())
                own << axis->titleText();
            for (const QAbstractSeries* series : chart->chart()->series())
                own << series->name();
        }
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* menu : bar->actions()) {
                own << menu->text();
                if (menu->menu() != nullptr)
                    for (QAction* command : menu->menu()->actions())
                        own << command->text();
            }
        for (const QString& text : own)
            if (!text.isEmpty())
                texts << where + QChar(kWhere) + text;
    }
}

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // No language of the system's: the hook goes in, English stays, until the made-up one.
        QVERIFY(installTranslations(*QCoreApplication::instance(), QLocale::c()).isEmpty());
        QVERIFY(madeUp_.load(QStringLiteral(OMAHA_MADE_UP_TRANSLATION)));
        QCoreApplication::installTranslator(&madeUp_);
    }

    void noEnglishWordIsLeft() {
        CallingOpponents opponents;
        Window window({}, &opponents);
        QStringList texts;
        const auto look = [&] {
            QTest::qWait(30);
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible())
                    gather(top, texts);
        };
        // A modal box or window: looked at, then closed with its first button, `then` run first.
        const auto lookAtNextModal = [&](std::function<void()> then = {}) {
            whenModalAppears([&texts, then](QWidget* modal) {
                gather(modal, texts);
                if (then)
                    then();
                auto* box = qobject_cast<QMessageBox*>(modal);
                click(box != nullptr ? box->buttons().first()
                                     : find<QPushButton>(*modal, "okButton"));
            });
        };
        const auto command = [&](const char* name) { find<QAction>(window.form, name)->trigger(); };

        command("coachCommand");
        look();
        // A hand played to the showdown: the blinds, the bets and the hands shown, with the
        // coach's line all along.
        window.press(TableButton::Deal);
        for (int press = 0; press < 20 && !window.enabled(TableButton::Deal); ++press) {
            look();
            window.press(press % 3 == 1 ? TableButton::Raise : TableButton::Stay);
        }
        look();
        command("handHistoryCommand");
        command("statisticsCommand");
        command("optionsCommand");
        look();

        // The game's own messages, from the options panel.
        auto* cash = find<QLineEdit>(window.form, "initialCashField");
        for (const char* typed : {"1.5", "999999999", "500"}) {
            cash->setText(QLatin1String(typed));
            lookAtNextModal();
            click(find<QPushButton>(window.form, "enterInitialCashButton"));
        }
        // A new game asked for, with no number typed: the question, then the error.
        cash->setText(QStringLiteral("1.5"));
        whenModalAppears([&](QWidget* question) {
            gather(question, texts);
            lookAtNextModal();
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        command("newGameCommand");
        lookAtNextModal();
        command("aboutCommand");
        lookAtNextModal();
        command("aboutOmahaCommand");

        QVERIFY(texts.size() > 100);
        QStringList english;
        for (const QString& text : texts)
            if (!englishIn(text.section(QChar(kWhere), 1)).isEmpty())
                english << text;
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
        // Everything was seen: the showdown's result, the coach, the history, the statistics and
        // their chart, the options panel, the rules, and six boxes: three messages of the
        // options, the question, the error and About.
        for (const char* seen : {"handResult", "coachLine", "QPlainTextEdit", "statisticsTable",
                                 "cashChart", "aiLevelChoice", "rulesLine17"})
            QVERIFY2(!texts.filter(QLatin1String(seen)).isEmpty(), seen);
        QCOMPARE(texts.filter(QStringLiteral("qt_msgbox_label")).size(), 6);
    }

private:
    QTranslator madeUp_;
};

OMAHA_UI_SUITE(LanguageTest);

} // namespace
} // namespace omaha::test

#include "language_test.moc"
