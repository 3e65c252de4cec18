#pragma once

#include <QtGui/qwindowdefs.h>

#include <QDeadlineTimer>
#include <QObject>
#include <QRect>

class QLabel;
class QPushButton;
class QWidget;
class SettingsStore;
struct Platform;
struct SettingsRecord;

// A ringing alarm on the clock's own window: the window fills the screen that holds the strip,
// above every window, with the alarm's title, message and 確認(K), and takes the keyboard focus
// until the alarm is confirmed; then the strip is back in its place and layer and the focus
// where it was. Its lines are made at the first ring.
class AlarmScreen : public QObject {
    Q_OBJECT
public:
    AlarmScreen(QWidget& window, const Platform& os, SettingsStore& store, SettingsRecord& record);

    // Slot 0 to 2; a one-shot alarm switches itself off.
    void ring(int slot);
    void confirm();
    bool isRinging() const { return ringing_; }

    // How long after a ring Enter is ignored: it was typed for the program the user works in.
    static constexpr int kEnterIgnoredMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // From the first moment of a ring to its confirmation.
    void started();
    void confirmed();

private:
    void makeLines();
    void fillScreen();
    void restoreStrip();
    void placeLines();
    void acceptFocus(bool accept);
    void takeFocus();
    void giveFocusBack();
    void enterPressed();
    void announce(bool ringing);

    QWidget& window_;
    const Platform& os_;
    SettingsStore& store_;
    SettingsRecord& record_;
    QLabel* title_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    QRect strip_;
    bool ringing_ = false;
    WId focusBefore_ = 0;  // the window that had the focus before the alarm took it
    QDeadlineTimer enterIgnored_;
};
