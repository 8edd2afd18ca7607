// The toolbar's five pictures (select source, convert, select destination,
// preview and print, in the order of their image indices) and the
// application's icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <vector>

namespace codelume {

std::vector<QPixmap> CreateToolImages();
// The desktop theme's "codelume" icon, or else the sizes built into the program.
QIcon ApplicationIcon();

}  // namespace codelume
