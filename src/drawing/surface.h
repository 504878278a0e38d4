#pragma once

#include <cstdint>
#include <string>

namespace spanrix {

// An RGB colour as 0xRRGGBB.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};

enum class FillStyle { Solid, DiagonalCross };

// The drawing surface the sketch and the result diagrams draw on. Coordinates are in twips
// (1/1440 inch), origin at the top left, y growing downwards. A surface keeps what was
// drawn until it is drawn over; erasing is drawing again in the background colour.
class Surface {
public:
    virtual ~Surface() = default;

    // Size of the drawable area in twips.
    virtual double width() const = 0;
    virtual double height() const = 0;

    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setCurrentPosition(double x, double y) { currentX_ = x; currentY_ = y; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }

    Rgb foreColor() const { return foreColor_; }
    void setForeColor(Rgb c) { foreColor_ = c; }
    virtual Rgb backColor() const = 0;

    FillStyle fillStyle() const { return fillStyle_; }
    void setFillStyle(FillStyle s) { fillStyle_ = s; }
    // Interior colour of boxes and circles: black, except while the sketch erases.
    Rgb fillColor() const { return fillColor_; }
    void setFillColor(Rgb c) { fillColor_ = c; }

    const std::string& fontName() const { return fontName_; }
    void setFontName(const std::string& name) { fontName_ = name; }
    float fontSize() const { return fontSize_; }
    void setFontSize(float points) { fontSize_ = points; }
    bool bold() const { return bold_; }
    void setBold(bool on) { bold_ = on; }

    // Line in the fore colour; the current position becomes its end.
    void line(double x1, double y1, double x2, double y2)
    {
        drawLine(x1, y1, x2, y2);
        setCurrentPosition(x2, y2);
    }
    void lineBy(double x1, double y1, double dx, double dy) { line(x1, y1, x1 + dx, y1 + dy); }
    // Rectangle outline in the fore colour, interior per fill style and fill colour.
    virtual void box(double x1, double y1, double x2, double y2) = 0;
    // Rectangle filled solid in the fore colour.
    virtual void filledBox(double x1, double y1, double x2, double y2) = 0;
    // Full circle outline in the fore colour, interior per fill style and fill colour.
    virtual void circle(double xc, double yc, double r) = 0;
    // Counterclockwise arc from a1 to a2 (radians, 0 right, pi/2 up on the screen).
    virtual void arc(double xc, double yc, double r, float a1, float a2) = 0;
    // Text with its top left corner at the current position; the position then moves to
    // the start of the next text line.
    void text(const std::string& s)
    {
        const double lineHeight = drawText(currentX_, currentY_, s);
        setCurrentPosition(0.0, currentY_ + lineHeight);
    }
    // Brings the shown window up to date.
    virtual void refresh() = 0;
    // The width of s and the height of one text line in the current font, in twips; 0
    // where the surface cannot measure text (a recording), so whatever asks stays as it was.
    virtual double textWidth(const std::string&) const { return 0; }
    virtual double lineHeight() const { return 0; }

protected:
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // Draws s at (x, y) and returns the height of one text line in twips.
    virtual double drawText(double x, double y, const std::string& s) = 0;

private:
    double currentX_ = 0.0;
    double currentY_ = 0.0;
    Rgb foreColor_ = kBlack;
    Rgb fillColor_ = kBlack;
    FillStyle fillStyle_ = FillStyle::Solid;
    std::string fontName_ = "MS Sans Serif";
    float fontSize_ = 8.0f;
    bool bold_ = false;
};

// Bold 14-point Arial: the diagrams' titles, the beam's length and a refusal.
inline constexpr float kTitlePoints = 14.0f;
inline void setTitleFont(Surface& surface)
{
    surface.setFontName("arial");
    surface.setFontSize(kTitlePoints);
    surface.setBold(true);
}

}  // namespace spanrix
