#pragma once

#include <QString>
#include <vector>

class QWidget;

// One control of a window, described as data: its name (the Qt object name), kind, caption,
// tooltip, twip geometry relative to its parent control and font.
struct ControlSpec {
    enum class Kind { Label, Button, CheckBox, Radio, LineEdit, Frame, Slider, List, Lamp };
    enum class Face { Inherit, Gothic, Mincho };

    QString name;
    Kind kind;
    QString caption;
    QString tooltip;
    int left, top, width, height;  // twips
    QString parent = {};             // name of the containing control; empty for the page
    double points = 0;               // 0 keeps the parent's font
    bool bold = false;
    Face face = Face::Gothic;
};

// Creates the controls in order under root; a control whose parent is named is placed in that
// control, which must come earlier in the list.
void buildControls(QWidget* root, const std::vector<ControlSpec>& specs);
QWidget* createControl(const ControlSpec& spec, QWidget* parent);
