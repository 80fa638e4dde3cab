// MessageBoxService over QMessageBox.
#ifndef DUNRA_APP_QT_MESSAGE_BOX_H_
#define DUNRA_APP_QT_MESSAGE_BOX_H_

#include "platform/message_box.h"

namespace dunra {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Application-modal: every window of the program is blocked while the box
// is open, and timers keep ticking in its event loop.
class QtMessageBoxService : public MessageBoxService {
 public:
  int MessageBox(const std::string& text, const std::string& caption,
                 unsigned flags) override;
};

}  // namespace dunra

#endif  // DUNRA_APP_QT_MESSAGE_BOX_H_
