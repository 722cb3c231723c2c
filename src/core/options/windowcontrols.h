#pragma once

#include "core/options/gallerysettings.h"
#include "core/text/datetimeformat.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// The values a run reads from window controls that no option file stores, by the controls'
// own names, so that a run without windows can set them.
struct WindowControlValues {
    GallerySettings &settings;
    DateTimeFormats &formats;
};

struct WindowControl {
    std::string_view name;
    std::string_view meaning;
    std::string_view initial;
};

// Every settable control, in the order the README lists them.
const std::vector<WindowControl> &WindowOnlyControls();

bool IsWindowOnlyControl(std::string_view name);

// Sets the named control from text decoded as an option file decodes such a control: "1"
// checks a box and anything else clears it; a number takes its leading digits clamped to the
// control's range and leaves the control as it was without any. False for an unknown name.
bool SetWindowControl(WindowControlValues values, std::string_view name, std::string_view text);

} // namespace pagoranto
