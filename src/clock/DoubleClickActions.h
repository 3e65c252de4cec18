#pragma once

class QString;
class QWidget;
struct Platform;
struct SettingsRecord;

// What a double click on the time does, as ticked on the custom tab, and the requests of the
// restart and shut-down controls. Failures are told in message boxes over the given window.
class DoubleClickActions {
public:
    DoubleClickActions(const Platform& os, const SettingsRecord& record);

    // In this order: clear the recent documents, then restart or shut down, or else launch.
    void run(QWidget* parent);
    // The program ends once logind has taken the request; a refusal is told, and the clock stays.
    void requestPower(bool restart, QWidget* parent);

private:
    void clearRecentDocuments(QWidget* parent);
    void launch(const QString& commandLine, QWidget* parent);

    const Platform& os_;
    const SettingsRecord& record_;
};
