#include "settings/HelpMode.h"

#include <QPushButton>

#include "lock/LockPanel.h"
#include "widgets/Lamp.h"
#include "widgets/LayoutTable.h"

namespace {

const QString kHoverForHelp = QStringLiteral("マウスカーソルを合わせると   ヘルプを表示");

std::vector<std::pair<QString, QString>> helpTips() {
    using LayoutTable::indexed;
    std::vector<std::pair<QString, QString>> tips = {
        {"endInputButton", "スケジュール入力欄を非表示にする"},
        {"addNoteButton", "スケジュール入力欄に入力した内容を指定した日付に追加保存します"},
        {"passwordChangeLink", "PassWordの変更はこの文字をクリック"},
        {"scheduleColourLabel",
         "スケジュールが入力されている日付の表示色を設定します。この文字の色が表示色となります。"},
        {indexed("yearButton", 0), "年を戻す　左クリック：1年　右クリック：10年"},
        {indexed("yearButton", 1), "年を進める　左クリック：1年　右クリック：10年"},
        {indexed("yearButton", 2), "今年を表示"},
    };
    for (int month = 1; month <= 12; ++month)
        tips.push_back({indexed("monthButton", month), "月を変更"});
    for (int cell = 1; cell <= 37; ++cell)
        tips.push_back({indexed("dateCell", cell),
                        "日付変更：Click  スケジュールの入力：DBLClick  表示色の変更：右Click"});
    return tips;
}

}  // namespace

HelpMode::HelpMode(QWidget* window, LockPanel& panel)
    : panel_(panel), helpLamp_(control<QWidget>(window, "helpLamp")) {
    for (const auto& [name, tip] : helpTips())
        tips_.push_back({control<QWidget>(window, name), tip});
    connect(control<QPushButton>(window, "helpButton"), &QPushButton::clicked, this,
            &HelpMode::toggle);
}

// The panel is left alone while it asks for the password.
void HelpMode::toggle() {
    const bool on = flag_ == 0;
    setLamp(helpLamp_, on);
    for (const auto& [control, tip] : tips_) control->setToolTip(on ? tip : QString());
    if (!panel_.isPasswordRequestOpen()) panel_.showMessage(on ? kHoverForHelp : QString());
    flag_ = on ? 1 : 0;
}
