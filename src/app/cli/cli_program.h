// What the commands that draw share: the program folder the tool runs from, the headless
// application that fonts and pictures need, the --screen option's value and writing a
// picture file atomically.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <memory>
#include <string>

class QImage;

namespace qora::cli {

// The folder of the running executable (the default program folder).
QString ExecutableFolder();

// One headless (offscreen) application for the life of a command.
std::unique_ptr<QGuiApplication> MakeGuiApplication();

// "WxH" from 200x200 up to 7680x4320; returns an error message, empty when the value is fine.
std::string ParseScreenSize(const std::string& value, int& width, int& height);

// Saves a PNG atomically: a failed write leaves an older file whole.
bool SavePng(const QImage& image, const QString& file);

}  // namespace qora::cli
