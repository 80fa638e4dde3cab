// Start-up with the program's own registration step: a store that cannot
// be written ends start-up before the window is shown; a good one is
// written before it is shown.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

#include <filesystem>

#include "app/dun_icon.h"
#include "app/dunra1.h"
#include "app/fake_services.h"
#include "app/qt_test_environment.h"
#include "app/registration.h"
#include "app/startup.h"
#include "platform/file_registry_store.h"
#include "platform/temp_folder.h"
#include "platform/tool_runner.h"
#include "platform/xdg_dirs.h"

namespace dunra {
namespace {

const char kProgram[] = "/opt/dunra tools/dunra";

// The registration as main() builds it, over the test's own XDG folders.
struct ProgramRegistration {
  explicit ProgramRegistration(FileSystem& fs) : registry(fs, DefaultRegistryFilePath()),
      targets{registry, fs, tools, XdgDataHome()} {}
  std::function<void()> Step() {
    return [this] { RegisterFileType(targets, kProgram, DunIconPng()); };
  }
  FileRegistryStore registry;
  PosixToolRunner tools;
  RegistrationTargets targets;
};

class RegistrationStartupTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { std::filesystem::remove_all(XdgDataHome()); }
  void AnUnwritableStoreEndsStartUpWithTheMessageAndNoWindow();
  void AFailedDesktopFileKeepsTheRegistryValuesAndEndsStartUp();
  void TheRegistrationIsWrittenBeforeTheWindowShows();
};

void RegistrationStartupTest::AnUnwritableStoreEndsStartUpWithTheMessageAndNoWindow() {
  // A file where the store's folder belongs: no user, root included, can
  // write the store.
  MakeFolders(XdgDataHome());
  WriteWholeFile(XdgDataHome() + "/dunra", "in the way");
  TempFolder folder;
  folder.Write("x.txt", "ABBBBC");
  FakeServices services;
  ProgramRegistration registration(services.file_system);
  services.register_file_type = registration.Step();
  QCOMPARE(RunDunra(services.Get(), {folder / "x.txt"}), 0);
  ExpectStartUpEndedWithTheRegistrationMessage(services);
  QCOMPARE(folder.Names(), std::vector<std::string>{"x.txt"});  // nothing dispatched
}

void RegistrationStartupTest::AFailedDesktopFileKeepsTheRegistryValuesAndEndsStartUp() {
  MakeFolders(XdgDataHome());
  WriteWholeFile(XdgDataHome() + "/applications", "in the way");
  FakeServices services;
  ProgramRegistration registration(services.file_system);
  services.register_file_type = registration.Step();
  QCOMPARE(RunDunra(services.Get(), {}), 0);
  ExpectStartUpEndedWithTheRegistrationMessage(services);
  const RegFile written = RegFile::Parse(ReadWholeFile(DefaultRegistryFilePath()));
  QCOMPARE(written.GetString("HKEY_CLASSES_ROOT\\DUN_auto_file\\DefaultIcon", ""),
           std::optional<std::string>("/opt/dunra tools/dun.ico,0"));
}

void RegistrationStartupTest::TheRegistrationIsWrittenBeforeTheWindowShows() {
  FakeServices services;
  ProgramRegistration registration(services.file_system);
  services.register_file_type = registration.Step();
  bool registered_when_shown = false;
  QTimer::singleShot(0, [&] {
    registered_when_shown =
        Form1 != nullptr && Form1->isVisible() &&
        services.file_system.Exists(DefaultRegistryFilePath()) &&
        services.file_system.Exists(XdgDataHome() + "/applications/dunra.desktop");
    Form1->Button3->click();
  });
  QCOMPARE(RunDunra(services.Get(), {}), 0);
  QVERIFY(registered_when_shown);
  QVERIFY(services.message_box.shown.empty());
}

}  // namespace
}  // namespace dunra

DUNRA_QTEST_MAIN(dunra::RegistrationStartupTest)

#include "registration_startup_test.moc"
