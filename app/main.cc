// Dunra's entry: the application object, the real services, start-up.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>

#include "app/command_line.h"
#include "app/dun_icon.h"
#include "app/dunra1.h"
#include "app/qt_message_box.h"
#include "app/qt_open_file_dialog.h"
#include "app/qt_system_beep.h"
#include "app/registration.h"
#include "app/startup.h"
#include "platform/animation_state.h"
#include "platform/directory_lookup.h"
#include "platform/file_registry_store.h"
#include "platform/posix_file_system.h"
#include "platform/program_path.h"
#include "platform/tool_runner.h"
#include "platform/xdg_dirs.h"

namespace {

// The running program's absolute path, as the registration names it.
std::string ProgramPath() {
  std::string path = dunra::RunningProgramPath();
  if (path.empty()) {
    path = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
  }
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  // Takes the toolkit's own options (-platform, -style, ...) out of argv.
  QApplication application(argc, argv);
  QApplication::setWindowIcon(QPixmap(QStringLiteral(":/icons/mainicon.xpm")));

  dunra::PosixFileSystem file_system;
  dunra::QtMessageBoxService message_box;
  dunra::QtOpenFileDialog open_dialog;
  dunra::QtSystemBeep beep;
  dunra::PosixDirectoryLookup directory_lookup;
  dunra::FileRegistryStore registry(file_system,
                                   dunra::DefaultRegistryFilePath());
  dunra::PosixToolRunner tools;
  dunra::RegistrationTargets registration{registry, file_system, tools,
                                          dunra::XdgDataHome()};
  dunra::FormServices services{
      .file_system = file_system,
      .message_box = message_box,
      .open_dialog = open_dialog,
      .beep = beep,
      .directory_lookup = directory_lookup,
      .animation = dunra::ProgramAnimation(),
      .register_file_type =
          [&] {
            dunra::RegisterFileType(registration, ProgramPath(),
                                    dunra::DunIconPng());
          },
  };
  return dunra::RunDunra(services, dunra::ProgramArguments(argc, argv));
}
