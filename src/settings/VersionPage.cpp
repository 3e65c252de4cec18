#include "settings/VersionPage.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/Application.h"
#include "settings/ControlDef.h"
#include "settings/SettingsWindow.h"
#include "settings/VersionPictures.h"
#include "utilities/AutostartEntry.h"

namespace {

AutostartEntry startupEntry(const Application& app) {
    return AutostartEntry(app.platform().locations.autostartFolder(), AutostartEntry::kClock);
}

}  // namespace

VersionPage::VersionPage(SettingsWindow& window)
    : window_(window),
      Option2_{control<QRadioButton>(&window, "Option2(0)"), control<QRadioButton>(&window, "Option2(1)")} {
    for (const char* name : {"Image1", "Image2"}) {
        auto* picture = control<QLabel>(&window, name);
        picture->setPixmap(QString(name) == "Image1" ? VersionPictures::logo(picture->size())
                                                     : VersionPictures::emblem(picture->size()));
    }
    QObject::connect(control<QPushButton>(&window, "Quit"), &QPushButton::clicked, &window,
                     [this] { window_.Quit_Click(); });
    Option2_[0]->setChecked(true);  // the design's choice, before any handler listens
    for (QRadioButton* option : Option2_)
        QObject::connect(option, &QRadioButton::toggled, &window, [this](bool on) {
            if (on) window_.enableApply();
        });
}

QString VersionPage::versionText() {
    return QStringLiteral("Ver %1.%2.%3").arg(ZK_VERSION_MAJOR).arg(ZK_VERSION_MINOR).arg(ZK_VERSION_PATCH);
}

void VersionPage::loadVersion() { control<QLabel>(&window_, "lblVersion")->setText(versionText()); }

void VersionPage::loadStartupChoice() {
    if (!startupEntry(window_.app()).exists()) Option2_[1]->setChecked(true);
}

// Rewritten on every Apply, so an entry the user removed by hand comes back while "実行する"
// stays chosen. Failures are not reported.
void VersionPage::applyStartupChoice() {
    const Application& app = window_.app();
    const AutostartEntry entry = startupEntry(app);
    if (Option2_[0]->isChecked()) entry.write(app.platform().locations.programFolder() + "/ZKTIME");
    else entry.remove();
}
