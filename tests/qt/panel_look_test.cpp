#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "window_fixture.h"

namespace tarnwick::test {
namespace {

// The panels as the program lays them out, over a drawing of one colour.
class PanelLook : public WindowTest, public ::testing::WithParamInterface<long> {
protected:
    void SetUp() override {
        canvas.setBackColour(GetParam());
        // The longest prompts of the program, in the boxes it gives them.
        addLabel("loadlabel", "Please type in the name of the drawing to load:", 233);
        addLabel("Label9", "Please type in the name of the pattern you would like to load:", 289);
        addLabel("wallsizelabel", "Please type in a wall size from 5 to 50 pixels:", 249);
        ui.addControl("loadbox", ControlKind::EntryBox, "");
        ui.setControlGeometry("loadbox", 232, 300, 121, 19);
        const char* captions[] = {"Background", "Border Color", "Maze Color"};
        for (int k = 1; k <= 16; ++k) {
            const std::string name = "Check" + std::to_string(k);
            ui.addControl(name, ControlKind::CheckBox, captions[k % 3]);
            ui.setControlGeometry(name, 8 + 104 * ((k - 1) % 7), 56 + 64 * ((k - 1) / 7), 81, 33);
        }
        ui.setControlBackColour("Check10", 0xFF0000);  // blue
        ui.setControlBackColour("Check16", 0xFFFFFF);  // white
        pumpFor(std::chrono::milliseconds(50));
        shown = platform.surface().grab().toImage();
    }

    void addLabel(const char* name, const char* caption, int width) {
        ui.addControl(name, ControlKind::Label, caption);
        ui.setControlGeometry(name, 0, 300 + 24 * static_cast<int>(labels.size()), width, 17);  // below the boxes
        labels.push_back(name);
    }

    // Pixels of the drawing's own colour inside a widget's rectangle.
    int drawingPixelsIn(const QWidget& w) const {
        int n = 0;
        for (int y = w.y(); y < w.y() + w.height(); ++y)
            for (int x = w.x(); x < w.x() + w.width(); ++x)
                n += rgbToBgr(shown.pixel(x, y) & 0xFFFFFFu) == static_cast<std::uint32_t>(GetParam());
        return n;
    }

    std::vector<const char*> labels;
    QImage shown;
};

// A prompt stands on a plate of its own, whatever the drawing's colour, whole,
// and in the one font of the panels' text.
TEST_P(PanelLook, PromptsAreOpaqueAndWhole) {
    const QFont font = widget<QLineEdit>("loadbox").font();
    for (const char* name : labels) {
        const QLabel& label = widget<QLabel>(name);
        EXPECT_EQ(drawingPixelsIn(label), 0) << name << ": the drawing shows through";
        EXPECT_LE(label.sizeHint().width(), label.width()) << name << ": cut off";
        EXPECT_GE(label.font().pixelSize(), 9) << name << ": too small to read";
        EXPECT_EQ(label.font(), font) << name;
    }
}

// The colour boxes share one font, their captions fit, and a box of the drawing's
// own colour still stands out by its frame.
TEST_P(PanelLook, ColourBoxesShareOneFontAndAreFramed) {
    const int size = widget<QCheckBox>("Check1").font().pixelSize();
    EXPECT_GE(size, 9);
    for (int k = 1; k <= 16; ++k) {
        const std::string name = "Check" + std::to_string(k);
        const QCheckBox& box = widget<QCheckBox>(name.c_str());
        EXPECT_EQ(box.font().pixelSize(), size) << name;
        EXPECT_LE(box.sizeHint().width(), box.width()) << name << ": cut off";
    }
    for (const char* name : {"Check10", "Check16"}) {
        const QCheckBox& box = widget<QCheckBox>(name);
        int frameDiffers = 0;
        for (int x = box.x(); x < box.x() + box.width(); ++x)
            frameDiffers += rgbToBgr(shown.pixel(x, box.y()) & 0xFFFFFFu) != static_cast<std::uint32_t>(GetParam());
        EXPECT_EQ(frameDiffers, box.width()) << name << ": its top edge vanishes into the drawing";
    }
}

INSTANTIATE_TEST_SUITE_P(OverLightAndDark, PanelLook, ::testing::Values(0xFFFFFFL, 0x00FFFFL, 0xFF0000L, 0x800000L));

}  // namespace
}  // namespace tarnwick::test
