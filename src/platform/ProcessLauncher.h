#pragma once

#include <QStringList>
#include <functional>

#include "platform/Launcher.h"

class ProcessLauncher : public Launcher {
public:
    // Starts a program with its arguments without waiting for it; false when it did not start.
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit ProcessLauncher(Starter starter = startDetached);

    Result start(const QString& commandLine) override;
    bool openDateTimePanel() override;

private:
    static bool startDetached(const QString& program, const QStringList& arguments);

    Starter starter_;
};
