// The application object a command-line program needs before it creates a
// widget, on Qt's offscreen platform unless the caller chose a platform.
#pragma once

#include <QApplication>
#include <memory>

namespace codelume {

// A new application, or none when the program already has one.
std::unique_ptr<QApplication> EnsureApplication();

}  // namespace codelume
