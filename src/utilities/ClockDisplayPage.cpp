#include "utilities/ClockDisplayPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "app/Application.h"
#include "clock/ClockLayout.h"
#include "clock/ClockWindow.h"
#include "settings/ControlDef.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "settings/StoredValue.h"
#include "utilities/Placement.h"

ClockDisplayPage::ClockDisplayPage(SettingsWindow& window)
    : window_(window),
      SliderX_(control<QSlider>(&window, "SliderX")),
      SliderY_(control<QSlider>(&window, "SliderY")),
      TopmostCheck_(control<QCheckBox>(&window, "TopmostCheck")),
      tokeiGCheck_(control<QCheckBox>(&window, "tokeiGCheck")),
      RQCheck_(control<QCheckBox>(&window, "RQCheck")),
      button_{control<QRadioButton>(&window, "button(0)"), control<QRadioButton>(&window, "button(1)")},
      sizelabel_(control<QLabel>(&window, "sizelabel")) {
    SliderX_->setRange(0, 20000);
    SliderY_->setRange(0, 15000);
    for (QSlider* slider : {SliderX_, SliderY_}) {
        slider->setSingleStep(15);
        slider->setPageStep(1500);
        QObject::connect(slider, &QSlider::valueChanged, &window, [this] { slider_Scroll(); });
    }
    QObject::connect(control<QPushButton>(&window, "set"), &QPushButton::clicked, &window,
                     [this] { set_Click(); });
    QObject::connect(TopmostCheck_, &QCheckBox::toggled, &window, [this] { window_.enableApply(); });
    QObject::connect(tokeiGCheck_, &QCheckBox::toggled, &window, [this] { tokeiGCheck_Click(); });
    QObject::connect(control<QPushButton>(&window, "TIMEDATE"), &QPushButton::clicked, &window,
                     [this] { TIMEDATE_Click(); });
    QObject::connect(RQCheck_, &QCheckBox::toggled, &window, [this] { RQCheck_Click(); });
    for (int i = 0; i < 2; ++i)
        QObject::connect(button_[i], &QRadioButton::toggled, &window, [this, i](bool on) {
            if (on) button_Click(i);
        });
}

// The sliders take the clock's place as it stands; a place beyond their range is held at the
// nearest end rather than refused, and the clock is not moved by it.
void ClockDisplayPage::loadPosition() {
    const ClockWindow* clock = window_.app().clock();
    const QSignalBlocker blockX(SliderX_), blockY(SliderY_);
    SliderX_->setValue(clock ? clock->leftTwips() : 0);
    SliderY_->setValue(clock ? clock->topTwips() : 0);
    TopmostCheck_->setChecked(window_.app().record().Topmost != 0);
}

void ClockDisplayPage::loadScreenSize() {
    screen_ = window_.app().platform().screens.primaryScreen().size();
    sizelabel_->setText(QStringLiteral(" このシステムの画面サイズは %1×%2です。")
                            .arg(screen_.width())
                            .arg(screen_.height()));
}

void ClockDisplayPage::populateExitButtons() {
    const SettingsRecord& record = window_.app().record();
    RQCheck_->setChecked(record.RQ != 0);
    button_[record.btn0 ? 0 : 1]->setChecked(true);
}

void ClockDisplayPage::enableExitButtonTypes() {
    for (QRadioButton* option : button_) option->setEnabled(RQCheck_->isChecked());
}

void ClockDisplayPage::loadColours() { tokeiGCheck_->setChecked(window_.app().record().tokeiG == 1); }

void ClockDisplayPage::slider_Scroll() {
    if (ClockWindow* clock = window_.app().clock()) clock->moveTwips(SliderX_->value(), SliderY_->value());
    window_.enableApply();
}

void ClockDisplayPage::set_Click() {
    const std::optional<int> left = Placement::recommendedLeft(screen_.width());
    if (left) {
        SliderX_->setValue(*left);
        SliderY_->setValue(Placement::kRecommendedTop);
    } else {
        Dialogs& dialogs = window_.app().platform().dialogs;
        dialogs.beep();
        dialogs.message(&window_, QStringLiteral("サポートしてないサイズです。\r\n"
                                                 "スライドバーで設定してください\r\n"
                                                 "作者に連絡しサポートの要請を！"));
    }
    if (RQCheck_->isChecked())
        SliderX_->setValue(std::max(0, SliderX_->value() - Placement::kExitButtonsShift));
    window_.enableApply();
}

void ClockDisplayPage::tokeiGCheck_Click() {
    window_.enableApply();
    window_.app().record().tokeiG = tokeiGCheck_->isChecked() ? 1 : 0;
    if (ClockWindow* clock = window_.app().clock()) clock->ApplyClockColours();
}

void ClockDisplayPage::TIMEDATE_Click() {
    Application& app = window_.app();
    if (!app.platform().launcher.openDateTimePanel()) {
        app.platform().dialogs.message(
            &window_, QStringLiteral("日付と時刻を設定するプログラムが見つかりません。"),
            Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    }
}

void ClockDisplayPage::RQCheck_Click() {
    const bool wide = RQCheck_->isChecked();
    if (ClockWindow* clock = window_.app().clock())
        clock->setWidthTwips(wide ? ClockLayout::kWideWidth : ClockLayout::kNarrowWidth);
    for (QRadioButton* option : button_) option->setEnabled(wide);
    window_.enableApply();
}

void ClockDisplayPage::button_Click(int index) {
    window_.enableApply();
    if (ClockWindow* clock = window_.app().clock()) clock->setExitButtonsVisible(index == 0);
}

void ClockDisplayPage::applyPosition() {
    SettingsStore& store = window_.app().store();
    store.save("set", "left", QString::number(SliderX_->value()));
    store.save("set", "top", QString::number(SliderY_->value()));
    store.save("set", "Topmost", TopmostCheck_->isChecked() ? "1" : "0");
}

void ClockDisplayPage::applyAppearance() {
    SettingsStore& store = window_.app().store();
    store.save("o", "tokeiG", tokeiGCheck_->isChecked() ? "1" : "0");
    store.save("o", "RQ", RQCheck_->isChecked() ? "1" : "0");
    store.save("o", "btn0", StoredValue::fromBool(button_[0]->isChecked()));
}
