// The application's modal message box.
#ifndef DUNRA_PLATFORM_MESSAGE_BOX_H_
#define DUNRA_PLATFORM_MESSAGE_BOX_H_

#include <string>

namespace dunra {

inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows a modal box owned by the application; returns the button pressed.
  virtual int MessageBox(const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_MESSAGE_BOX_H_
