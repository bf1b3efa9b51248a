// What the commands that work on a program folder share: the program state loaded as the
// program loads it with the --home and --set options applied as if typed, a headless
// application for pictures and pages, screen sizes, PNG files and JSON text.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "command_registry.h"
#include "model/app_state.h"

class QImage;

namespace qora::cli {

// The options every program-folder command takes.
inline constexpr OptionSpec kHomeOption{"home", "DIR",
                                        "program folder (default: the executable's folder)"};
inline constexpr OptionSpec kSetOption{"set", "SECTION.Key=VALUE",
                                       "a setting as if typed; may be given more than once"};
inline constexpr OptionSpec kEditionOption{
    "edition", "NAME",
    "edition for this run: EN (English), EU (German), CN (Simplified Chinese), JP (Japanese), "
    "THAI (Thai) or QORAPUR (second brand, English); the settings file is not changed"};
inline constexpr OptionSpec kScreenOption{"screen", "WxH",
                                          "screen size the picture is laid out for"};

// Loads the program folder named by --home (else the executable's folder) in the edition
// --edition names (else the settings' own) and applies every --set in order; a --set that
// changes the language reloads its texts. A usage error message when the edition is
// unknown or a --set is malformed or names no setting.
std::optional<std::string> LoadCommandState(const CommandLine& c, AppState& state);

// --screen WxH from 200x200 to 7680x4320.
std::optional<std::string> ParseScreenSize(const QString& text, int& width, int& height);

// Fonts and pictures need a GUI application; one headless (offscreen) application lives
// until the command ends.
std::unique_ptr<QGuiApplication> MakeGuiApplication();

// Saves a picture as PNG atomically: a failed write leaves an older file whole.
bool SavePng(const QImage& image, const QString& path);

// JSON text of a string (UTF-8, escaped) and of an array of numbers (17 digits each).
std::string JsonString(const std::string& s);
template <typename Array>
std::string JsonArray(const Array& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += ",";
    out += FormatNumber(values[i]);
  }
  return out + "]";
}

// A picture or page that cannot be written: distinct from a usage error and a refusal.
constexpr int kExitWriteFailed = 1;

// Says on stderr that `path` cannot be written and gives the exit status for it.
int CannotWrite(const QString& path);

}  // namespace qora::cli
