// OpenFileDialog over QFileDialog.
#ifndef DUNRA_APP_QT_OPEN_FILE_DIALOG_H_
#define DUNRA_APP_QT_OPEN_FILE_DIALOG_H_

#include "app/open_file_dialog.h"

namespace dunra {

class QtOpenFileDialog : public OpenFileDialog {
 protected:
  std::optional<std::string> Show(const std::string& title,
                                  const std::string& file_name) override;
};

}  // namespace dunra

#endif  // DUNRA_APP_QT_OPEN_FILE_DIALOG_H_
