#include "utilities/ClockDisplayPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "core/Placement.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/ScreenMetrics.h"
#include "widgets/ControlDef.h"

ClockDisplayPage::ClockDisplayPage(QWidget* window, SettingsRecord& record, SettingsStore& store,
                                   Dialogs& dialogs, Launcher& launcher,
                                   const ScreenMetrics& screens)
    : window_(window),
      record_(record),
      store_(store),
      dialogs_(dialogs),
      launcher_(launcher),
      screens_(screens),
      leftSlider_(control<QSlider>(window, "leftSlider")),
      topSlider_(control<QSlider>(window, "topSlider")),
      keepInFrontCheck_(control<QCheckBox>(window, "keepInFrontCheck")),
      coloursCheck_(control<QCheckBox>(window, "titleBarColoursCheck")),
      exitControlsCheck_(control<QCheckBox>(window, "exitControlsCheck")),
      exitControlType_{control<QRadioButton>(window, "exitControlType(0)"),
                       control<QRadioButton>(window, "exitControlType(1)")},
      screenSizeLabel_(control<QLabel>(window, "screenSizeLabel")) {
    leftSlider_->setRange(0, 20000);
    topSlider_->setRange(0, 15000);
    for (QSlider* slider : {leftSlider_, topSlider_}) {
        slider->setSingleStep(15);
        slider->setPageStep(1500);
    }
    connect(leftSlider_, &QSlider::valueChanged, this, &ClockDisplayPage::onLeftSlid);
    connect(topSlider_, &QSlider::valueChanged, this, &ClockDisplayPage::onTopSlid);
    connect(control<QPushButton>(window, "recommendedPlaceButton"), &QPushButton::clicked, this,
            &ClockDisplayPage::moveToRecommendedPlace);
    connect(keepInFrontCheck_, &QCheckBox::toggled, this, &ClockDisplayPage::onKeepInFrontChanged);
    connect(coloursCheck_, &QCheckBox::toggled, this, &ClockDisplayPage::onColoursChanged);
    connect(control<QPushButton>(window, "dateTimeSettingsButton"), &QPushButton::clicked, this,
            &ClockDisplayPage::openDateTimeSettings);
    connect(exitControlsCheck_, &QCheckBox::toggled, this,
            &ClockDisplayPage::onExitControlsChanged);
    for (int i = 0; i < 2; ++i)
        connect(exitControlType_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) onExitControlTypeChosen(i);
        });
}

// The sliders take the clock's place as it stands; a place beyond their range is held at the
// nearest end rather than refused, and the clock is not moved by it.
void ClockDisplayPage::loadPosition(QPoint clockTwips) {
    const QSignalBlocker blockX(leftSlider_), blockY(topSlider_);
    leftSlider_->setValue(clockTwips.x());
    topSlider_->setValue(clockTwips.y());
    keepInFrontCheck_->setChecked(record_.keptInFront != 0);
}

void ClockDisplayPage::loadScreenSize() {
    screen_ = screens_.primaryScreen().size();
    const QSize pixels = screens_.primaryScreenPixels();
    screenSizeLabel_->setText(QStringLiteral(" このシステムの画面サイズは %1×%2です。")
                                  .arg(pixels.width())
                                  .arg(pixels.height()));
}

void ClockDisplayPage::populateExitButtons() {
    exitControlsCheck_->setChecked(record_.exitControls != 0);
    exitControlType_[record_.exitControlsAsButtons ? 0 : 1]->setChecked(true);
}

void ClockDisplayPage::enableExitButtonTypes() {
    for (QRadioButton* option : exitControlType_)
        option->setEnabled(exitControlsCheck_->isChecked());
}

void ClockDisplayPage::loadColours() { coloursCheck_->setChecked(record_.titleBarColours == 1); }

void ClockDisplayPage::onLeftSlid() {
    emit clockLeftMoved(leftSlider_->value());
    emit changed();
}

void ClockDisplayPage::onTopSlid() {
    emit clockTopMoved(topSlider_->value());
    emit changed();
}

// The sliders are set here without their scroll handlers: the shift for the exit buttons moves
// the clock from where it stands, which a slider held at the end of its range does not show.
void ClockDisplayPage::moveToRecommendedPlace() {
    const QSignalBlocker blockX(leftSlider_), blockY(topSlider_);
    const std::optional<int> left = Placement::recommendedLeft(screen_.width());
    if (left) {
        leftSlider_->setValue(*left);
        topSlider_->setValue(Placement::kRecommendedTop);
        emit clockLeftMoved(*left);
        emit clockTopMoved(Placement::kRecommendedTop);
    } else {
        dialogs_.beep();
        dialogs_.message(window_, QStringLiteral("サポートしてないサイズです。\r\n"
                                                 "スライドバーで設定してください\r\n"
                                                 "作者に連絡しサポートの要請を！"));
    }
    if (exitControlsCheck_->isChecked()) {
        leftSlider_->setValue(std::max(0, leftSlider_->value() - Placement::kExitButtonsShift));
        emit clockLeftShifted(-Placement::kExitButtonsShift);
    }
    emit changed();
}

void ClockDisplayPage::onKeepInFrontChanged() { emit changed(); }

void ClockDisplayPage::onColoursChanged() {
    emit changed();
    emit clockColoursChanged(coloursCheck_->isChecked() ? 1 : 0);
}

void ClockDisplayPage::openDateTimeSettings() {
    if (!launcher_.openDateTimePanel()) {
        dialogs_.message(window_,
                         QStringLiteral("日付と時刻を設定するプログラムが見つかりません。"),
                         Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    }
}

void ClockDisplayPage::onExitControlsChanged() {
    const bool wide = exitControlsCheck_->isChecked();
    emit clockWidthChanged(wide ? Placement::kWideStripWidth : Placement::kStripWidth);
    for (QRadioButton* option : exitControlType_) option->setEnabled(wide);
    emit changed();
}

void ClockDisplayPage::onExitControlTypeChosen(int index) {
    emit changed();
    emit exitButtonsShown(index == 0);
}

void ClockDisplayPage::applyPosition() {
    store_.write(Keys::clockLeft, Twips{leftSlider_->value()});
    store_.write(Keys::clockTop, Twips{topSlider_->value()});
    store_.write(Keys::keptInFront, keepInFrontCheck_->isChecked() ? 1 : 0);
}

void ClockDisplayPage::applyAppearance() {
    store_.write(Keys::titleBarColours, coloursCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::exitControls, exitControlsCheck_->isChecked() ? 1 : 0);
    store_.write(Keys::exitControlsAsButtons, exitControlType_[0]->isChecked());
}
