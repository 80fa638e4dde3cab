// Test processes that make a QApplication call this first: offscreen, and
// a HOME and XDG folders of their own, removed at exit.
#ifndef DUNRA_APP_QT_TEST_ENVIRONMENT_H_
#define DUNRA_APP_QT_TEST_ENVIRONMENT_H_

namespace dunra {

void IsolateTestEnvironment();

}  // namespace dunra

#endif  // DUNRA_APP_QT_TEST_ENVIRONMENT_H_
