// The test program: every registered suite, run in turn.
#include "ui_test_support.h"

int main(int argc, char** argv) {
    // The tests need no display: without a platform of their own they use the offscreen one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& makeSuite : omaha::test::suites())
        failed += QTest::qExec(makeSuite().get(), argc, argv);
    return failed == 0 ? 0 : 1;
}
