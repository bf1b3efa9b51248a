// Draws the pictures of the reference documents into the picture folder.
// Usage: qora_make_document_pictures OUTPUT_DIR
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "document_pictures.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: qora_make_document_pictures OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  ProductPictures(dir);
  PipingPictures(dir);
  ReferencePictures(dir);
  MapPicture(dir);
  ConvectionChart(dir);
  MakerLogo(dir);
  return 0;
}
