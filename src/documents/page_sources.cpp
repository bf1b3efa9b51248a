#include "documents/page_sources.h"

#include "model/app_state.h"
#include "model/language.h"

namespace qora {

PageSources::PageSources(const AppState& state) : state_(state) {
  loader_ = [this](const QString& name) { return LoadPicture(state_.picturePath(name)); };
}

int PageSources::langIndex() const {
  return state_.settings.langIndex();
}

QStringList PageSources::section(const QString& base, const QString& key) {
  auto it = files_.find(base);
  if (it == files_.end()) {
    // An edition without its own file reads the English one; a file missing there too
    // reads as no lines, so every key of it is missing.
    int decodeAs = 1;
    const QString path = LanguageFileOrEnglish(state_.appDir, langIndex(), base, &decodeAs);
    it = files_.insert(base, ReadLanguageLines(path, decodeAs, nullptr));
  }
  // A key without lines is present; only a key that is not in the file is missing.
  if (!it->contains(key)) {
    const QString name = base + QLatin1Char(' ') + key;
    if (!missing_.contains(name)) missing_.append(name);
  }
  return SectionOf(*it, key);
}

Picture PageSources::picture(const QString& name) {
  auto it = pictures_.find(name);
  if (it == pictures_.end()) it = pictures_.insert(name, loader_ ? loader_(name) : Picture());
  return *it;
}

}  // namespace qora
