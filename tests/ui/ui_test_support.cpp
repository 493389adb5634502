#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

namespace omaha::test {

std::vector<SuiteFactory>& suites() {
    static std::vector<SuiteFactory> all;
    return all;
}

bool registerSuite(SuiteFactory factory) {
    suites().push_back(std::move(factory));
    return true;
}

WorkingFolder::WorkingFolder(Baize baize) : previous_(QDir::currentPath()) {
    if (baize == Baize::Present)
        QFile::copy(QStringLiteral(OMAHA_BAIZE_FILE), dir_.filePath(QStringLiteral("baize.bmp")));
    QDir::setCurrent(dir_.path());
}

WorkingFolder::~WorkingFolder() {
    QDir::setCurrent(previous_);
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
        QWidget* modal = QApplication::activeModalWidget();
        if (modal || ++*attempts > 500) {
            poll->stop();
            poll->deleteLater();
        }
        if (modal)
            action(modal);
    });
    poll->start(10);
}

void answerNextBox(QString& text, QMessageBox::StandardButton button) {
    whenModalAppears([&text, button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(button)) {
            text = box->text();
            box->button(button)->click();
        }
    });
}

} // namespace omaha::test
