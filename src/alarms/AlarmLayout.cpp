#include "alarms/AlarmLayout.h"

#include <array>

#include "widgets/LayoutTable.h"

namespace AlarmLayout {

namespace {

using namespace LayoutTable;

// One control to a row, in the order the controls are created: a control created later lies on
// top of an earlier one.
// clang-format off

// Tab 3: three alarm slots, one frame each. The hour and minute boxes lie on the time caption,
// whose blanks leave room for them: "[hour] 時 [minute] 分に".
std::vector<ControlDef> build() {
    static const std::array<QString, 3> digit = {"１", "２", "３"};
    std::vector<ControlDef> defs = {
        {"alarmHint", K::Label, "アラームの設定時刻は、２４時間表示で入力してください。", "", 360, 720, 4350, 195, {}, kPoints},
    };
    for (int k = 0; k < 3; ++k) {
        const QString frame = indexed("alarmFrame", k);
        defs.insert(defs.end(), {
            spoken({frame, K::Frame, "", "", 240, 1080 + 1200 * k, 5775, 975, {}, kPoints}, "アラーム" + digit[k]),
            {indexed("alarmOn", k), K::CheckBox, QStringLiteral("Alarm Time %1").arg(k + 1),
             QStringLiteral("チェックを入れるとアラーム %1 がＯＮになります").arg(digit[k]),
             120, 0, 1575, 210, frame, kPoints, true},
            // The full-width blanks of this face are a whole em wide, which puts "分に" a little
            // past the minute box: the label is wider than its blanks alone would need, and the
            // two options stand further right.
            {indexed("alarmTimeCaption", k), K::Label, " 時　　　 　分に", "", 600, 360, 1380, 195, frame, kPoints},
            spoken({indexed("alarmHour", k), K::LineEdit, "", "", 240, 240, 375, 270, frame, kPoints}, "アラーム" + digit[k] + "の時"),
            spoken({indexed("alarmMinute", k), K::LineEdit, "", "", 960, 240, 375, 270, frame, kPoints}, "アラーム" + digit[k] + "の分"),
            {indexed("alarmMessageCaption", k), K::Label, "メッセージ ：", "", 360, 600, 930, 195, frame, kPoints},
            spoken({indexed("alarmMessage", k), K::LineEdit, "",
                    QStringLiteral("アラーム %1 の実行時に表示するメッセージを入力します").arg(digit[k]),
                    1440, 600, 4215, 270, frame, kPoints}, "アラーム" + digit[k] + "のメッセージ"),
            {indexed("alarmOnce", k), K::Radio, "一度だけ実行", "一度アラームがなるとアラーム設定がＯＦＦになります",
             2040, 360, 1455, 210, frame, kPoints},
            {indexed("alarmDaily", k), K::Radio, "毎日実行",
             "ソフト 及び システムの再起動を行っても設定時間に毎日アラームをならします",
             3600, 360, 1095, 210, frame, kPoints},
        });
    }
    return defs;
}

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

}  // namespace AlarmLayout
