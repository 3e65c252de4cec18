#pragma once

#include "platform/Locations.h"

// The folders of a freedesktop.org session, derived from the XDG base directories.
class XdgLocations : public Locations {
public:
    QString settingsFile() const override;
    QString tempFolder() const override;
    QString recentDocumentsFolder() const override;
    QString recentlyUsedFile() const override;
    QString autostartFolder() const override;
    QString fileDialogFolder() const override;
    QString programFolder() const override;
};
