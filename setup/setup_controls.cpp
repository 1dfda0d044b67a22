#include "setup/setup_controls.h"

namespace quorex {
namespace {

using enum ControlKind;

// Twips; positions inside a frame are measured from the frame's top-left corner.
constexpr std::array<ControlDescription, 13> kControls = {{
    {"Frame1", -1, Frame, "", "Action", 300, 360, 3675, 2415, 1},
    {"optAction", 0, OptionButton, "Frame1", kModeCaptions[0], 420, 400, 3000, 195, 2},
    {"optAction", 1, OptionButton, "Frame1", kModeCaptions[1], 420, 700, 3000, 195, 3},
    {"optAction", 2, OptionButton, "Frame1", kModeCaptions[2], 420, 1000, 3000, 195, 4},
    {"optAction", 3, OptionButton, "Frame1", kModeCaptions[3], 420, 1300, 3000, 195, 5},
    {"optAction", 4, OptionButton, "Frame1", kModeCaptions[4], 420, 1600, 3000, 195, 6},
    {"optAction", 5, OptionButton, "Frame1", kModeCaptions[5], 420, 1900, 3000, 195, 7},
    {"Frame2", -1, Frame, "", "Lines", 4380, 360, 2655, 1455, 8},
    {"Label1", -1, Label, "Frame2", "Count:", 360, 480, 975, 195, 9},
    {"Label2", -1, Label, "Frame2", "Thickness:", 300, 900, 1035, 255, 10},
    {kLineCountBox, -1, TextBox, "Frame2", "5", 1500, 420, 615, 285, 11},
    {kLineWidthBox, -1, TextBox, "Frame2", "1", 1500, 840, 615, 285, 12},
    {"cmdOK", -1, CommandButton, "", "OK", 5220, 2460, 1215, 315, 0},
}};

constexpr DialogDescription kDialog = {"Quorex - Setup", 7440, 3315, kControls};

}  // namespace

const DialogDescription& SetupDialogDescription() { return kDialog; }

}  // namespace quorex
