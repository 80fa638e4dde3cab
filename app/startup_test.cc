// Start-up as a whole, and the Qt message box with the timer in its loop.
#include "app/startup.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/dunra1.h"
#include "app/fake_services.h"
#include "app/qt_message_box.h"
#include "app/qt_test_environment.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void RunsUntilTheWindowCloses();
  void EscapingExceptionIsShownAndTheWindowNeverAppears();
  void MessageBoxIsModalAndTheTimerKeepsTicking();
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
  QCOMPARE(services.message_box.shown.size(), size_t{1});
  const FakeMessageBox::Box& box = services.message_box.shown[0];
  QCOMPARE(box.text, std::string("'' の設定に失敗しました."));
  QCOMPARE(box.caption, std::string("Dunra"));
  QCOMPARE(box.flags, MB_OK | MB_ICONSTOP);
  QVERIFY(!box.window_visible);
  QCOMPARE(Form1, nullptr);
  QCOMPARE(folder.Names(), std::vector<std::string>{"x.txt"});  // no dispatch
}

// The real box: modal for the whole program, its icon and buttons from the
// flags, and the banner's timer ticking in its loop.
void StartupTest::MessageBoxIsModalAndTheTimerKeepsTicking() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QSignalSpy ticks(form.Timer1, &QTimer::timeout);
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    Qt::WindowModality modality = Qt::NonModal;
    int ticks_while_open = 0;
  };
  QtMessageBoxService service;
  const struct {
    unsigned flags;
    QMessageBox::Icon icon;
    int buttons;
    int answer;
  } cases[] = {
      {MB_OK | MB_ICONSTOP, QMessageBox::Critical, 1, IDOK},
      {MB_OK | MB_ICONINFORMATION, QMessageBox::Information, 1, IDOK},
      {MB_OKCANCEL, QMessageBox::NoIcon, 2, IDOK},
  };
  for (const auto& c : cases) {
    Seen seen;
    const int ticks_before = ticks.count();
    QTimer::singleShot(350, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      seen = {box->windowTitle(), box->text(), box->icon(),
              static_cast<int>(box->buttons().size()), box->windowModality(),
              static_cast<int>(ticks.count() - ticks_before)};
      QTest::keyClick(box, Qt::Key_Return);
    });
    QCOMPARE(service.MessageBox("** DONT CLICK **", "error", c.flags), c.answer);
    QCOMPARE(seen.title, QStringLiteral("error"));
    QCOMPARE(seen.text, QStringLiteral("** DONT CLICK **"));
    QCOMPARE(seen.icon, c.icon);
    QCOMPARE(seen.buttons, c.buttons);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY2(seen.ticks_while_open >= 2,
             qPrintable(QString::number(seen.ticks_while_open)));
  }
}

}  // namespace
}  // namespace dunra

int main(int argc, char** argv) {
  dunra::IsolateTestEnvironment();
  QApplication application(argc, argv);
  dunra::StartupTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
