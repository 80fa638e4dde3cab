// The system's simple beep.
#ifndef DUNRA_APP_SYSTEM_BEEP_H_
#define DUNRA_APP_SYSTEM_BEEP_H_

namespace dunra {

class SystemBeep {
 public:
  virtual ~SystemBeep() = default;
  virtual void Beep() = 0;
};

}  // namespace dunra

#endif  // DUNRA_APP_SYSTEM_BEEP_H_
