#pragma once
// The product's logo: a small dialog window with a few controls on it, drawn in code so the
// program needs no image file to show it.

#include <QPixmap>

namespace kovrin {

QPixmap aboutLogo(int side);

} // namespace kovrin
