#pragma once
// The pictures of the main window's tool bar buttons, drawn at run time so
// that they scale with the screen: the green play button of the spectrum
// request, load, reset, export, clipboard, print, preview, setup, the two
// zooms, info and help.

#include <QIcon>

namespace ombrix {

enum class ToolBarPicture {
    Load,
    Play,
    Reset,
    Export,
    Clipboard,
    Print,
    Preview,
    Setup,
    ZoomOut,
    ZoomIn,
    Info,
    Help,
};

QIcon ToolBarIcon(ToolBarPicture picture);

} // namespace ombrix
