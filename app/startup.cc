#include "app/startup.h"

#include <QApplication>
#include <exception>

#include "platform/message_box.h"

namespace dunra {

int RunDunra(const FormServices& services,
             const std::vector<std::string>& arguments) {
  try {
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    TForm1 form(services, arguments);
    Form1 = &form;
    form.show();
    const int status = QApplication::exec();
    Form1 = nullptr;
    return status;
  } catch (const std::exception& error) {
    Form1 = nullptr;
    services.message_box.MessageBox(std::string(error.what()) + ".",
                                    kApplicationTitle, MB_OK | MB_ICONSTOP);
    return 0;
  }
}

}  // namespace dunra
