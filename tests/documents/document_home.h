// A program folder for the document tests: the shipped data (or only what a test writes)
// and the state loaded from it as the program loads it.
#pragma once

#include <QByteArray>
#include <QString>

#include "model/app_state.h"
#include "test_support.h"

namespace qora::test {

struct DocumentHome {
  TempHome home;
  AppState state;

  // The shipped editions, pictures and tables; language index 1 to 6 (the editions without
  // documents of their own read the English ones).
  static void Shipped(DocumentHome& h, int langIndex) {
    for (const char* f :
         {"EN", "EU", "CN", "JP", "THAI", "QORAPUR", "QDTgraph", "QORApara.qdt", "QORAInsu.qdt"})
      h.home.copyShipped(f);
    h.load(langIndex);
  }
  void write(const QString& relative, const QByteArray& bytes) { home.writeFile(relative, bytes); }
  void load(int langIndex) {
    home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=" + QByteArray::number(langIndex) + "\n");
    LoadProgramState(state, home.path());
  }
};

}  // namespace qora::test
