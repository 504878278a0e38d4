#pragma once

#include <string>
#include <vector>

#include "drawing/screen_images.h"

class QPagedPaintDevice;

namespace spanrix {

// One print job: the screen images, each on a page of its own and scaled to fit it with
// its aspect kept, then the text lines in a fixed-pitch font, so the report's
// blank-aligned title and rules line up, with a new page whenever one is full.
struct ReportDocument {
    std::vector<ScreenImage> images;
    std::vector<std::string> lines;

    bool empty() const { return images.empty() && lines.empty(); }
};

// Paints the document on a printer or a PDF writer. Returns false when the device
// refuses the job.
bool printReport(QPagedPaintDevice& device, const ReportDocument& document);

}  // namespace spanrix
