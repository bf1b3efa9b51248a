#include "documents/page_sources.h"

#include <QFont>
#include <QFontMetricsF>

#include "model/app_state.h"
#include "toolkit/canvas_state.h"
#include "toolkit/font_families.h"

namespace qora {

PageSources::PageSources(const AppState& state) : state_(state) {
  loader_ = [this](const QString& name) { return LoadPicture(state_.picturePath(name)); };
}

int PageSources::langIndex() const {
  return state_.settings.langIndex();
}

const PageSources::File& PageSources::file(const QString& base) {
  auto it = files_.find(base);
  if (it == files_.end()) {
    // An edition without its own file reads the English one; a file missing there too
    // reads as no lines, so every key of it is missing.
    File f;
    const QString path = LanguageFileOrEnglish(state_.appDir, langIndex(), base, &f.edition);
    f.lines = ReadLanguageLines(path, f.edition, nullptr);
    it = files_.insert(base, std::move(f));
  }
  return *it;
}

QStringList PageSources::section(const QString& base, const QString& key) {
  const File& f = file(base);
  // A key without lines is present; only a key that is not in the file is missing.
  if (!f.lines.contains(key)) {
    const QString name = base + QLatin1Char(' ') + key;
    if (!missing_.contains(name)) missing_.append(name);
  }
  return SectionOf(f.lines, key);
}

namespace {

// The pages step their lines and table rows by fixed amounts made for faces whose lines
// are about 1.2 em tall. A face that leaves far more room (the Thai families take 1.6 to
// 2 em for stacked vowels and tone marks) would run each line into the next; the page
// then names the Latin family, whose line fits the step, and the face's own script comes
// from the family list that follows it.
void CompactLineFaces(LanguageTexts& texts) {
  for (std::size_t i = 0; i < texts.fonts.size(); ++i) {
    const QString face = texts.Font(static_cast<int>(i));
    QFont font;
    font.setFamilies(FontFamilies(face, true));
    font.setPixelSize(100);
    if (QFontMetricsF(font).height() > 150) texts.fonts[i] = QString::fromLatin1(kLatinFace);
  }
}

}  // namespace

const LanguageTexts& PageSources::faces(const QString& base) {
  const int edition = file(base).edition;
  auto it = otherEditions_.find(edition);
  if (it == otherEditions_.end()) {
    LanguageTexts texts = state_.lang;
    if (edition != state_.lang.langIndex) {
      texts = BuiltinLanguageTexts();
      LoadLanguageTexts(texts, state_.appDir, edition);
    }
    CompactLineFaces(texts);
    it = otherEditions_.emplace(edition, std::move(texts)).first;
  }
  return it->second;
}

Picture PageSources::picture(const QString& name) {
  auto it = pictures_.find(name);
  if (it == pictures_.end()) it = pictures_.insert(name, loader_ ? loader_(name) : Picture());
  return *it;
}

}  // namespace qora
