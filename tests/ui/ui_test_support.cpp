// The test program: every registered suite, run in turn.
#include "ui_test_support.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& makeSuite : omaha::test::suites())
        failed += QTest::qExec(makeSuite().get(), argc, argv);
    return failed == 0 ? 0 : 1;
}
