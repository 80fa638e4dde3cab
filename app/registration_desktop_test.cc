// After a registration, the desktop's own tools resolve a ".dun" file to
// our type, name Dunra's entry as the type's default application, and
// open the file with the registered program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "app/registration.h"
#include "platform/file_registry_store.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool ToolInstalled(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class RegistrationDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"gio", "xdg-mime", "update-mime-database",
                             "update-desktop-database"}) {
      if (!ToolInstalled(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    for (const char* sub : {"home", "config", "cache", "runtime", "files"}) {
      ASSERT_EQ(::mkdir((dir_ / sub).c_str(), 0700), 0);
    }
  }

  // Runs a command line in a desktop session of this test's own folders;
  // returns what it printed.
  std::string Run(const std::string& command) {
    const std::string env =
        "env -u DBUS_SESSION_BUS_ADDRESS -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION"
        " GIO_USE_VFS=local HOME=" + ShellQuoted(dir_ / "home") +
        " XDG_DATA_HOME=" + ShellQuoted(data_home_) +
        " XDG_CONFIG_HOME=" + ShellQuoted(dir_ / "config") +
        " XDG_CACHE_HOME=" + ShellQuoted(dir_ / "cache") +
        " XDG_RUNTIME_DIR=" + ShellQuoted(dir_ / "runtime") +
        " XDG_DATA_DIRS=/usr/local/share:/usr/share XDG_CONFIG_DIRS=/etc/xdg ";
    FILE* pipe = ::popen((env + command + " 2>&1").c_str(), "r");
    std::string output;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    ::pclose(pipe);
    return output;
  }

  TempFolder dir_;
  PosixFileSystem fs_;
  PosixToolRunner tools_;
  const std::string data_home_ = dir_ / "data";
};

TEST_F(RegistrationDesktopTest, ADunFileIsOurTypeAndOpensWithTheRegisteredProgram) {
  // A stand-in program in a folder whose name needs quoting, which notes
  // the arguments it is started with.
  const std::string folder = dir_ / "my tools/$HOME \"v2\"";
  ASSERT_EQ(std::system(("mkdir -p " + ShellQuoted(folder)).c_str()), 0);
  const std::string program = folder + "/dunra";
  const std::string noted = dir_ / "arguments";
  std::ofstream(program) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > " << ShellQuoted(noted)
                         << ".part && mv " << ShellQuoted(noted) << ".part "
                         << ShellQuoted(noted) << "\n";
  ASSERT_EQ(::chmod(program.c_str(), 0755), 0);

  FileRegistryStore registry(fs_, data_home_ + "/dunra/registry.reg");
  RegistrationTargets targets{registry, fs_, tools_, data_home_};
  RegisterFileType(targets, program, std::vector<uint8_t>{});

  const std::string file = dir_ / "files/Report 1998.DUN";
  std::ofstream(file) << "not really compressed";
  EXPECT_NE(Run("gio info -a standard::content-type " + ShellQuoted(file))
                .find("standard::content-type: application/x-dunra-compressed"),
            std::string::npos);
  EXPECT_NE(Run("gio mime application/x-dunra-compressed")
                .find("Default application for “application/x-dunra-compressed”: dunra.desktop"),
            std::string::npos);
  EXPECT_EQ(Run("xdg-mime query default application/x-dunra-compressed"), "dunra.desktop\n");

  Run("gio open " + ShellQuoted(file));
  for (int i = 0; i < 100 && ::access(noted.c_str(), F_OK) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_EQ(ReadWholeFile(noted), file + "\n");
}

}  // namespace
}  // namespace dunra
