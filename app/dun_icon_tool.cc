// Writes dun.ico, the icon file the registration names beside the program.
#include <QImageWriter>
#include <cstdio>

#include "app/dun_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.ico\n", argv[0]);
    return 2;
  }
  QImageWriter writer(QString::fromLocal8Bit(argv[1]), "ico");
  if (!writer.write(dunra::DunIconImage())) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(writer.errorString()));
    return 1;
  }
  return 0;
}
