#include "clock/ClockLayout.h"

#include <algorithm>

#include "core/Twips.h"

namespace ClockLayout {

namespace {

// The alarm lines' design places, in twips.
constexpr int kTitleBottom = 3120 + 435;
constexpr int kMessageTop = 3840;
constexpr int kMessageBottom = 3840 + 240;
constexpr int kButtonTop = 4440;
constexpr int kButtonWidth = 3495;
constexpr int kButtonHeight = 495;
constexpr int kMargin = 120;  // kept clear at the screen's edges

}  // namespace

using K = ControlDef::Kind;

const std::vector<ControlDef>& stripControls() {
    static const QString dateTip = QStringLiteral(
        "シングルクリックで曜日　ダブルクリックで設定画面　右クリックで１０秒非表示");
    static const std::vector<ControlDef> defs = {
        {"date", K::Label, "     ZORVEK", dateTip, 40, 25, 1215, 255, {}, 9.75, true},
        {"time", K::Label, "Inc.TIME ", "ZORVEK Inc.TIME", 1220, 25, 1005, 255, {}, 9.75, true},
    };
    return defs;
}

// The buttons lie over the labels of the same letters.
const std::vector<ControlDef>& exitControls() {
    static const std::vector<ControlDef> defs = {
        {"restartLabel", K::Label, "R", "Windowsの再起動", 2310, 30, 150, 195, {}, 9.75, true},
        {"shutDownLabel", K::Label, "Q", "Windowsの終了", 2570, 30, 165, 195, {}, 9.75, true},
        {"restartButton", K::Button, "R", "Windowsの再起動", 2280, 8, 255, 217, {}, 9.75, true},
        {"shutDownButton", K::Button, "Q", "Windowsの終了", 2540, 8, 255, 217, {}, 9.75, true},
    };
    return defs;
}

const std::vector<ControlDef>& alarmControls() {
    static const std::vector<ControlDef> defs = {
        {"alarmTitle", K::Label, "", "", 5865, 3120, 150, 435, {}, 21.75},
        {"alarmMessage", K::Label, "", "", 5895, 3840, 90, 240, {}, kWindowPoints},
        {"confirmAlarm", K::Button, "確認(&K)", "", 4200, 4440, kButtonWidth, kButtonHeight, {}, 9},
    };
    return defs;
}

int alarmTextWidth(int screenWidth) { return std::max(0, screenWidth - 2 * px(kMargin)); }

AlarmLines alarmLines(const QSize& screen, QSize title, QSize message) {
    const int widest = alarmTextWidth(screen.width());
    const int gapAbove = px(kMessageTop - kTitleBottom);
    const int gapBelow = px(kButtonTop - kMessageBottom);
    QSize button(px(kButtonWidth), px(kButtonHeight));
    for (QSize* line : {&title, &message, &button}) line->setWidth(std::min(line->width(), widest));
    const int room =
        screen.height() - 2 * px(kMargin) - title.height() - gapAbove - gapBelow - button.height();
    message.setHeight(std::clamp(message.height(), 0, std::max(0, room)));

    const int block = title.height() + gapAbove + message.height() + gapBelow + button.height();
    int top = std::max(0, (screen.height() - block) / 2);
    const auto next = [&](const QSize& size, int gap) {
        const QRect line(QPoint((screen.width() - size.width()) / 2, top), size);
        top += size.height() + gap;
        return line;
    };
    AlarmLines lines;
    lines.title = next(title, gapAbove);
    lines.message = next(message, gapBelow);
    lines.button = next(button, 0);
    return lines;
}

}  // namespace ClockLayout
