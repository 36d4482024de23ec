#pragma once
// The program's own pictures, drawn at run time: the splash of the mode dialog
// and the emblem of the about box.

#include <QPixmap>
#include <QSize>

namespace ombrix {

inline constexpr QSize kSplashSize{600, 400};

// Field lines around a coil, a spectrum under its limit curve, the program's
// name and its version.
QPixmap SplashPicture();
// A round emblem with the field lines, `side` pixels wide and high.
QPixmap EmblemPicture(int side);

} // namespace ombrix
