#pragma once

#include <QString>

// Folders of the desktop session that the program reads or writes outside its store.
class Locations {
public:
    virtual ~Locations() = default;
    virtual QString settingsFile() const = 0;
    virtual QString tempFolder() const = 0;
    virtual QString recentDocumentsFolder() const = 0;
    virtual QString recentlyUsedFile() const = 0;
    virtual QString autostartFolder() const = 0;
    virtual QString fileDialogFolder() const = 0;
    virtual QString programFolder() const = 0;
};
