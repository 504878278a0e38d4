#pragma once

#include <QImage>

#include "drawing/surface.h"

namespace spanrix {

// A surface that keeps what is drawn in an image of its own, which a painter drawing many
// primitives in one go (the result curves) may write into directly.
class ImageSurface : public Surface {
public:
    virtual QImage& backingImage() = 0;
    // Device pixels per twip on each axis.
    virtual double pixelsPerTwipX() const = 0;
    virtual double pixelsPerTwipY() const = 0;
    // Called after writing into the image directly, so whatever shows it catches up.
    virtual void imageChanged() = 0;
};

}  // namespace spanrix
