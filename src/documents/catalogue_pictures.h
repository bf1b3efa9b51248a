// Picture names and numbered keys of the catalogue, shared by the screen pages and the
// printout. Where the second brand's edition has a picture of its own, its name ends in
// "C" before the extension ("C1_1.jpg" becomes "C1_1C.jpg").
#pragma once

#include <QString>

namespace qora {

// The maker's logo in the top corner of every catalogue page.
inline const QString kCatalogueLogo = QStringLiteral("QDTB.WMF");

// A numbered key or picture name: "C2_%1" with k = 3 is "C2_3".
inline QString Numbered(const char* pattern, int k) {
  return QString::fromLatin1(pattern).arg(k);
}

// `base` without extension ("C2_3"), the second brand's own variant when `ownVariant`
// and the edition is the second brand's.
inline QString CataloguePicture(const QString& base, bool secondBrand, bool ownVariant = false) {
  return base + (secondBrand && ownVariant ? QStringLiteral("C.jpg") : QStringLiteral(".jpg"));
}

}  // namespace qora
