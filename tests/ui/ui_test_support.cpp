// The test program: every registered suite, run in turn, with a data folder of its own, so that no
// window a test makes touches the player's records of hands.
#include "ui_test_support.h"

int main(int argc, char** argv) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& makeSuite : omaha::test::suites())
        failed += QTest::qExec(makeSuite().get(), argc, argv);
    return failed == 0 ? 0 : 1;
}
