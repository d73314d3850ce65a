// Dialogs described as data: the dialog's resource id, caption, size in dialog
// units and font, and its controls with id, kind, text, place and styles. The
// templates themselves live in resources/dialogs/; platform/qt/TemplateDialog
// builds one into Qt widgets.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class ControlKind {
    PushButton,
    CheckBox,
    Static, // a text label
    Edit,   // a one-line (or multi-line) text box
    ListBox,
    GroupBox,
    Picture, // a frame the dialog's code draws into (picture controls)
};

// Control styles; combine with |.
enum ControlStyle : unsigned {
    styleNone = 0,
    styleDefault = 1u << 0, // the default push button (Enter)
    styleDisabled = 1u << 1,
    styleHidden = 1u << 2,
    styleMultiLine = 1u << 3,
    styleReadOnly = 1u << 4,
    styleSorted = 1u << 5,      // list box keeps its items sorted
    styleExtendedSel = 1u << 6, // list box with extended selection
    styleCenter = 1u << 7,      // centred text
    styleRight = 1u << 8,       // right-aligned text
    styleBorder = 1u << 9,      // sunken frame
    styleVScroll = 1u << 10,
    styleTabStops = 1u << 11,  // list box expands tabs
    styleNoTabStop = 1u << 12, // not reached with Tab
    styleOwnerDraw = 1u << 13,
};

// Standard control ids.
enum { kIdOk = 1, kIdCancel = 2, kIdStatic = -1 };

struct ControlTemplate {
    int id = kIdStatic;
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    unsigned styles = styleNone;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int cx = 0, cy = 0; // dialog units
    std::string fontFace = "MS Sans Serif";
    int pointSize = 8;
    std::vector<ControlTemplate> controls;

    const ControlTemplate* Find(int controlId) const {
        for (const auto& c : controls)
            if (c.id == controlId)
                return &c;
        return nullptr;
    }
};

} // namespace platform
