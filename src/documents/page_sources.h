// What a reference page is drawn from: the keyed section files of the current language,
// each read once per drawing, and the pictures of the picture folder, each loaded once.
// One object serves both passes of a page (measuring its height, then drawing it).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

#include "model/language.h"
#include "toolkit/picture.h"

namespace qora {

struct AppState;

class PageSources {
 public:
  explicit PageSources(const AppState& state);

  const AppState& state() const { return state_; }
  int langIndex() const;
  bool secondBrand() const { return langIndex() == 6; }

  // The lines of section `key` of the language file `base` ("prd.qdt") of the edition, or
  // of the English edition when the edition has no such file: empty when the file or the
  // key is missing.
  QStringList section(const QString& base, const QString& key);
  // The texts whose faces a page drawn from the file `base` is written in: the loaded
  // message file's when the file is the edition's own; the English edition's when the
  // English file stands in for it, so that page looks and fits as the English page does
  // (the faces of a Thai or Chinese edition are chosen for its own script).
  const LanguageTexts& faces(const QString& base);
  // "base key" of every section asked for that the file does not have (a missing file
  // makes all of its keys missing), in the order asked.
  const QStringList& missingSections() const { return missing_; }
  // A picture of the picture folder by file name (matched without regard to case, a
  // ".WMF" name resolving to the SVG of the same base name); empty when missing.
  Picture picture(const QString& name);

  // Where pictures come from, by file name (tests watch which pictures a page asks for).
  using PictureLoader = std::function<Picture(const QString& name)>;
  void setPictureLoader(PictureLoader loader) { loader_ = std::move(loader); }

 private:
  struct File {
    QStringList lines;
    int edition = 1;  // whose file it is (the edition's own or the English one)
  };
  const File& file(const QString& base);

  const AppState& state_;
  QHash<QString, File> files_;
  // The faces of each edition whose file a page is drawn from (the loaded one, or the
  // English one standing in), with faces of very tall lines replaced, made once.
  std::map<int, LanguageTexts> otherEditions_;
  QHash<QString, Picture> pictures_;
  QStringList missing_;
  PictureLoader loader_;
};

}  // namespace qora
