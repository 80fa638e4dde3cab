// The main window offscreen: layout, handlers, drops and the argument road.
#include "app/dunra1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <memory>
#include <sys/stat.h>

#include "app/banner_edit.h"
#include "app/fake_services.h"
#include "app/icon_image.h"
#include "app/qt_test_environment.h"
#include "commands/file_commands.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

const char kInitialMemo[] =
    "* Dunra *\n\nDrop a file here, or click Compress or Extract.";
// "ABBBBC" from a ".txt" file, compressed.
const std::vector<uint8_t> kContent = {'A', 'B', 'B', 'B', 'B', 'C'};
const std::vector<uint8_t> kCompressed = {0x06, 0x00, 0x00, 0x0A, 0x00,
                                          't',  'x',  't',  0x82, 0x1F,
                                          'A',  'B',  'C'};

std::string MemoText(const TForm1& form) {
  return form.Memo1->toPlainText().toStdString();
}

QMimeData* UrlData(const QStringList& names) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& name : names) {
    urls.push_back(name.contains(u':') ? QUrl(name) : QUrl::fromLocalFile(name));
  }
  data->setUrls(urls);
  return data;
}

// Drags the names over the window and drops them, as a file manager would.
// Returns whether the window accepted the drag.
bool Drop(TForm1& form, const QStringList& names) {
  std::unique_ptr<QMimeData> data(UrlData(names));
  const QPoint where(120, 90);
  QDragEnterEvent enter(where, Qt::CopyAction, data.get(), Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(where), Qt::CopyAction, data.get(), Qt::LeftButton,
                  Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
  QCoreApplication::processEvents();  // the command runs after the drop
  return true;
}

class TForm1Test : public QObject {
  Q_OBJECT

 private slots:
  void WindowAndControls();
  void TabOrderSkipsTheBanner();
  void CompressButton();
  void ExtractButton();
  void CancelledDialogsChangeNothing();
  void ExitButtonAndCloseBoxEndWithoutQuestion();
  void IconHandlers();
  void BannerSetterIgnoresUnchangedText();
  void DropOneFile();
  void DropThreeFilesHandlesTheFirst();
  void DropNameThatIsNotUtf8();
  void DropWithoutLocalFileDoesNothing();
  void DropUrlNamingThisMachine();
  void ArgumentDispatchTable();
  void ArgumentRunsBeforeTheWindowShows();
  void NoOrManyArgumentsDispatchNothing();
  void FailedRegistrationStopsTheConstructor();
};

void TForm1Test::WindowAndControls() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  QCOMPARE(form.windowTitle(), QStringLiteral("Dunra"));
  QCOMPARE(form.size(), QSize(246, 176));
  QCOMPARE(form.minimumSize(), QSize(246, 176));
  QCOMPARE(form.maximumSize(), QSize(246, 176));
  const Qt::WindowFlags flags = form.windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(!form.windowIcon().isNull());

  struct Control {
    QWidget* widget;
    QRect geometry;
    const char* text;
  };
  const Control controls[] = {
      {form.Image1, {8, 144, 32, 32}, nullptr},
      {form.Image2, {216, 144, 32, 32}, nullptr},
      {form.Button1, {8, 8, 73, 25}, "Compress"},
      {form.Memo1, {8, 40, 233, 97}, nullptr},
      {form.Button2, {88, 8, 73, 25}, "Extract"},
      {form.Button3, {168, 8, 73, 25}, "Exit"},
      {form.Edit1, {48, 148, 158, 21}, ""},
  };
  for (const Control& control : controls) {
    QCOMPARE(control.widget->geometry(), control.geometry);
    if (auto* button = qobject_cast<QPushButton*>(control.widget)) {
      QCOMPARE(button->text(), QString::fromUtf8(control.text));
      QVERIFY(!button->isDefault() && !button->autoDefault());
      QCOMPARE(button->font().pixelSize(), 12);
    }
  }
  QVERIFY(!form.Image1->pixmap().isNull());
  QCOMPARE(form.Image1->pixmap().toImage(), form.Image2->pixmap().toImage());
  // The two columns of Image2 past the client area are transparent.
  const QImage icon = form.Image2->pixmap().toImage();
  for (int y = 0; y < 32; ++y) {
    QCOMPARE(qAlpha(icon.pixel(30, y)), 0);
    QCOMPARE(qAlpha(icon.pixel(31, y)), 0);
  }

  QVERIFY(form.Memo1->isReadOnly());
  QCOMPARE(form.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  QCOMPARE(form.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(MemoText(form), std::string(kInitialMemo));
  QCOMPARE(form.Memo1->font().pixelSize(), 12);
  const QString form_family = QFontInfo(form.font()).family();
  QVERIFY2(form_family == "Verdana" || form_family == "DejaVu Sans",
           qPrintable(form_family));

  QVERIFY(!form.Edit1->isEnabled());
  QVERIFY(form.Edit1->isReadOnly());
  QCOMPARE(form.Edit1->focusPolicy(), Qt::NoFocus);
  QCOMPARE(form.Edit1->font().pixelSize(), 13);
  QVERIFY(form.Edit1->font().bold());
  const QString banner_family = QFontInfo(form.Edit1->font()).family();
  QVERIFY2(banner_family == QStringLiteral("ＭＳ ゴシック") ||
               banner_family == "IPAGothic",
           qPrintable(banner_family));

  QCOMPARE(form.Timer1->interval(), 100);
  QVERIFY(form.Timer1->isActive());
  QVERIFY(form.acceptDrops());

  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  QVERIFY((form.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
  QCOMPARE(form.size(), QSize(246, 176));
}

void TForm1Test::TabOrderSkipsTheBanner() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  form.show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.Button1->setFocus();
  const QWidget* order[] = {form.Memo1, form.Button2, form.Button3, form.Button1,
                            form.Memo1};
  for (const QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), form.Button1);
}

void TForm1Test::CompressButton() {
  TempFolder folder;
  folder.Write("x.txt", kContent);
  FakeServices services;
  TForm1 form(services.Get(), {});
  services.open_dialog.answer = folder / "x.txt";
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  QCOMPARE(services.open_dialog.uses.size(), size_t{1});
  QCOMPARE(services.open_dialog.uses[0].title, std::string("Compress"));
  QCOMPARE(services.open_dialog.uses[0].file_name, std::string("*.*"));
  QCOMPARE(folder.Read("x.dun"), kCompressed);
  QVERIFY(MemoText(form).find("x.dun") != std::string::npos);
  QCOMPARE(services.animation.compressFrame, 1);
  QCOMPARE(services.animation.idleDelay, 7);
  QVERIFY(services.message_box.shown.empty());
}

// Each button sets both title and pattern before every use, whatever the
// other button left in the shared dialog.
void TForm1Test::ExtractButton() {
  TempFolder folder;
  folder.Write("y.dun", kCompressed);
  FakeServices services;
  TForm1 form(services.Get(), {});
  QTest::mouseClick(form.Button1, Qt::LeftButton);  // cancelled
  services.open_dialog.answer = folder / "y.dun";
  QTest::mouseClick(form.Button2, Qt::LeftButton);
  services.open_dialog.answer.reset();
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  const auto& uses = services.open_dialog.uses;
  QCOMPARE(uses.size(), size_t{3});
  QCOMPARE(uses[1].title, std::string("Extract"));
  QCOMPARE(uses[1].file_name, std::string("*.dun"));
  QCOMPARE(uses[2].title, std::string("Compress"));
  QCOMPARE(uses[2].file_name, std::string("*.*"));
  QCOMPARE(folder.Read("y.txt"), kContent);
  QCOMPARE(services.animation.extractFrame, 1);
  QCOMPARE(services.animation.idleDelay, 3);
}

void TForm1Test::CancelledDialogsChangeNothing() {
  FakeServices services;
  services.animation.idleFrame = 9;
  TForm1 form(services.Get(), {});
  QTest::mouseClick(form.Button1, Qt::LeftButton);
  QTest::mouseClick(form.Button2, Qt::LeftButton);
  QCOMPARE(services.open_dialog.uses.size(), size_t{2});
  QCOMPARE(MemoText(form), std::string(kInitialMemo));
  QCOMPARE(services.animation.compressFrame, 0);
  QCOMPARE(services.animation.extractFrame, 0);
  QCOMPARE(services.animation.idleFrame, 9);
  QCOMPARE(services.animation.idleDelay, 0);
  QVERIFY(services.message_box.shown.empty());
}

void TForm1Test::ExitButtonAndCloseBoxEndWithoutQuestion() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QTest::mouseClick(form.Button3, Qt::LeftButton);
  QVERIFY(!form.isVisible());

  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCloseEvent close_box;
  QCoreApplication::sendEvent(&form, &close_box);
  QVERIFY(close_box.isAccepted());
  QVERIFY(services.message_box.shown.empty());
}

void TForm1Test::IconHandlers() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));

  // Plain moves, no button held.
  QTest::mouseMove(form.Image1, QPoint(10, 10));
  QCOMPARE(form.Edit1->text(), QStringLiteral(" ? ? ? ? ? ? ? ? ? "));
  QCOMPARE(services.animation.idleDelay, 5);
  QCOMPARE(services.beep.beeps, 0);

  QTest::mouseMove(form.Image2, QPoint(5, 5));
  QTest::mouseMove(form.Image2, QPoint(6, 6));
  QCOMPARE(services.beep.beeps, 2);
  QVERIFY(services.message_box.shown.empty());

  QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(5, 5));
  QVERIFY(services.message_box.shown.empty());
  for (Qt::MouseButton button :
       {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    QTest::mousePress(form.Image2, button, {}, QPoint(5, 5));
    QTest::mouseRelease(form.Image2, button, {}, QPoint(5, 5));
  }
  QCOMPARE(services.message_box.shown.size(), size_t{3});
  for (const FakeMessageBox::Box& box : services.message_box.shown) {
    QCOMPARE(box.text, std::string("** DONT CLICK **"));
    QCOMPARE(box.caption, std::string("error"));
    QCOMPARE(box.flags, MB_OK | MB_ICONINFORMATION);
  }
}

void TForm1Test::BannerSetterIgnoresUnchangedText() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  QSignalSpy changed(form.Edit1, &QLineEdit::textChanged);
  form.Edit1->SetText("    C");
  form.Edit1->SetText("    C");
  form.Edit1->SetText("");
  QCOMPARE(form.Edit1->text_changes(), 2);
  QCOMPARE(changed.count(), 2);
}

// The name is used whole, however long.
void TForm1Test::DropOneFile() {
  TempFolder folder;
  const std::string long_folder(200, 'f');
  const std::string long_name = std::string(120, 'n') + ".txt";
  QVERIFY(mkdir((folder / long_folder).c_str(), 0700) == 0);
  folder.Write(long_folder + "/" + long_name, kContent);
  FakeServices services;
  TForm1 form(services.Get(), {});
  const std::string path = folder / (long_folder + "/" + long_name);
  QVERIFY(path.size() > 320);
  QVERIFY(Drop(form, {QString::fromStdString(path)}));
  QCOMPARE(folder.Read(long_folder + "/" + std::string(120, 'n') + ".dun"),
           kCompressed);
  QCOMPARE(services.animation.compressFrame, 1);
}

void TForm1Test::DropThreeFilesHandlesTheFirst() {
  TempFolder folder;
  folder.Write("first.DUN", kCompressed);
  folder.Write("second.txt", kContent);
  folder.Write("third.txt", kContent);
  FakeServices services;
  TForm1 form(services.Get(), {});
  QVERIFY(Drop(form, {"https://example.invalid/a.txt",
                      QString::fromStdString(folder / "first.DUN"),
                      QString::fromStdString(folder / "second.txt"),
                      QString::fromStdString(folder / "third.txt")}));
  QCOMPARE(folder.Names(), (std::vector<std::string>{
                               "first.DUN", "first.txt", "second.txt",
                               "third.txt"}));
  QCOMPARE(services.animation.extractFrame, 1);
  QVERIFY(services.message_box.shown.empty());
}

// A name that is not UTF-8 reaches the command with its own bytes.
void TForm1Test::DropNameThatIsNotUtf8() {
  TempFolder folder;
  const std::string name = "caf\xE9 100%.txt";  // Latin-1
  folder.Write(name, kContent);
  const QByteArray path = QByteArray::fromStdString(folder / name);
  const QUrl url = QUrl::fromEncoded("file://" + path.toPercentEncoding("/"));
  QCOMPARE(DroppedPath(url), folder / name);
  QCOMPARE(DroppedPath(QUrl::fromLocalFile("/tmp/a b/\u00e4.dun")),
           std::string("/tmp/a b/\u00e4.dun"));
  FakeServices services;
  TForm1 form(services.Get(), {});
  form.WMDropFiles({url});
  QCOMPARE(folder.Read("caf\xE9 100%.dun"), kCompressed);
}

void TForm1Test::DropWithoutLocalFileDoesNothing() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  QVERIFY(!Drop(form, {"https://example.invalid/a.dun"}));
  form.WMDropFiles({QUrl("https://example.invalid/a.dun")});
  QCOMPARE(MemoText(form), std::string(kInitialMemo));
  QVERIFY(services.message_box.shown.empty());
}

// file://localhost/... and file://<host name>/... are files of this
// machine; a file of another machine is no local file.
void TForm1Test::DropUrlNamingThisMachine() {
  TempFolder folder;
  folder.Write("a.txt", kContent);
  folder.Write("b.txt", kContent);
  const QString a = QString::fromStdString(folder / "a.txt");
  const QString b = QString::fromStdString(folder / "b.txt");
  FakeServices services;
  TForm1 form(services.Get(), {});
  QVERIFY(!Drop(form, {"file://elsewhere.invalid" + a}));
  QVERIFY(Drop(form, {"file://elsewhere.invalid" + b, "file://localhost" + a}));
  QCOMPARE(folder.Read("a.dun"), kCompressed);
  QVERIFY(Drop(form, {"file://" + QSysInfo::machineHostName() + b}));
  QCOMPARE(folder.Read("b.dun"), kCompressed);
  QVERIFY(services.message_box.shown.empty());
}

// Which command an argument reaches, told by the failure box of a command
// handed a name that does not exist (or a folder).
void TForm1Test::ArgumentDispatchTable() {
  TempFolder folder;
  QVERIFY(mkdir((folder / "folder.dun").c_str(), 0700) == 0);
  struct Case {
    std::string name;
    const char* command_failure;
  };
  const Case cases[] = {
      {"a.dun", kExtractFailedText},      {"a.DUN", kExtractFailedText},
      {"a.Dun", kExtractFailedText},      {"a.txt.dun", kExtractFailedText},
      {"a.dun.txt", kCompressFailedText}, {"a.du", kCompressFailedText},
      {"a.dunx", kCompressFailedText},    {"README", kCompressFailedText},
      {"dir.dun/README", kCompressFailedText},
      {"folder.dun", kExtractFailedText},  // a folder goes by its name too
      {"folder.dun/", kCompressFailedText},
  };
  for (const Case& c : cases) {
    FakeServices services;
    TForm1 form(services.Get(), {folder / c.name});
    QCOMPARE(services.message_box.shown.size(), size_t{1});
    QCOMPARE(services.message_box.shown[0].text, std::string(c.command_failure));
    QCOMPARE(services.message_box.shown[0].caption, std::string("File Error"));
    QVERIFY(!services.message_box.shown[0].window_visible);
  }
}

void TForm1Test::ArgumentRunsBeforeTheWindowShows() {
  TempFolder folder;
  folder.Write("x.txt", kContent);
  FakeServices services;
  TForm1 form(services.Get(), {folder / "x.txt"});
  QVERIFY(!form.isVisible());
  QCOMPARE(folder.Read("x.dun"), kCompressed);
  QVERIFY(MemoText(form).find("x.dun") != std::string::npos);
  QCOMPARE(services.animation.compressFrame, 1);
  QCOMPARE(services.animation.idleDelay, 7);
}

void TForm1Test::NoOrManyArgumentsDispatchNothing() {
  TempFolder folder;
  folder.Write("x.txt", kContent);
  folder.Write("y.txt", kContent);
  const std::vector<std::vector<std::string>> argument_lists = {
      {}, {folder / "x.txt", folder / "y.txt"}};
  for (const auto& arguments : argument_lists) {
    FakeServices services;
    TForm1 form(services.Get(), arguments);
    QCOMPARE(MemoText(form), std::string(kInitialMemo));
    QVERIFY(services.message_box.shown.empty());
  }
  QCOMPARE(folder.Names(), (std::vector<std::string>{"x.txt", "y.txt"}));
}

void TForm1Test::FailedRegistrationStopsTheConstructor() {
  TempFolder folder;
  folder.Write("x.txt", kContent);
  FakeServices services;
  services.register_file_type = [] { throw std::runtime_error("refused"); };
  QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                           TForm1(services.Get(), {folder / "x.txt"}));
  QCOMPARE(folder.Names(), std::vector<std::string>{"x.txt"});
}

}  // namespace
}  // namespace dunra

DUNRA_QTEST_MAIN(dunra::TForm1Test)

#include "dunra1_test.moc"
