#pragma once

#include <string>
#include <vector>

#include "drawing/surface.h"

namespace spanrix::testing {

// A surface that records every drawing operation with the state it was drawn in.
class RecordingSurface : public Surface {
public:
    struct Op {
        std::string kind;  // "line", "box", "filledBox", "circle", "arc", "text", "refresh"
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends, box corners, or centre (x1, y1)
        double r = 0;
        float a1 = 0, a2 = 0;
        std::string text;
        Rgb color;
        FillStyle fill = FillStyle::Solid;
        std::string fontName;
        float fontSize = 0;
        bool bold = false;
    };

    RecordingSurface(double w = 19200, double h = 10800) : w_(w), h_(h) {}

    double width() const override { return w_; }
    double height() const override { return h_; }
    Rgb backColor() const override { return kWhite; }

    void box(double x1, double y1, double x2, double y2) override { record("box", x1, y1, x2, y2); }
    void filledBox(double x1, double y1, double x2, double y2) override
    {
        record("filledBox", x1, y1, x2, y2);
    }
    void circle(double xc, double yc, double r) override
    {
        Op& op = record("circle", xc, yc, 0, 0);
        op.r = r;
    }
    void arc(double xc, double yc, double r, float a1, float a2) override
    {
        Op& op = record("arc", xc, yc, 0, 0);
        op.r = r;
        op.a1 = a1;
        op.a2 = a2;
    }
    void refresh() override { record("refresh", 0, 0, 0, 0); }

    std::vector<Op> ops;

    std::vector<Op> ofKind(const std::string& kind) const
    {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }

protected:
    void drawLine(double x1, double y1, double x2, double y2) override { record("line", x1, y1, x2, y2); }
    double drawText(double x, double y, const std::string& s) override
    {
        Op& op = record("text", x, y, 0, 0);
        op.text = s;
        return 200.0;
    }

private:
    Op& record(const std::string& kind, double x1, double y1, double x2, double y2)
    {
        Op op;
        op.kind = kind;
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        op.color = foreColor();
        op.fill = fillStyle();
        op.fontName = fontName();
        op.fontSize = fontSize();
        op.bold = bold();
        ops.push_back(op);
        return ops.back();
    }

    double w_;
    double h_;
};

}  // namespace spanrix::testing
