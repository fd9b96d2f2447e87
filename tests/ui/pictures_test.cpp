#include <QImage>
#include <cmath>

#include "app/ui/pictures.hpp"
#include "help/performance_curves.hpp"
#include "help/ui/performance_picture.hpp"
#include "program_fixture.hpp"

namespace zun::ui::test {
namespace {

int Distance(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// True when a pixel of about `colour` lies within two pixels of (x, y).
bool ColourNear(const QImage& image, double x, double y, QColor colour) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p(static_cast<int>(std::lround(x)) + dx, static_cast<int>(std::lround(y)) + dy);
            if (image.valid(p) && Distance(image.pixelColor(p), colour) <= 60) return true;
        }
    return false;
}

TEST(PerformancePicture, CurvesPassThroughTheirTabulatedPoints) {
    const QImage image = DrawPerformanceCurves();
    ASSERT_EQ(image.size(), QSize(626, 467));
    struct Point {
        const char* curve;
        double seconds;
        double percent;
        QColor colour;
    } points[] = {
        {"10%ED", 10, 150, QColor(0, 0, 128)},     {"10%ED", 50, 115, QColor(0, 0, 128)},
        {"40%ED", 10, 120, QColor(255, 255, 0)},   {"80%ED", 5, 89, QColor(128, 0, 0)},
        {"Continuous", 100, 80, QColor(0, 128, 128)}, {"25%ED", 20, 129, QColor(255, 0, 255)},
        {"50%ED", 2, 119, QColor(0, 255, 255)},    {"60%ED", 50, 90, QColor(128, 0, 128)},
        {"10%ED", 30, 135, QColor(0, 0, 128)},
    };
    for (const auto& p : points) {
        // x = 88 + 167 × log10(t); 60 % at the bottom edge y = 388, 10 % = 34.4 px.
        const double x = 88 + 167 * std::log10(p.seconds);
        const double y = 388 - (p.percent - 60) * 3.44;
        EXPECT_TRUE(ColourNear(image, x, y, p.colour)) << p.curve << " at " << p.seconds << " s";
        // A point one decade off or 10 % off must not show the same curve.
        EXPECT_FALSE(ColourNear(image, x, y - 34.4, p.colour) && ColourNear(image, x, y + 34.4, p.colour))
            << p.curve;
    }
    EXPECT_FALSE(ColourNear(image, 88 + 167 * std::log10(10.0), 388 - (139 - 60) * 3.44, QColor(0, 0, 128)));
}

TEST(PerformancePicture, FrameGridAndLegendStandWhereDescribed) {
    const QImage image = DrawPerformanceCurves();
    const QColor black(Qt::black), white(Qt::white);
    EXPECT_EQ(image.pixelColor(300, 44), black);   // frame top
    EXPECT_EQ(image.pixelColor(300, 388), black);  // frame bottom
    EXPECT_EQ(image.pixelColor(87, 200), black);   // frame left
    EXPECT_EQ(image.pixelColor(588, 200), black);  // frame right
    EXPECT_EQ(image.pixelColor(454, 150), black);  // legend frame
    EXPECT_EQ(image.pixelColor(563, 150), black);
    EXPECT_EQ(image.pixelColor(500, 241), black);
    EXPECT_EQ(image.pixelColor(500, 66), black);
    EXPECT_EQ(image.pixelColor(555, 230), white);  // legend inside
    EXPECT_EQ(image.pixelColor(10, 10), white);    // ground
    // The legend's first sample is navy, its last teal, 25 px apart per row.
    EXPECT_TRUE(ColourNear(image, 470, 66 + 13, QColor(0, 0, 128)));
    EXPECT_TRUE(ColourNear(image, 470, 66 + 13 + 6 * 25, QColor(0, 128, 128)));
    // A dashed grid line at 100 % runs across the plot.
    int dark = 0;
    const int y100 = static_cast<int>(std::lround(388 - 40 * 3.44));
    for (int x = 90; x < 440; ++x) dark += image.pixelColor(x, y100).lightness() < 100;
    EXPECT_GT(dark, 60);
    EXPECT_LT(dark, 300);
}

using ExplanationPictures = ProgramTest;

TEST_F(ExplanationPictures, SizesAndPlaces) {
    TForm3& w = *forms().Form3;
    EXPECT_EQ(w.Image1->geometry(), QRect(0, 0, 625, 465));
    EXPECT_EQ(w.Image1->pixmap().size(), QSize(626, 467));
    EXPECT_EQ(f().Image1->geometry(), QRect(136, 8, 321, 105));
    EXPECT_EQ(f().Image1->pixmap().size(), QSize(321, 109));
    EXPECT_EQ(f().Image2->geometry(), QRect(584, 184, 409, 369));
    EXPECT_EQ(f().Image2->pixmap().size(), QSize(411, 365));

    Click(f().SpeedButton9);
    const QImage before = w.Image1->pixmap().toImage();
    Click(f().SpeedButton9);  // already open: to the front, the picture unchanged
    EXPECT_EQ(w.Image1->pixmap().toImage(), before);
}

TEST(ExplanationDrawings, DutySketchAndSpeedProfileAsDescribed) {
    const QImage sketch = PicturePixmap(Picture::DutySketch, QSize(321, 109)).toImage();
    const QColor black(Qt::black), red(Qt::red);
    EXPECT_TRUE(ColourNear(sketch, 38, 7, black));     // first pulse top
    EXPECT_TRUE(ColourNear(sketch, 144, 7, black));    // second pulse top
    EXPECT_TRUE(ColourNear(sketch, 18, 30, black));    // left edge
    EXPECT_FALSE(ColourNear(sketch, 90, 7, black));    // nothing between the pulses at the top
    EXPECT_TRUE(ColourNear(sketch, 40, 72, black));    // the t arrow
    EXPECT_TRUE(ColourNear(sketch, 100, 100, black));  // the T arrow

    const QImage profile = PicturePixmap(Picture::SpeedProfile, QSize(411, 365)).toImage();
    EXPECT_TRUE(ColourNear(profile, 150, 57, red));    // upper plateau during T2
    EXPECT_TRUE(ColourNear(profile, 150, 302, red));   // lower plateau
    EXPECT_TRUE(ColourNear(profile, 68, 94, red));     // rising during T1
    EXPECT_TRUE(ColourNear(profile, 310, 132, red));   // on the axis during T4
    EXPECT_TRUE(ColourNear(profile, 31, 200, black));  // vertical axis
    EXPECT_FALSE(ColourNear(profile, 150, 132, red));
}

}  // namespace
}  // namespace zun::ui::test
