#include "settings/SettingsLayout.h"

#include <QMenu>

namespace SettingsLayout {

const QStringList& tabCaptions() {
    static const QStringList captions = {"tmp Delete(&T)",  "時計表示設定(&H)", "ﾊﾞｰｼﾞｮﾝ情報(&V)",
                                         "アラーム設定(&M)", "カスタム(&C)",     "カレンダー(&K)"};
    return captions;
}

const std::vector<ControlSpec>& page(int) {
    static const std::vector<ControlSpec> none;
    return none;
}

const std::vector<ControlSpec>& frame() {
    static const std::vector<ControlSpec> none;
    return none;
}

QMenu* createDateColourMenu(QWidget* parent) { return new QMenu(parent); }

}  // namespace SettingsLayout
