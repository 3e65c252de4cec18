#include "utilities/TempFilesPage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/Application.h"
#include "settings/ControlDef.h"
#include "settings/SettingsWindow.h"
#include "utilities/AutostartEntry.h"
#include "utilities/TempFileCleaner.h"

namespace {

const QString kCleanupMissing = QStringList{
    "ZKtmpdel.exeが存在しません！",
    "ZKtmpdel.exeはZORVEK Inc.TIME(ZKTIME.exe)と同じフォルダに置く必要があります。",
    "移動させたか　もしくは削除した可能性があります。",
    "",
    "「Windowsの起動時にtmpファイルを消去する」機能を使用する場合は",
    "ZKtmpdel.exeを元のフォルダに戻すか　ZORVEK Inc.TIMEのマニュアルに従って再インストールをしてください。",
    "",
    "「Windowsの起動時にtmpファイルを消去する」機能を使用しない場合は、このままでも結構です。",
}.join("\r\n");

QString cleanupProgram(const Application& app) {
    return app.platform().locations.programFolder() + "/ZKtmpdel";
}

}  // namespace

TempFilesPage::TempFilesPage(SettingsWindow& window)
    : window_(window),
      tmpLabel_(control<QLabel>(&window, "tmpLabel")),
      File1_(control<QListWidget>(&window, "File1")),
      ZKTD_Check_(control<QCheckBox>(&window, "ZKTD_Check")) {
    QObject::connect(ZKTD_Check_, &QCheckBox::toggled, &window, [this] { ZKTD_Check_Click(); });
    auto* deleteT = control<QPushButton>(&window, "DeleteT");
    QObject::connect(deleteT, &QPushButton::pressed, &window, [this] { tmpLabel_->clear(); });
    QObject::connect(deleteT, &QPushButton::clicked, &window, [this] { DeleteT_Click(); });
}

void TempFilesPage::listTempFiles() {
    showList(TempFileCleaner(window_.app().platform().locations.tempFolder()).list());
    tmpLabel_->setText(QStringLiteral("不要なファイル(*.tmp)を %1個 検出しました").arg(File1_->count()));
}

void TempFilesPage::showList(const QStringList& names) {
    File1_->clear();
    File1_->addItems(names);
}

void TempFilesPage::DeleteT_Click() {
    const Application& app = window_.app();
    Dialogs& dialogs = app.platform().dialogs;
    // Only what the user saw listed is deleted, not what has turned up since.
    QStringList listed;
    for (int i = 0; i < File1_->count(); ++i) listed << File1_->item(i)->text();
    const TempFileCleaner cleaner(app.platform().locations.tempFolder());
    showList(cleaner.clean(listed, [&] { dialogs.beep(); }).left);
    tmpLabel_->setText(
        QStringLiteral("次のファイルは現在使用中の為 消去できません！（%1個）").arg(File1_->count()));
}

void TempFilesPage::loadBootCleanup() {
    if (window_.app().record().tmpdelRegistered == 1) ZKTD_Check_->setChecked(true);
}

void TempFilesPage::ZKTD_Check_Click() {
    Application& app = window_.app();
    if (ZKTD_Check_->isChecked() && !QFileInfo(cleanupProgram(app)).isFile()) {
        app.platform().dialogs.beep();
        app.platform().dialogs.message(&window_, kCleanupMissing, Dialogs::Buttons::Ok,
                                       Dialogs::Icon::Warning);
        ZKTD_Check_->setChecked(false);
        registerBootCleanup();
    }
    window_.enableApply();
}

void TempFilesPage::applyBootCleanup() {
    ZKTD_Check_Click();
    registerBootCleanup();
}

// Failures here are silent: the entry's presence is read back at the next start.
void TempFilesPage::registerBootCleanup() {
    const Application& app = window_.app();
    const AutostartEntry entry(app.platform().locations.autostartFolder(), AutostartEntry::kCleanup);
    if (ZKTD_Check_->isChecked()) entry.write(cleanupProgram(app));
    else if (entry.exists()) entry.remove();
}
