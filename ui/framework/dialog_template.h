#pragma once
// A dialog's controls as data: numeric ID, kind, text and rectangle in dialog
// units, as the window builder lays them out.

#include <span>

enum class ControlKind {
    Label,        // static text; wraps like a static control, top-aligned
    Group,        // group box
    Button,       // push button
    Station,      // push-like button of the exclusive station group
    HoverButton,  // flat place button (CHoverButton)
    Edit,         // single-line edit
    UpDown,       // spin arrows, attached to the edit before it in the table
    List,         // report-style list view
    Picture,      // static picture; text is the picture's name (ui/controls/art.h)
    Segment,      // segment display (CSegmentDisplay)
    Ticker,       // news ticker (CTickerCtrl)
    LinePicture,  // stretched bitmap (CBitmapStatic); text is the picture's name
    HyperLink,    // link (CHyperLink); text is its target, shrunk to the text
    Memo,         // multi-line edit with both scroll bars, no wrapping
    CheckBox,     // automatic check box
};

// Style flags of a control.
enum ControlStyle : unsigned {
    kPlain = 0,
    kCentre = 1u << 0,       // centred text
    kHidden = 1u << 1,       // created without the visible style
    kDisabled = 1u << 2,
    kDefault = 1u << 3,      // default push button
    kAutoHScroll = 1u << 4,  // edit scrolls sideways when the text is longer than the box
    kSunken = 1u << 5,       // static with a sunken one-pixel edge
};

constexpr int kNoId = -1;

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* text;   // UTF-8
    int x, y, w, h;     // dialog units
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;   // UTF-8; empty for a dialog without caption bar
    int width, height;     // client area, dialog units
    std::span<const ControlSpec> controls;
};
