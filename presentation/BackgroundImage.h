#pragma once
// The background picture of the plane view as the view settings hold it while
// the program runs: the shown picture of the background pipeline, ready to draw.

#include "presentation/ViewSetupStruct.h"

#include <QImage>

namespace ombrix {

class BackgroundImage : public BackgroundPicture {
public:
    explicit BackgroundImage(QImage image) : m_Image(std::move(image)) {}
    const QImage& Image() const { return m_Image; }

private:
    QImage m_Image;
};

// The picture the plane chart lays behind its bubbles: the view settings'
// background picture, or a null image while none was loaded.
QImage BackgroundImageOf(const ViewSetupStruct& settings);

} // namespace ombrix
