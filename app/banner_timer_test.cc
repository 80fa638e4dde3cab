// The banner on the window's real 100 ms timer.
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/banner_edit.h"
#include "app/dunra1.h"
#include "app/fake_services.h"
#include "app/qt_test_environment.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

// The banner's texts, in the order they were shown, until count of them.
QStringList ShownTexts(TForm1& form, int count) {
  QStringList texts;
  QObject::connect(form.Edit1, &QLineEdit::textChanged,
                   [&](const QString& text) { texts << text; });
  form.show();
  // 100 ms a tick; generous for a loaded machine.
  (void)QTest::qWaitFor([&] { return texts.size() >= count; }, 200 * count + 2000);
  form.Edit1->disconnect();
  return texts.mid(0, count);
}

class BannerTimerTest : public QObject {
  Q_OBJECT

 private slots:
  void TheIdleAnimationRunsFromTheFirstTick();
  void AStartUpCommandsSequencePlaysFirstThenTheIdleAnimation();
};

void BannerTimerTest::TheIdleAnimationRunsFromTheFirstTick() {
  FakeServices services;
  TForm1 form(services.Get(), {});
  QCOMPARE(ShownTexts(form, 3),
           (QStringList{"   D", "   D  U", "   D  U  N"}));
}

void BannerTimerTest::AStartUpCommandsSequencePlaysFirstThenTheIdleAnimation() {
  TempFolder folder;
  folder.Write("x.txt", "ABBBBC");
  FakeServices services;
  TForm1 form(services.Get(), {folder / "x.txt"});
  QCOMPARE(services.animation.compressFrame, 1);
  // Entries 10 and 11 are one visible frame; the pause changes nothing.
  QCOMPARE(ShownTexts(form, 11),
           (QStringList{"    C", "    CO", "    COM", "    COMP", "    COMPR",
                        "    COMPRE", "    COMPRES", "    COMPRESS", "    COMPRESSE",
                        "    COMPRESSED!", "   D"}));
}

}  // namespace
}  // namespace dunra

DUNRA_QTEST_MAIN(dunra::BannerTimerTest)

#include "banner_timer_test.moc"
