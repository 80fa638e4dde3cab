// The open-file dialog shared by the Compress and Extract buttons. It keeps
// its title and file name between uses, like the control it stands for.
#ifndef DUNRA_APP_OPEN_FILE_DIALOG_H_
#define DUNRA_APP_OPEN_FILE_DIALOG_H_

#include <optional>
#include <string>

namespace dunra {

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  // Before Execute: the preset name, where a wildcard pattern chooses which
  // names are listed. After a confirmed Execute: the chosen file's path.
  const std::string& FileName() const { return file_name_; }
  void SetFileName(std::string file_name) { file_name_ = std::move(file_name); }

  // Shows the dialog modally. True when the user confirmed an existing
  // file; on cancel false, with FileName() as it was.
  bool Execute() {
    std::optional<std::string> chosen = Show(title_, file_name_);
    if (!chosen) return false;
    file_name_ = std::move(*chosen);
    return true;
  }

 protected:
  // The chosen file's full path, or nothing when the user cancelled.
  virtual std::optional<std::string> Show(const std::string& title,
                                          const std::string& file_name) = 0;

 private:
  std::string title_;
  std::string file_name_;
};

}  // namespace dunra

#endif  // DUNRA_APP_OPEN_FILE_DIALOG_H_
