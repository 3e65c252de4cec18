#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <array>

class Dialogs;
class Launcher;
class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;
class QWidget;
class ScreenMetrics;
class SettingsStore;
struct SettingsRecord;

// The clock display tab: position sliders, recommended position, topmost, title-bar colours,
// the date-and-time panel and the exit and restart buttons' look. Its previews of the running
// clock go out as signals; the next load of the clock undoes them unless they were applied.
class ClockDisplayPage : public QObject {
    Q_OBJECT
public:
    ClockDisplayPage(QWidget* window, SettingsRecord& record, SettingsStore& store,
                     Dialogs& dialogs, Launcher& launcher, const ScreenMetrics& screens);

    // The clock's place as it stands, in twips.
    void loadPosition(QPoint clockTwips);
    void loadScreenSize();
    void populateExitButtons();
    void enableExitButtonTypes();
    void loadColours();
    void applyPosition();
    void applyAppearance();

    void moveToRecommendedPlace();

signals:
    void changed();
    void clockLeftMoved(int leftTwips);
    void clockTopMoved(int topTwips);
    void clockLeftShifted(int byTwips);
    void clockWidthChanged(int widthTwips);
    void exitButtonsShown(bool visible);
    // The colour mode the clock previews: 1 title-bar colours, 0 the gradient.
    void clockColoursChanged(int mode);

private:
    void onLeftSlid();
    void onTopSlid();
    void onKeepInFrontChanged();
    void onColoursChanged();
    void openDateTimeSettings();
    void onExitControlsChanged();
    void onExitControlTypeChosen(int index);

    QWidget* window_;
    SettingsRecord& record_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    Launcher& launcher_;
    const ScreenMetrics& screens_;
    QSlider* leftSlider_;
    QSlider* topSlider_;
    QCheckBox* keepInFrontCheck_;
    QCheckBox* coloursCheck_;
    QCheckBox* exitControlsCheck_;
    std::array<QRadioButton*, 2> exitControlType_;
    QLabel* screenSizeLabel_;
    QSize screen_;
};
