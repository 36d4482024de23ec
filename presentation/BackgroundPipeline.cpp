#include "presentation/BackgroundPipeline.h"

#include "presentation/BackgroundImage.h"
#include "presentation/PcxDecoder.h"
#include "presentation/ViewSetupStruct.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <memory>
#include <span>

namespace ombrix {

namespace {

// Larger files are not pictures a user lays behind a plane of bubbles.
constexpr qint64 kLargestPictureFile = 256LL * 1024 * 1024;

QImage FromRgb(const RgbPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    const auto rowBytes = static_cast<std::size_t>(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.rgb.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes,
                    image.scanLine(y));
    return image;
}

QImage BlankLike(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QImage ReadPictureFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestPictureFile) return {};
    const QByteArray bytes = file.readAll();
    const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             static_cast<std::size_t>(bytes.size()));
    if (LooksLikePcx(data)) {
        RgbPicture picture;
        if (DecodePcx(data, picture) != PcxResult::eDecoded) return {};
        return FromRgb(picture);
    }
    QImage image;
    image.loadFromData(bytes);
    return image;
}

bool BackgroundPipeline::Load(const QString& path) {
    m_Base = QImage();
    const QImage imported = ReadPictureFile(path);
    if (imported.isNull()) return false;
    const PictureSize reduced = ReducedPictureSize({imported.width(), imported.height()});
    m_Base = (reduced.width == imported.width() && reduced.height == imported.height())
                 ? imported.convertToFormat(QImage::Format_RGB32)
                 : imported
                       .scaled(reduced.width, reduced.height, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    // A new picture is shown unscaled, whatever scaling values are stored.
    Stretch(ScaleValues{});
    Rotate(0);
    return true;
}

void BackgroundPipeline::Stretch(const ScaleValues& values) {
    if (m_Base.isNull()) return;
    const PictureSize base{m_Base.width(), m_Base.height()};
    const PictureRegion region =
        StretchRegion(base, values.hOffset, values.vOffset, values.hStretch, values.vStretch);
    m_Stretched = BlankLike(m_Base.size());
    if (region.width <= 0 || region.height <= 0) return;
    // Resample the region into the whole picture; where the region leaves the
    // base picture, the blank shows through.
    const QRectF source(region.x, region.y, region.width, region.height);
    const QRectF visible = source.intersected(QRectF(m_Base.rect()));
    if (visible.isEmpty()) return;
    const double sx = m_Base.width() / source.width(), sy = m_Base.height() / source.height();
    const QRectF target((visible.x() - source.x()) * sx, (visible.y() - source.y()) * sy,
                        visible.width() * sx, visible.height() * sy);
    QPainter painter(&m_Stretched);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_Base, visible);
}

void BackgroundPipeline::Rotate(int degrees) {
    if (m_Stretched.isNull()) return;
    if (degrees == 0) {
        m_Shown = m_Stretched;
    } else {
        const QImage turned =
            m_Stretched.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
        m_Shown = BlankLike(turned.size());
        QPainter painter(&m_Shown);
        painter.drawImage(0, 0, turned);
    }
    ViewSetup().SetBackgroundPicture(std::make_unique<BackgroundImage>(m_Shown));
    if (onShown) onShown(m_Shown);
}

} // namespace ombrix
