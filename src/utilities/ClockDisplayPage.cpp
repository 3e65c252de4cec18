#include "utilities/ClockDisplayPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/ScreenMetrics.h"
#include "widgets/ControlDef.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "core/Placement.h"

ClockDisplayPage::ClockDisplayPage(QWidget* window, SettingsRecord& record, SettingsStore& store,
                                   Dialogs& dialogs, Launcher& launcher,
                                   const ScreenMetrics& screens)
    : window_(window),
      record_(record),
      store_(store),
      dialogs_(dialogs),
      launcher_(launcher),
      screens_(screens),
      SliderX_(control<QSlider>(window, "leftSlider")),
      SliderY_(control<QSlider>(window, "topSlider")),
      TopmostCheck_(control<QCheckBox>(window, "keepInFrontCheck")),
      tokeiGCheck_(control<QCheckBox>(window, "titleBarColoursCheck")),
      RQCheck_(control<QCheckBox>(window, "exitControlsCheck")),
      button_{control<QRadioButton>(window, "exitControlType(0)"),
              control<QRadioButton>(window, "exitControlType(1)")},
      sizelabel_(control<QLabel>(window, "screenSizeLabel")) {
    SliderX_->setRange(0, 20000);
    SliderY_->setRange(0, 15000);
    for (QSlider* slider : {SliderX_, SliderY_}) {
        slider->setSingleStep(15);
        slider->setPageStep(1500);
    }
    connect(SliderX_, &QSlider::valueChanged, this, &ClockDisplayPage::SliderX_Scroll);
    connect(SliderY_, &QSlider::valueChanged, this, &ClockDisplayPage::SliderY_Scroll);
    connect(control<QPushButton>(window, "recommendedPlaceButton"), &QPushButton::clicked, this,
            &ClockDisplayPage::set_Click);
    connect(TopmostCheck_, &QCheckBox::toggled, this, &ClockDisplayPage::TopmostCheck_Click);
    connect(tokeiGCheck_, &QCheckBox::toggled, this, &ClockDisplayPage::tokeiGCheck_Click);
    connect(control<QPushButton>(window, "dateTimeSettingsButton"), &QPushButton::clicked, this,
            &ClockDisplayPage::TIMEDATE_Click);
    connect(RQCheck_, &QCheckBox::toggled, this, &ClockDisplayPage::RQCheck_Click);
    for (int i = 0; i < 2; ++i)
        connect(button_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) button_Click(i);
        });
}

// The sliders take the clock's place as it stands; a place beyond their range is held at the
// nearest end rather than refused, and the clock is not moved by it.
void ClockDisplayPage::loadPosition(QPoint clockTwips) {
    const QSignalBlocker blockX(SliderX_), blockY(SliderY_);
    SliderX_->setValue(clockTwips.x());
    SliderY_->setValue(clockTwips.y());
    TopmostCheck_->setChecked(record_.keptInFront != 0);
}

void ClockDisplayPage::loadScreenSize() {
    screen_ = screens_.primaryScreen().size();
    sizelabel_->setText(QStringLiteral(" このシステムの画面サイズは %1×%2です。")
                            .arg(screen_.width())
                            .arg(screen_.height()));
}

void ClockDisplayPage::populateExitButtons() {
    RQCheck_->setChecked(record_.exitControls != 0);
    button_[record_.exitControlsAsButtons ? 0 : 1]->setChecked(true);
}

void ClockDisplayPage::enableExitButtonTypes() {
    for (QRadioButton* option : button_) option->setEnabled(RQCheck_->isChecked());
}

void ClockDisplayPage::loadColours() { tokeiGCheck_->setChecked(record_.titleBarColours == 1); }

void ClockDisplayPage::SliderX_Scroll() {
    emit clockLeftMoved(SliderX_->value());
    emit changed();
}

void ClockDisplayPage::SliderY_Scroll() {
    emit clockTopMoved(SliderY_->value());
    emit changed();
}

// The sliders are set here without their scroll handlers: the shift for the exit buttons moves
// the clock from where it stands, which a slider held at the end of its range does not show.
void ClockDisplayPage::set_Click() {
    const QSignalBlocker blockX(SliderX_), blockY(SliderY_);
    const std::optional<int> left = Placement::recommendedLeft(screen_.width());
    if (left) {
        SliderX_->setValue(*left);
        SliderY_->setValue(Placement::kRecommendedTop);
        emit clockLeftMoved(*left);
        emit clockTopMoved(Placement::kRecommendedTop);
    } else {
        dialogs_.beep();
        dialogs_.message(window_, QStringLiteral("サポートしてないサイズです。\r\n"
                                                 "スライドバーで設定してください\r\n"
                                                 "作者に連絡しサポートの要請を！"));
    }
    if (RQCheck_->isChecked()) {
        SliderX_->setValue(std::max(0, SliderX_->value() - Placement::kExitButtonsShift));
        emit clockLeftShifted(-Placement::kExitButtonsShift);
    }
    emit changed();
}

void ClockDisplayPage::TopmostCheck_Click() { emit changed(); }

void ClockDisplayPage::tokeiGCheck_Click() {
    emit changed();
    emit clockColoursChanged(tokeiGCheck_->isChecked() ? 1 : 0);
}

void ClockDisplayPage::TIMEDATE_Click() {
    if (!launcher_.openDateTimePanel()) {
        dialogs_.message(window_,
                         QStringLiteral("日付と時刻を設定するプログラムが見つかりません。"),
                         Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    }
}

void ClockDisplayPage::RQCheck_Click() {
    const bool wide = RQCheck_->isChecked();
    emit clockWidthChanged(wide ? Placement::kWideStripWidth : Placement::kStripWidth);
    for (QRadioButton* option : button_) option->setEnabled(wide);
    emit changed();
}

void ClockDisplayPage::button_Click(int index) {
    emit changed();
    emit exitButtonsShown(index == 0);
}

void ClockDisplayPage::applyPosition() {
    store_.write(Keys::clockLeft, Twips{SliderX_->value()});
    store_.write(Keys::clockTop, Twips{SliderY_->value()});
    store_.write(Keys::keptInFront, TopmostCheck_->isChecked() ? 1 : 0);
}

void ClockDisplayPage::applyAppearance() {
    store_.write(Keys::titleBarColours, tokeiGCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::exitControls, RQCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::exitControlsAsButtons, button_[0]->isChecked());
}
