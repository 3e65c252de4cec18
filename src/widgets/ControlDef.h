#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <vector>

class QWidget;

// One control of a window, described as data: its name (the Qt object name), kind, caption,
// tooltip, twip geometry relative to its parent control and font, and what a screen reader
// hears of it.
struct ControlDef {
    enum class Kind {
        Label,
        Button,
        CheckBox,
        Radio,
        LineEdit,
        Frame,
        Slider,
        List,
        Lamp,
        Picture
    };
    enum class Face { Inherit, Gothic, Mincho };

    QString name;
    Kind kind;
    QString caption;
    QString tooltip;
    int left, top, width, height;  // twips
    QString parent = {};           // name of the containing control; empty for the page
    double points = 0;             // 0 keeps the parent's font
    bool bold = false;
    Face face = Face::Gothic;
    int textColour = -1;       // 0x00BBGGRR; -1 keeps the default
    int backColour = -1;       // 0x00BBGGRR; -1 keeps the default (labels stay transparent)
    Qt::Alignment align = {};  // empty keeps the kind's default
    bool border = false;       // a single-line border (labels)
    bool underline = false;
    QString spoken = {};     // what a screen reader says it is, where the caption does not tell
    bool pressable = false;  // a label that acts on a click
};

QColor colourFromBgr(int bgr);

// A control that the window's layout table must have created.
template <typename T>
T* control(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found) qFatal("control %s is missing from the layout", qPrintable(name));
    return found;
}

// Creates the controls in order under root; a control whose parent is named is placed in that
// control, which must come earlier in the list.
void buildControls(QWidget* root, const std::vector<ControlDef>& defs);
QWidget* createControl(const ControlDef& def, QWidget* parent);
