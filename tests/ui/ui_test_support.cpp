// The test program: every registered suite, run in turn, in a home and a data folder of its own,
// so that no window a test makes touches the player's records of hands, nor leaves Qt's own
// memories (the file dialog's last folder) in the player's configuration.
#include "ui_test_support.h"

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral(".local/share"))));
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& makeSuite : omaha::test::suites())
        failed += QTest::qExec(makeSuite().get(), argc, argv);
    return failed == 0 ? 0 : 1;
}
