// The two brand editions of one program: language index 6 is the second brand's edition
// (its own pictures and caption), every other index the first brand's.
#pragma once

#include <QString>

namespace qora {

inline bool IsSecondBrand(int langIndex) {
  return langIndex == 6;
}
inline QString BrandCaption(int langIndex) {
  return IsSecondBrand(langIndex) ? QStringLiteral("QORAPUR 2001")
                                  : QStringLiteral("QORALINE 2001");
}
inline QString SplashPictureName(int langIndex) {
  return IsSecondBrand(langIndex) ? QStringLiteral("SplashC.jpg") : QStringLiteral("SplashQL1.jpg");
}
inline QString MenuPictureName(int langIndex) {
  return IsSecondBrand(langIndex) ? QStringLiteral("MainMenuC.jpg")
                                  : QStringLiteral("MainMenu.jpg");
}

}  // namespace qora
