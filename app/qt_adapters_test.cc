// The Qt adapters of the message box and the open-file dialog, driven the
// way a person would answer them.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/dunra1.h"
#include "app/fake_services.h"
#include "app/qt_message_box.h"
#include "app/qt_open_file_dialog.h"
#include "app/qt_test_environment.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

// Runs `answer` on the open-file dialog once it is up.
void AnswerDialog(std::function<void(QFileDialog&)> answer) {
  QTimer::singleShot(200, [answer] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    answer(*dialog);
  });
}

class QtAdaptersTest : public QObject {
  Q_OBJECT

 private slots:
  void MessageBoxIsModalAndTheTimerKeepsTicking();
  void OpenDialogListsByItsPatternAndReturnsTheChosenPath();
  void CancelledOpenDialogKeepsItsFileName();
};

// The real box: modal for the whole program, its icon and buttons from the
// flags, and the banner's timer ticking in its loop.
void QtAdaptersTest::MessageBoxIsModalAndTheTimerKeepsTicking() {
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

void QtAdaptersTest::OpenDialogListsByItsPatternAndReturnsTheChosenPath() {
  TempFolder folder;
  folder.Write("a.dun", "x");
  folder.Write("README", "x");
  QDir::setCurrent(QString::fromStdString(folder.path()));
  QtOpenFileDialog dialog;
  const struct {
    const char* title;
    const char* pattern;
    const char* name_filter;
    const char* chosen;
  } cases[] = {
      {"Compress", "*.*", "*", "README"},  // names without a dot are listed too
      {"Extract", "*.dun", "*.dun", "a.dun"},
  };
  for (const auto& c : cases) {
    dialog.SetTitle(c.title);
    dialog.SetFileName(c.pattern);
    QString title, preset;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    AnswerDialog([&](QFileDialog& shown) {
      title = shown.windowTitle();
      filters = shown.nameFilters();
      mode = shown.fileMode();
      auto* name_edit = shown.findChild<QLineEdit*>("fileNameEdit");
      QVERIFY(name_edit != nullptr);
      preset = name_edit->text();
      name_edit->setText(QString::fromUtf8(c.chosen));
      QTest::keyClick(name_edit, Qt::Key_Return);
    });
    QVERIFY(dialog.Execute());
    QCOMPARE(title, QString::fromUtf8(c.title));
    QCOMPARE(preset, QString::fromUtf8(c.pattern));
    QCOMPARE(filters, QStringList{QString::fromUtf8(c.name_filter)});
    QCOMPARE(mode, QFileDialog::ExistingFile);
    QCOMPARE(dialog.FileName(), folder / c.chosen);
  }
}

void QtAdaptersTest::CancelledOpenDialogKeepsItsFileName() {
  QtOpenFileDialog dialog;
  dialog.SetTitle("Extract");
  dialog.SetFileName("*.dun");
  AnswerDialog([](QFileDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
  QVERIFY(!dialog.Execute());
  QCOMPARE(dialog.FileName(), std::string("*.dun"));
}

}  // namespace
}  // namespace dunra

DUNRA_QTEST_MAIN(dunra::QtAdaptersTest)

#include "qt_adapters_test.moc"
