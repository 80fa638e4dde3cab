// The main window: three command buttons, the report memo, the status
// banner, two icons and the banner's timer. It wires the controls to the
// file commands and to the banner state; the work happens elsewhere.
#ifndef DUNRA_APP_DUNRA1_H_
#define DUNRA_APP_DUNRA1_H_

#include <QList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/file_dispatch.h"
#include "app/qt_report_memo.h"
#include "platform/animation_state.h"

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace dunra {

class BannerEdit;
class DirectoryLookup;
class FileCommands;
class FileSystem;
class IconImage;
class MessageBoxService;
class OpenFileDialog;
class SystemBeep;

// Everything the window reaches outside itself; main() hands it the real
// services, tests hand it fakes.
struct FormServices {
  FileSystem& file_system;
  MessageBoxService& message_box;
  OpenFileDialog& open_dialog;
  SystemBeep& beep;
  DirectoryLookup& directory_lookup;
  AnimationState& animation;
  // The file-type registration, run once while the form is built. It
  // throws to end start-up. Empty: nothing to register.
  std::function<void()> register_file_type;
};

inline constexpr int kClientWidth = 246;
inline constexpr int kClientHeight = 176;
inline constexpr int kTimerIntervalMs = 100;

class TForm1 : public QWidget, public CommandTarget {
  Q_OBJECT

 public:
  // Builds the window, registers the file type, dispatches the one
  // command-line argument if there is exactly one (after the program name
  // and the toolkit's options) and accepts drops; the window is not shown.
  // Throws what the registration throws.
  TForm1(const FormServices& services,
         const std::vector<std::string>& arguments, QWidget* parent = nullptr);
  ~TForm1() override;

  void Compress(const std::string& path) override;
  void Extract(const std::string& path) override;

  // Event handlers, bound in the constructor.
  void Button1Click();
  void Button3Click();
  void Button2Click();
  void Timer1Timer();
  void Image1MouseMove();
  void Image2MouseMove();
  void Image2MouseDown();
  // A drop: the first local file goes to its command; the rest is ignored.
  void WMDropFiles(const QList<QUrl>& urls);

  // Controls, in creation order.
  OpenFileDialog& OpenDialog1;
  IconImage* Image1;
  IconImage* Image2;
  QPushButton* Button1;
  QPlainTextEdit* Memo1;
  QPushButton* Button2;
  QPushButton* Button3;
  BannerEdit* Edit1;
  QTimer* Timer1;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildLayout();

  FormServices services_;
  std::unique_ptr<QtReportMemo> report_memo_;
  std::unique_ptr<FileCommands> commands_;
};

// Whether a dropped URL names a file of this machine.
bool IsLocalFileUrl(const QUrl& url);
// The path of a dropped local file as the system spells it, whatever its
// encoding and length.
std::string DroppedPath(const QUrl& url);

// The one main window while the program runs; null before and after.
extern TForm1* Form1;

}  // namespace dunra

#endif  // DUNRA_APP_DUNRA1_H_
