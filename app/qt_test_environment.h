// Test processes that make a QApplication call this first: offscreen, and
// a HOME and XDG folders of their own, removed at exit.
#ifndef DUNRA_APP_QT_TEST_ENVIRONMENT_H_
#define DUNRA_APP_QT_TEST_ENVIRONMENT_H_

namespace dunra {

void IsolateTestEnvironment();

}  // namespace dunra

// The main of a Qt test program: an isolated environment, the application
// object, then the test class's slots.
#define DUNRA_QTEST_MAIN(TestClass)                \
  int main(int argc, char** argv) {                \
    dunra::IsolateTestEnvironment();               \
    QApplication application(argc, argv);          \
    TestClass test;                                \
    return QTest::qExec(&test, argc, argv);        \
  }

#endif  // DUNRA_APP_QT_TEST_ENVIRONMENT_H_
