#pragma once
// The pictures behind the plane view: the imported picture reduced when large
// (base), the base resampled by offset and stretch (stretched), and that turned
// by the rotation angle (shown). The shown picture becomes the background
// picture of the view settings and is handed to whoever draws it.

#include "presentation/BackgroundScaling.h"

#include <QImage>
#include <QString>

#include <functional>

namespace ombrix {

// Reads a picture file with the image readers of the platform, PCX pictures with
// our own decoder; a null image when the file is no readable picture.
QImage ReadPictureFile(const QString& path);

class BackgroundPipeline {
public:
    // Runs after every new shown picture (the chart draws it).
    std::function<void(const QImage& shown)> onShown;

    // Imports `path` as the new base picture and shows it unscaled. False, with
    // no base picture left, when the file is no readable picture.
    bool Load(const QString& path);
    // The stretched picture from the base picture.
    void Stretch(const ScaleValues& values);
    // The shown picture from the stretched one, white in the uncovered corners;
    // installed as the background picture of the view settings.
    void Rotate(int degrees);

    bool HasPicture() const { return !m_Base.isNull(); }
    const QImage& Base() const { return m_Base; }
    const QImage& Stretched() const { return m_Stretched; }
    const QImage& Shown() const { return m_Shown; }
    // The values the stretched picture was last made from, kept for the run.
    LastAppliedScaling& LastApplied() { return m_LastApplied; }

private:
    QImage m_Base;
    QImage m_Stretched;
    QImage m_Shown;
    LastAppliedScaling m_LastApplied;
};

} // namespace ombrix
