// The window in a made-up language built from a .ts file: played through a hand with every
// window and box it opens, it shows no English word but the seats' names.
#include "ui/translations.h"
#include "ui_test_support.h"

#include <QRegularExpression>

namespace omaha::test {
namespace {

// Every text of a .ts file translated into itself between "⟪" and "⟫", its letters swapped for
// their full-width look-alikes and its places ("%1") kept, so that any English word the window
// still shows is a text that escaped translation. A text the file lacks, one that lupdate did not
// find, stays English, as it would in every real language.
class MadeUpLanguage final : public QTranslator {
public:
    bool load(const QString& ts) {
        QFile file(ts);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QXmlStreamReader reader(&file);
        QString context;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == u"name")
                context = reader.readElementText();
            else if (reader.name() == u"source")
                texts_.insert({context, reader.readElementText()});
        }
        return !reader.hasError() && !texts_.isEmpty();
    }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        if (!texts_.contains({QString::fromUtf8(context), text}))
            return {};
        QString result = QStringLiteral("⟪");
        for (qsizetype at = 0; at < text.size(); ++at) {
            const QChar c = text[at];
            if (c == u'%' && at + 1 < text.size() && text[at + 1].isDigit())
                result += text.mid(at++, 2);
            else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
                result += QChar(c.unicode() - u'!' + 0xff01);
            else
                result += c;
        }
        return result + QStringLiteral("⟫");
    }

private:
    QSet<std::pair<QString, QString>> texts_; // context and source
};

// Parts a gathered text from where it was found.
constexpr char16_t kWhere = u'\x1f';

// The first English word left in `text`, or "": the seats' names are names in every language.
QString englishIn(QString text) {
    static const QRegularExpression names(
        QStringLiteral("\\b(Freak|Geek|Master|Champ|Pinhead|Expert|Robot)\\b"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text.remove(names)).captured();
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
        if (widget->isWindow()) { // its title, and its menus and their commands
            own << widget->windowTitle();
            for (const QAction* action : widget->findChildren<QAction*>())
                own << action->text();
        }
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
        QVERIFY(madeUp_.load(QStringLiteral(OMAHA_EVERY_TEXT)));
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
    MadeUpLanguage madeUp_;
};

OMAHA_UI_SUITE(LanguageTest);

} // namespace
} // namespace omaha::test

#include "language_test.moc"
