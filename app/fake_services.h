// Fakes of the window's services for the Qt tests: boxes and dialogs that
// answer at once and remember what they were asked.
#ifndef DUNRA_APP_FAKE_SERVICES_H_
#define DUNRA_APP_FAKE_SERVICES_H_

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/dunra1.h"
#include "app/open_file_dialog.h"
#include "app/system_beep.h"
#include "platform/animation_state.h"
#include "platform/directory_lookup.h"
#include "platform/fake_message_box.h"
#include "platform/posix_file_system.h"

namespace dunra {

inline bool AnyWindowVisible() {
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) return true;
  }
  return false;
}

class FakeOpenDialog : public OpenFileDialog {
 public:
  struct Use {
    std::string title;
    std::string file_name;
  };
  std::optional<std::string> answer;  // nothing: the user cancels
  std::vector<Use> uses;

 protected:
  std::optional<std::string> Show(const std::string& title,
                                  const std::string& file_name) override {
    uses.push_back({title, file_name});
    return answer;
  }
};

class FakeBeep : public SystemBeep {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// The services of one test over the real file system.
struct FakeServices {
  FakeServices() { message_box.is_window_visible = AnyWindowVisible; }
  FormServices Get() {
    return FormServices{file_system, message_box, open_dialog, beep,
                        directory_lookup, animation, register_file_type};
  }
  PosixFileSystem file_system;
  FakeMessageBox message_box;
  FakeOpenDialog open_dialog;
  FakeBeep beep;
  PosixDirectoryLookup directory_lookup;
  AnimationState animation;
  std::function<void()> register_file_type;
};

// Start-up showed the registration error, "." appended, under "Dunra"
// with the stop icon, before any window, and left no form behind.
inline void ExpectStartUpEndedWithTheRegistrationMessage(
    const FakeServices& services) {
  QCOMPARE(services.message_box.shown.size(), size_t{1});
  const FakeMessageBox::Box& box = services.message_box.shown[0];
  QCOMPARE(box.text, std::string("'' の設定に失敗しました."));
  QCOMPARE(box.caption, std::string("Dunra"));
  QCOMPARE(box.flags, MB_OK | MB_ICONSTOP);
  QVERIFY(!box.window_visible);
  QCOMPARE(Form1, nullptr);
}

}  // namespace dunra

#endif  // DUNRA_APP_FAKE_SERVICES_H_
