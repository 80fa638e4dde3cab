#include "app/dunra1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFont>
#include <QGuiApplication>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>

#include "app/banner.h"
#include "app/banner_edit.h"
#include "app/command_line.h"
#include "app/expand_long_path.h"
#include "app/icon_image.h"
#include "app/open_file_dialog.h"
#include "app/system_beep.h"
#include "commands/file_commands.h"
#include "platform/message_box.h"

namespace dunra {

TForm1* Form1 = nullptr;

namespace {

constexpr char kMemoFirstLines[] =
    "* Dunra *\n"
    "\n"
    "Drop a file here, or click Compress or Extract.";
constexpr char kQuestionMarks[] = " ? ? ? ? ? ? ? ? ? ";
constexpr int kQuestionMarksDelay = 5;

// "Verdana" where installed, else a common sans-serif.
QFont FormFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  return font;
}

// The banner's fixed-pitch face that can show Japanese.
QFont BannerFont() {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                    QStringLiteral("Noto Sans Mono CJK JP"),
                    QStringLiteral("DejaVu Sans Mono")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

QPushButton* CommandButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

bool IsLocalFileUrl(const QUrl& url) {
  if (!url.isLocalFile()) return false;
  // file://localhost/... and file://<this machine>/... name local files
  // too; a file of another machine is none.
  const QString host = url.host();
  return host.isEmpty() ||
         host.compare(u"localhost", Qt::CaseInsensitive) == 0 ||
         host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0;
}

std::string DroppedPath(const QUrl& url) {
  // The name's own bytes, whole: bytes that are not UTF-8 stay
  // percent-encoded in the URL, where a QString would lose them.
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())
      .toStdString();
}

TForm1::TForm1(const FormServices& services,
               const std::vector<std::string>& arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      OpenDialog1(services.open_dialog),
      services_(services) {
  // 1. The window and its controls; the banner's clock runs from here on.
  BuildLayout();
  report_memo_ = std::make_unique<QtReportMemo>(*Memo1);
  commands_ = std::make_unique<FileCommands>(
      services_.file_system, *report_memo_, services_.message_box,
      services_.animation);
  Timer1->start();

  // 2. The file-type registration. What it throws ends start-up here.
  if (services_.register_file_type) services_.register_file_type();

  // 3. The command-line argument, when there is exactly one.
  if (std::optional<std::string> argument = SingleArgument(arguments)) {
    DispatchByExtension(ExpandLongPath(*argument, services_.directory_lookup),
                        *this);
  }

  // 4. From now on the window takes dropped files.
  setAcceptDrops(true);
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
  setWindowTitle(QStringLiteral("Dunra"));
  setWindowIcon(QPixmap(QStringLiteral(":/icons/mainicon.xpm")));
  setFont(FormFont());
  setFixedSize(kClientWidth, kClientHeight);

  const QPixmap creature(QStringLiteral(":/icons/creature.xpm"));
  Image1 = new IconImage(creature, this);
  Image1->move(8, 144);
  Image2 = new IconImage(creature, this);
  Image2->move(216, 144);  // its two rightmost, transparent columns are cut off

  Button1 = CommandButton("Compress", this);
  Button1->setGeometry(8, 8, 73, 25);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(8, 40, 233, 97);
  Memo1->setFont(FormFont());
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::StrongFocus);
  Memo1->setTabChangesFocus(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setPlainText(QString::fromUtf8(kMemoFirstLines));

  Button2 = CommandButton("Extract", this);
  Button2->setGeometry(88, 8, 73, 25);
  Button3 = CommandButton("Exit", this);
  Button3->setGeometry(168, 8, 73, 25);

  Edit1 = new BannerEdit(this);
  Edit1->setGeometry(48, 148, 158, 21);
  Edit1->setFont(BannerFont());

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerIntervalMs);

  setTabOrder(Button1, Memo1);
  setTabOrder(Memo1, Button2);
  setTabOrder(Button2, Button3);

  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Image1, &IconImage::MouseMoved, this, &TForm1::Image1MouseMove);
  connect(Image2, &IconImage::MouseMoved, this, &TForm1::Image2MouseMove);
  connect(Image2, &IconImage::MousePressed, this, &TForm1::Image2MouseDown);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  // Centred on the screen when first shown.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
  }
}

void TForm1::Compress(const std::string& path) { commands_->Compress(path); }

void TForm1::Extract(const std::string& path) { commands_->Extract(path); }

void TForm1::Button1Click() {
  OpenDialog1.SetTitle("Compress");
  OpenDialog1.SetFileName("*.*");
  if (OpenDialog1.Execute()) Compress(OpenDialog1.FileName());
}

void TForm1::Button2Click() {
  OpenDialog1.SetFileName("*.dun");
  OpenDialog1.SetTitle("Extract");
  if (OpenDialog1.Execute()) Extract(OpenDialog1.FileName());
}

void TForm1::Button3Click() { close(); }

void TForm1::Timer1Timer() {
  BannerTick(services_.animation,
             [this](std::string_view text) { Edit1->SetText(text); });
}

void TForm1::Image1MouseMove() {
  Edit1->SetText(kQuestionMarks);
  services_.animation.idleDelay = kQuestionMarksDelay;
}

void TForm1::Image2MouseMove() { services_.beep.Beep(); }

void TForm1::Image2MouseDown() {
  services_.message_box.MessageBox("** DONT CLICK **", "error",
                                   MB_OK | MB_ICONINFORMATION);
}

void TForm1::WMDropFiles(const QList<QUrl>& urls) {
  for (const QUrl& url : urls) {
    if (!IsLocalFileUrl(url)) continue;
    DispatchByExtension(DroppedPath(url), *this);
    return;
  }
}

namespace {

bool HoldsLocalFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return false;
  for (const QUrl& url : data->urls()) {
    if (IsLocalFileUrl(url)) return true;
  }
  return false;
}

}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (HoldsLocalFile(event->mimeData())) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  if (!HoldsLocalFile(event->mimeData())) return;
  event->acceptProposedAction();
  // The command runs once the drop is over, so that a message box it shows
  // does not keep the program the file came from waiting.
  const QList<QUrl> urls = event->mimeData()->urls();
  QTimer::singleShot(0, this, [this, urls] { WMDropFiles(urls); });
}

}  // namespace dunra
