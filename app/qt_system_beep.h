// SystemBeep over the toolkit's beep (the X bell on X11).
#ifndef DUNRA_APP_QT_SYSTEM_BEEP_H_
#define DUNRA_APP_QT_SYSTEM_BEEP_H_

#include <QApplication>

#include "app/system_beep.h"

namespace dunra {

class QtSystemBeep : public SystemBeep {
 public:
  void Beep() override { QApplication::beep(); }
};

}  // namespace dunra

#endif  // DUNRA_APP_QT_SYSTEM_BEEP_H_
