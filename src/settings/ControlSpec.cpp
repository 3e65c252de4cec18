#include "settings/ControlSpec.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "settings/Fonts.h"
#include "settings/Twips.h"

namespace {

QWidget* make(const ControlSpec& spec, QWidget* parent) {
    using Kind = ControlSpec::Kind;
    switch (spec.kind) {
        case Kind::Label: {
            auto* label = new QLabel(spec.caption, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case Kind::Button: return new QPushButton(spec.caption, parent);
        case Kind::CheckBox: return new QCheckBox(spec.caption, parent);
        case Kind::Radio: return new QRadioButton(spec.caption, parent);
        case Kind::LineEdit: return new QLineEdit(spec.caption, parent);
        case Kind::Frame: return new QGroupBox(spec.caption, parent);
        case Kind::Slider: return new QSlider(Qt::Horizontal, parent);
        case Kind::List: return new QListWidget(parent);
        case Kind::Picture: return new QLabel(parent);
        case Kind::Lamp: {
            auto* lamp = new QLineEdit(parent);
            lamp->setReadOnly(true);
            lamp->setFocusPolicy(Qt::NoFocus);
            lamp->setFrame(false);
            return lamp;
        }
    }
    return new QWidget(parent);
}

}  // namespace

QColor colourFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

namespace {

void applyLook(const ControlSpec& spec, QWidget* control) {
    QPalette palette = control->palette();
    if (spec.textColour >= 0) {
        const QColor text = colourFromBgr(spec.textColour);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, text);
    }
    if (spec.backColour >= 0) {
        const QColor back = colourFromBgr(spec.backColour);
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) palette.setColor(role, back);
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (spec.align) label->setAlignment(spec.align);
        if (spec.border) label->setFrameShape(QFrame::Box);
        if (spec.autoSize) label->resize(label->sizeHint());
    } else if (auto* edit = qobject_cast<QLineEdit*>(control); edit && spec.align) {
        edit->setAlignment(spec.align);
    }
}

}  // namespace

QWidget* createControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* control = make(spec, parent);
    control->setObjectName(spec.name);
    control->setToolTip(spec.tooltip);
    control->setGeometry(pxRect(spec.left, spec.top, spec.width, spec.height));
    if (spec.points > 0) {
        control->setFont(spec.face == ControlSpec::Face::Mincho ? Fonts::mincho(spec.points, spec.bold)
                                                                : Fonts::gothic(spec.points, spec.bold));
    }
    applyLook(spec, control);
    return control;
}

void buildControls(QWidget* root, const std::vector<ControlSpec>& specs) {
    for (const ControlSpec& spec : specs) {
        QWidget* parent = spec.parent.isEmpty() ? root : root->findChild<QWidget*>(spec.parent);
        createControl(spec, parent ? parent : root);
    }
}
