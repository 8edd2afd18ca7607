// The toolbar's five pictures: select source, convert, select destination,
// preview and print, in the order of their image indices.
#pragma once

#include <QPixmap>
#include <vector>

namespace codelume {

std::vector<QPixmap> CreateToolImages();

}  // namespace codelume
