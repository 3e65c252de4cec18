#include "utilities/TempFilesPage.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/AutostartEntry.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/TempFileCleaner.h"
#include "platform/Dialogs.h"
#include "platform/Locations.h"
#include "widgets/ControlDef.h"

namespace {

const QString kCleanupMissing =
    QStringList{
        "ZKtmpdel.exeが存在しません！",
        "ZKtmpdel.exeはZORVEK Inc.TIME(ZKTIME.exe)と同じフォルダに置く必要があります。",
        "移動させたか　もしくは削除した可能性があります。",
        "",
        "「Windowsの起動時にtmpファイルを消去する」機能を使用する場合は",
        "ZKtmpdel.exeを元のフォルダに戻すか　ZORVEK "
        "Inc.TIMEのマニュアルに従って再インストールをしてください。",
        "",
        "「Windowsの起動時にtmpファイルを消去する」機能を使用しない場合は、このままでも結構です。",
    }
        .join("\r\n");

}  // namespace

TempFilesPage::TempFilesPage(QWidget* window, const SettingsRecord& record, SettingsStore& store,
                             const Locations& locations, Dialogs& dialogs)
    : window_(window),
      record_(record),
      store_(store),
      locations_(locations),
      dialogs_(dialogs),
      panel_(control<QLabel>(window, "tempFilesPanel")),
      fileList_(control<QListWidget>(window, "tempFileList")),
      cleanupCheck_(control<QCheckBox>(window, "cleanupAtLoginCheck")) {
    connect(cleanupCheck_, &QCheckBox::toggled, this, &TempFilesPage::onCleanupChoiceChanged);
    auto* deleteT = control<QPushButton>(window, "deleteTempFilesButton");
    connect(deleteT, &QPushButton::pressed, this, &TempFilesPage::onDeletePressed);
    connect(deleteT, &QPushButton::clicked, this, &TempFilesPage::deleteListedFiles);
}

QString TempFilesPage::cleanupProgram() const { return locations_.programFolder() + "/ZKtmpdel"; }

void TempFilesPage::listTempFiles() {
    showList(TempFileCleaner(locations_.tempFolder()).list());
    panel_->setText(
        QStringLiteral("不要なファイル(*.tmp)を %1個 検出しました").arg(fileList_->count()));
}

// Each row keeps the name's own bytes, by which it is deleted; a name that is not UTF-8 shows
// with replacement characters.
void TempFilesPage::showList(const QByteArrayList& names) {
    fileList_->clear();
    QStringList shown;
    shown.reserve(names.size());
    for (const QByteArray& name : names) shown << QFile::decodeName(name);
    fileList_->addItems(shown);
    for (int i = 0; i < fileList_->count(); ++i)
        fileList_->item(i)->setData(Qt::UserRole, names[i]);
}

// The old count disappears while the button is held.
void TempFilesPage::onDeletePressed() { panel_->clear(); }

void TempFilesPage::deleteListedFiles() {
    // Only what the user saw listed is deleted, not what has turned up since; the list then
    // shows what the folder holds, so whatever stayed is counted, whyever it stayed.
    QByteArrayList listed;
    for (int i = 0; i < fileList_->count(); ++i)
        listed << fileList_->item(i)->data(Qt::UserRole).toByteArray();
    const TempFileCleaner cleaner(locations_.tempFolder());
    cleaner.clean(listed, [this] { dialogs_.beep(); });
    showList(cleaner.list());
    panel_->setText(QStringLiteral("次のファイルは現在使用中の為 消去できません！（%1個）")
                        .arg(fileList_->count()));
}

void TempFilesPage::loadBootCleanup() {
    registered_ = record_.cleanupAtLogin;
    if (registered_) cleanupCheck_->setChecked(true);
}

void TempFilesPage::onCleanupChoiceChanged() {
    if (cleanupCheck_->isChecked() && !QFileInfo(cleanupProgram()).isFile()) {
        dialogs_.beep();
        dialogs_.message(window_, kCleanupMissing, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        cleanupCheck_->setChecked(false);
        registerBootCleanup();
    }
    emit changed();
}

// Only a choice the user changed is written: an entry the desktop switched off stays as it is.
void TempFilesPage::applyBootCleanup() {
    onCleanupChoiceChanged();
    if (cleanupCheck_->isChecked() != registered_) registerBootCleanup();
}

void TempFilesPage::registerBootCleanup() {
    const AutostartEntry entry(locations_.autostartFolder(), AutostartEntry::kCleanup);
    const bool chosen = cleanupCheck_->isChecked();
    const QString failure = chosen ? entry.write(cleanupProgram()) : entry.remove();
    if (failure.isEmpty()) registered_ = chosen;
    else store_.reportFailure(failure);
}
