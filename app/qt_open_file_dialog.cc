#include "app/qt_open_file_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStringList>

namespace dunra {
namespace {

bool IsPattern(const QString& name) {
  return name.contains(u'*') || name.contains(u'?') || name.contains(u'[');
}

}  // namespace

std::optional<std::string> QtOpenFileDialog::Show(const std::string& title,
                                                  const std::string& file_name) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromUtf8(title));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QString preset = QFile::decodeName(QByteArray::fromStdString(file_name));
  if (IsPattern(preset)) {
    // "*.*" means every file, those without a dot too.
    dialog.setNameFilter(preset == u"*.*" ? QStringLiteral("*") : preset);
  }
  dialog.selectFile(preset);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen.first()).toStdString();
}

}  // namespace dunra
