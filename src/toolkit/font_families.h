// The font families the set-up installs, by the script they cover. Every face the program
// draws with is one of these or a face a message file names; an empty face never reaches
// the font system (fontconfig would pick any font at all for it).
#pragma once

namespace qora {

inline constexpr const char* kLatinFace = "Liberation Sans";
inline constexpr const char* kLatinSerifFace = "Liberation Serif";
inline constexpr const char* kMonoFace = "DejaVu Sans Mono";
inline constexpr const char* kWideLatinFace = "DejaVu Sans";  // Greek, symbols, arrows
inline constexpr const char* kThaiFace = "Garuda";
inline constexpr const char* kChineseFace = "WenQuanYi Zen Hei";
inline constexpr const char* kJapaneseFace = "IPAGothic";

}  // namespace qora
