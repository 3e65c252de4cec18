#include "utilities/VersionPage.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/AutostartEntry.h"
#include "core/SettingsStore.h"
#include "platform/Locations.h"
#include "widgets/ControlDef.h"
#include "widgets/VersionPictures.h"

VersionPage::VersionPage(QWidget* window, const Locations& locations, SettingsStore& store)
    : window_(window),
      locations_(locations),
      store_(store),
      startChoice_{control<QRadioButton>(window, "startWithSession(0)"),
                   control<QRadioButton>(window, "startWithSession(1)")} {
    auto* logo = control<QLabel>(window, "logo");
    logo->setPixmap(VersionPictures::logo(logo->size()));
    auto* emblem = control<QLabel>(window, "versionPicture");
    emblem->setPixmap(VersionPictures::emblem(emblem->size()));
    connect(control<QPushButton>(window, "quitButton"), &QPushButton::clicked, this,
            &VersionPage::quitRequested);
    startChoice_[0]->setChecked(true);  // "実行する" until the stored choice is read, unheard
    for (QRadioButton* option : startChoice_)
        connect(option, &QRadioButton::toggled, this, &VersionPage::onStartChoiceChanged);
}

QString VersionPage::versionText() {
    return QStringLiteral("Ver %1.%2.%3")
        .arg(ZK_VERSION_MAJOR)
        .arg(ZK_VERSION_MINOR)
        .arg(ZK_VERSION_PATCH);
}

void VersionPage::loadVersion() {
    control<QLabel>(window_, "versionLabel")->setText(versionText());
}

void VersionPage::loadStartupChoice() {
    startsWithSession_ =
        AutostartEntry(locations_.autostartFolder(), AutostartEntry::kClock).enabled();
    if (!startsWithSession_) startChoice_[1]->setChecked(true);
}

void VersionPage::onStartChoiceChanged(bool selected) {
    if (selected) emit changed();
}

// Only a choice the user changed is written: an entry the desktop switched off stays as it is.
void VersionPage::applyStartupChoice() {
    const bool chosen = startChoice_[0]->isChecked();
    if (chosen == startsWithSession_) return;
    const AutostartEntry entry(locations_.autostartFolder(), AutostartEntry::kClock);
    const QString failure =
        chosen ? entry.write(locations_.programFolder() + "/ZKTIME") : entry.remove();
    if (failure.isEmpty())
        startsWithSession_ = chosen;
    else
        store_.reportFailure(failure);
}
