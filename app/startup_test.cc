// Start-up as a whole: the window shows after the argument has run, and an
// exception that escapes is shown with the window never appearing.
#include "app/startup.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/dunra1.h"
#include "app/fake_services.h"
#include "app/qt_test_environment.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void RunsUntilTheWindowCloses();
  void EscapingExceptionIsShownAndTheWindowNeverAppears();
};

void StartupTest::RunsUntilTheWindowCloses() {
  TempFolder folder;
  folder.Write("x.txt", "ABBBBC");
  FakeServices services;
  bool shown_with_report = false;
  QTimer::singleShot(0, [&] {
    shown_with_report = Form1 != nullptr && Form1->isVisible() &&
                        Form1->Memo1->toPlainText().contains("x.dun");
    Form1->Button3->click();
  });
  QCOMPARE(RunDunra(services.Get(), {folder / "x.txt"}), 0);
  QVERIFY(shown_with_report);
  QCOMPARE(Form1, nullptr);
  QCOMPARE(folder.Names(), (std::vector<std::string>{"x.dun", "x.txt"}));
}

void StartupTest::EscapingExceptionIsShownAndTheWindowNeverAppears() {
  TempFolder folder;
  folder.Write("x.txt", "ABBBBC");
  FakeServices services;
  services.register_file_type = [] {
    throw std::runtime_error("'' の設定に失敗しました");
  };
  QCOMPARE(RunDunra(services.Get(), {folder / "x.txt"}), 0);
  ExpectStartUpEndedWithTheRegistrationMessage(services);
  QCOMPARE(folder.Names(), std::vector<std::string>{"x.txt"});  // no dispatch
}

}  // namespace
}  // namespace dunra

DUNRA_QTEST_MAIN(dunra::StartupTest)

#include "startup_test.moc"
