#include "clock/DoubleClickActions.h"

#include "core/RecentDocuments.h"
#include "core/SettingsRecord.h"
#include "platform/Platform.h"

namespace {

const QString kNoPath = QStringLiteral("実行させたいファイルのフルパスを指定してください。");
const QString kNotFound =
    QStringLiteral("ディレクトリ 又は、ファイル名が違うか ファイルが存在しません。");
const QString kCheckPath = QStringLiteral("実行させたいファイルのフルパスを確認してください。");
const QString kPowerRefused = QStringLiteral("シャットダウンまたは再起動を要求できませんでした。");

}  // namespace

DoubleClickActions::DoubleClickActions(const Platform& os, const SettingsRecord& record)
    : os_(os), record_(record) {}

void DoubleClickActions::run(QWidget* parent) {
    if (record_.clearRecentOnDoubleClick == 1) clearRecentDocuments(parent);
    if (record_.powerOnDoubleClick == 1) {
        requestPower(record_.restartNotShutDown, parent);
        return;  // nothing is launched, whether or not the request went through
    }
    if (record_.launchOnDoubleClick == 1) launch(record_.launchCommand, parent);
}

void DoubleClickActions::clearRecentDocuments(QWidget* parent) {
    RecentDocuments::report(RecentDocuments::clear(os_.locations, os_.dialogs), os_.dialogs,
                            parent);
}

void DoubleClickActions::requestPower(bool restart, QWidget* parent) {
    const std::optional<QString> failure = restart ? os_.power.reboot() : os_.power.powerOff();
    if (!failure) {
        os_.lifecycle.endProgram();
        return;
    }
    os_.dialogs.beep();
    os_.dialogs.message(parent, kPowerRefused + "\r\n" + *failure, Dialogs::Buttons::Ok,
                        Dialogs::Icon::Warning);
}

void DoubleClickActions::launch(const QString& commandLine, QWidget* parent) {
    const Launcher::Result result = os_.launcher.start(commandLine);
    if (result == Launcher::Started) return;
    os_.dialogs.beep();
    if (result == Launcher::InvalidArgument) os_.dialogs.message(parent, kNoPath);
    if (result == Launcher::FileNotFound) {
        os_.dialogs.message(parent, kNotFound);
        os_.dialogs.message(parent, kCheckPath);
    }
}
