#include "widgets/ControlDef.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <limits>

#include "core/Twips.h"
#include "widgets/Accessible.h"
#include "widgets/Fonts.h"

namespace {

QFont fontOf(const ControlDef& def, const QWidget* parent) {
    QFont font = parent->font();
    if (def.points > 0)
        font = def.face == ControlDef::Face::Mincho ? Fonts::mincho(def.points, def.bold)
                                                    : Fonts::gothic(def.points, def.bold);
    font.setUnderline(def.underline);
    return font;
}

// Labels and check boxes drawn taller than one and a half lines of their font are multi-line
// by design: their captions wrap at their width.
bool wraps(const ControlDef& def, const QWidget* parent) {
    return 2 * px(def.height) >= 3 * QFontMetrics(fontOf(def, parent)).lineSpacing();
}

// QCheckBox keeps its caption on one line; this one wraps it beside the indicator, and the whole
// box takes the click.
class WrappingCheckBox : public QCheckBox {
public:
    WrappingCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
        setProperty("wordWrap", true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        QStyleOptionButton indicator = option;
        indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);
        const QRect textRect = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        painter.drawItemText(
            textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
            option.palette, isEnabled(), text(), QPalette::WindowText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = textRect;
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A text box holds any length, and a text put in by the program, not typed, shows from its
// start: QLineEdit would cut it at 32767 characters and leave it scrolled to its end.
QLineEdit* textBox(const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        if (!box->isModified()) box->setCursorPosition(0);  // set by the program, not typed
    });
    box->setText(text);
    return box;
}

// The frame's line runs through the middle of its title, and through the middle of a check box
// heading that stands on its top edge, so the designed positions inside it clear the line.
QGroupBox* frame(const ControlDef& def, QWidget* parent) {
    auto* box = new QGroupBox(def.caption, parent);
    const QString self = "QGroupBox#" + def.name;
    // A coloured frame is filled up to its top, behind the title as well.
    const QString back = def.backColour < 0
                             ? QString()
                             : " background-color: " + colourFromBgr(def.backColour).name() +
                                   "; background-clip: margin;";
    box->setStyleSheet(self +
                       " { border: 1px solid palette(mid); border-radius: 2px;"
                       " margin-top: 0.5em;" +
                       back + " }" + self +
                       "::title { subcontrol-origin: margin; left: 6px;"
                       " padding: 0px 2px;" +
                       back + " }");
    return box;
}

QWidget* make(const ControlDef& def, QWidget* parent) {
    using Kind = ControlDef::Kind;
    switch (def.kind) {
        case Kind::Label: {
            auto* label = new QLabel(def.caption, parent);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(wraps(def, parent));
            return label;
        }
        case Kind::Button:
            return new QPushButton(def.caption, parent);
        case Kind::CheckBox:
            if (wraps(def, parent)) return new WrappingCheckBox(def.caption, parent);
            return new QCheckBox(def.caption, parent);
        case Kind::Radio:
            return new QRadioButton(def.caption, parent);
        case Kind::LineEdit:
            return textBox(def.caption, parent);
        case Kind::Frame:
            return frame(def, parent);
        case Kind::Slider:
            return new QSlider(Qt::Horizontal, parent);
        case Kind::List: {
            // Rows of one font are one height; without this every row of a long list would be
            // measured each time the list is laid out.
            auto* list = new QListWidget(parent);
            list->setUniformItemSizes(true);
            return list;
        }
        case Kind::Picture:
            return new QLabel(parent);
        case Kind::Lamp: {
            auto* lamp = new QLineEdit(parent);
            lamp->setReadOnly(true);
            lamp->setFocusPolicy(Qt::NoFocus);
            lamp->setFrame(false);
            Accessible::setRole(lamp, QAccessible::StaticText);
            return lamp;
        }
    }
    return new QWidget(parent);
}

}  // namespace

QColor colourFromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

namespace {

void applyLook(const ControlDef& def, QWidget* control) {
    QPalette palette = control->palette();
    if (def.textColour >= 0) {
        const QColor text = colourFromBgr(def.textColour);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, text);
    }
    if (def.backColour >= 0) {
        const QColor back = colourFromBgr(def.backColour);
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
            palette.setColor(role, back);
        control->setAutoFillBackground(true);
    }
    // Check boxes and option buttons are opaque, so that one standing on a frame's edge hides
    // the frame's line as a title would. On a coloured background they keep the usual white
    // indicator with a dark mark, which would otherwise vanish into it.
    if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
        const QPalette standard = QApplication::palette(control);
        for (auto role : {QPalette::Base, QPalette::Text})
            palette.setColor(role, standard.color(role));
        control->setAutoFillBackground(true);
    }
    control->setPalette(palette);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (def.align) label->setAlignment(def.align);
        if (def.border) label->setFrameShape(QFrame::Box);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control); edit && def.align) {
        edit->setAlignment(def.align);
    }
}

}  // namespace

QWidget* createControl(const ControlDef& def, QWidget* parent) {
    QWidget* control = make(def, parent);
    control->setObjectName(def.name);
    control->setToolTip(def.tooltip);
    control->setGeometry(pxRect(def.left, def.top, def.width, def.height));
    if (def.points > 0 || def.underline) control->setFont(fontOf(def, parent));
    applyLook(def, control);
    if (def.pressable) Accessible::setRole(control, QAccessible::Button);
    control->setAccessibleName(def.spoken);
    return control;
}

void buildControls(QWidget* root, const std::vector<ControlDef>& defs) {
    for (const ControlDef& def : defs) {
        QWidget* parent = def.parent.isEmpty() ? root : root->findChild<QWidget*>(def.parent);
        createControl(def, parent ? parent : root);
    }
}
