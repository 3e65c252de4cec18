#include "settings/SettingsWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QWindow>

#include "alarms/AlarmPage.h"
#include "core/CalendarState.h"
#include "core/Placement.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/StoredValue.h"
#include "core/Twips.h"
#include "core/UiText.h"
#include "lock/LockPanel.h"
#include "lock/PasswordDialog.h"
#include "platform/Platform.h"
#include "schedule/CalendarPage.h"
#include "schedule/ScheduleNotes.h"
#include "settings/HelpMode.h"
#include "settings/SettingsLayout.h"
#include "utilities/ClockDisplayPage.h"
#include "utilities/CustomPage.h"
#include "utilities/TempFilesPage.h"
#include "utilities/VersionPage.h"
#include "widgets/Fonts.h"
#include "widgets/TabStrip.h"

SettingsWindow::SettingsWindow(const Platform& os, SettingsStore& store, SettingsRecord& record,
                               CalendarState& calendar)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      os_(os),
      store_(store),
      record_(record),
      calendarState_(calendar) {
    setObjectName("settingsWindow");
    setWindowTitle(UiText::appTitle);
    setModal(false);
    setFont(Fonts::gothic(9));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFixedSize(px(SettingsLayout::kWindowWidth), px(SettingsLayout::kWindowHeight));

    buildTabs();
    showInputArea(false);
    auto* ok = control<QPushButton>(this, "okButton");
    auto* cancel = control<QPushButton>(this, "cancelButton");
    applyButton_ = control<QPushButton>(this, "applyButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SettingsWindow::applyAndClose);
    connect(cancel, &QPushButton::clicked, this, &SettingsWindow::cancel);
    connect(applyButton_, &QPushButton::clicked, this, &SettingsWindow::apply);
    connect(tabs_, &TabStrip::currentChanged, this, &SettingsWindow::onTabChanged);
    createPages();
}

// The pages take the desktop's own colours, not the window's black: every role is set
// explicitly, since a palette equal to the inherited one would not override it.
void SettingsWindow::buildTabs() {
    tabs_ = new TabStrip(SettingsLayout::tabCaptions(), 3, this);
    tabs_->setObjectName("tabs");
    tabs_->setGeometry(pxRect(0, 0, SettingsLayout::kTabWidth, SettingsLayout::kTabHeight));
    QPalette desktop;
    const QPalette standard = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const auto r = QPalette::ColorRole(role);
            desktop.setColor(group, r, standard.color(group, r));
        }
    }
    tabs_->setPalette(desktop);
    for (int tab = 0; tab < SettingsLayout::kTabCount; ++tab)
        buildControls(tabs_->page(tab), SettingsLayout::page(tab));
    buildControls(this, SettingsLayout::frame());
    tabs_->lower();
}

void SettingsWindow::createPages() {
    const Platform& os = os_;
    SettingsRecord& record = record_;
    SettingsStore& store = store_;
    tempFiles_ = std::make_unique<TempFilesPage>(this, record, store, os.locations, os.dialogs);
    clockDisplay_ = std::make_unique<ClockDisplayPage>(this, record, store, os.dialogs, os.launcher,
                                                       os.screens);
    version_ = std::make_unique<VersionPage>(this, os.locations, store);
    alarms_ = std::make_unique<AlarmPage>(this, record, store, os.dialogs);
    custom_ = std::make_unique<CustomPage>(this, record, store, os.dialogs, os.locations);
    lock_ = std::make_unique<LockPanel>(this, record, store);
    help_ = std::make_unique<HelpMode>(this, *lock_);
    calendar_ = std::make_unique<CalendarPage>(this, calendarState_, record, store, os.dialogs,
                                               os.clock, [this] { return help_->isOn(); });

    connect(tempFiles_.get(), &TempFilesPage::changed, this, &SettingsWindow::enableApply);
    connect(clockDisplay_.get(), &ClockDisplayPage::changed, this, &SettingsWindow::enableApply);
    connect(version_.get(), &VersionPage::changed, this, &SettingsWindow::enableApply);
    connect(alarms_.get(), &AlarmPage::changed, this, &SettingsWindow::enableApply);
    connect(custom_.get(), &CustomPage::changed, this, &SettingsWindow::enableApply);
    connect(calendar_.get(), &CalendarPage::changed, this, &SettingsWindow::enableApply);
    connect(version_.get(), &VersionPage::quitRequested, this, &SettingsWindow::quit);
    connect(&calendar_->notes(), &ScheduleNotes::inputAreaRequested, this,
            &SettingsWindow::showInputArea);
    connect(lock_.get(), &LockPanel::passwordDialogRequested, this,
            &SettingsWindow::openPasswordDialog);
    passOnClockPreviews();
}

// The clock display page's previews go to whichever clock is loaded; the window passes them on.
void SettingsWindow::passOnClockPreviews() {
    const ClockDisplayPage* page = clockDisplay_.get();
    connect(page, &ClockDisplayPage::clockLeftMoved, this, &SettingsWindow::clockLeftMoved);
    connect(page, &ClockDisplayPage::clockTopMoved, this, &SettingsWindow::clockTopMoved);
    connect(page, &ClockDisplayPage::clockLeftShifted, this, &SettingsWindow::clockLeftShifted);
    connect(page, &ClockDisplayPage::clockWidthChanged, this, &SettingsWindow::clockWidthChanged);
    connect(page, &ClockDisplayPage::exitButtonsShown, this, &SettingsWindow::exitButtonsShown);
    connect(page, &ClockDisplayPage::clockColoursChanged, this,
            &SettingsWindow::clockColoursChanged);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::enableApply() { applyButton_->setEnabled(true); }

void SettingsWindow::load(QPoint clockPlaceTwips) {
    help_->reset();
    tabs_->setCurrentIndex(store_.read(Keys::settingsTab));
    placeWindow();
    tempFiles_->listTempFiles();
    version_->loadStartupChoice();
    clockDisplay_->loadPosition(clockPlaceTwips);
    version_->loadVersion();
    clockDisplay_->loadScreenSize();
    alarms_->populate();
    custom_->populate();
    clockDisplay_->populateExitButtons();
    alarms_->disableOffRows();
    clockDisplay_->enableExitButtonTypes();
    clockDisplay_->loadColours();
    custom_->enableByChecks();
    lock_->load();
    calendar_->loadGreetingChoice();
    calendar_->openCalendar();
    show();
    calendar_->afterShow();
    calendar_->loadScheduleColour();
    tempFiles_->loadBootCleanup();
    applyButton_->setEnabled(false);
    emit loaded();
}

// Shown without waiting, and active so that typing goes to it at once. It reports its outcome
// on the lock panel however it closes.
void SettingsWindow::openPasswordDialog() {
    auto* dialog = new PasswordDialog(record_, store_, os_.dialogs, this);
    connect(dialog, &PasswordDialog::unloaded, lock_.get(), &LockPanel::passwordDialogClosed);
    dialog->load();
    dialog->show();
    dialog->activateWindow();
}

// The stored position, moved as far as needed to show the whole window on one screen. The
// window manager's frame is known only once the window is shown; the moves that follow check
// again with it.
void SettingsWindow::placeWindow() {
    const int top = store_.read(Keys::settingsTop).value;
    const int left = store_.read(Keys::settingsLeft).value;
    move(fittedFramePosition(QRect(QPoint(px(left), px(top)), frameGeometry().size())));
    placing_ = true;
}

QPoint SettingsWindow::fittedFramePosition(const QRect& frame) const {
    const ScreenMetrics& screens = os_.screens;
    return Placement::wholeOnScreen(frame, screens.screens(), screens.primaryScreen()).topLeft();
}

void SettingsWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (!placing_ || !windowHandle()) return;
    const QRect frame = windowHandle()->frameGeometry();
    if (frame.size() == size()) return;
    placing_ = false;
    const QPoint fitted = fittedFramePosition(frame);
    if (fitted != frame.topLeft()) windowHandle()->setFramePosition(fitted);
}

void SettingsWindow::apply() {
    const SettingsStore::Action apply(store_);
    emit applying();
    clockDisplay_->applyPosition();
    alarms_->apply();
    tempFiles_->applyBootCleanup();
    custom_->applyActions();
    custom_->applyLaunch();
    clockDisplay_->applyAppearance();
    calendar_->applyGreetingChoice();
    version_->applyStartupChoice();
    // What could not be stored stays on the pages, ready for another Apply.
    applyButton_->setEnabled(apply.failed());
    emit applied();
}

void SettingsWindow::applyAndClose() {
    const SettingsStore::Action ok(store_);  // Apply and close report as one
    apply();
    close();
}

void SettingsWindow::cancel() { close(); }

void SettingsWindow::quit() {
    quitting_ = true;
    emit quitRequested();
}

void SettingsWindow::reject() { cancel(); }

void SettingsWindow::closeEvent(QCloseEvent* event) {
    if (quitting_) return;  // ending the program runs no close handler
    unload();
    event->accept();
}

void SettingsWindow::unload() {
    SettingsStore& store = store_;
    const SettingsStore::Action close(store);
    store.write(Keys::settingsTab, tabs_->currentIndex());
    store.write(Keys::settingsTop, Twips{int(qRound64(twips(y())))});
    store.write(Keys::settingsLeft, Twips{int(qRound64(twips(x())))});
    emit closed();
}

void SettingsWindow::onTabChanged() {
    showInputArea(false);
    calendar_->disableInputButtons();
}

// The schedule input area lies below the tabs; the window grows to reveal it. Tab does not stop
// on its box while it lies beyond the window's edge.
void SettingsWindow::showInputArea(bool shown) {
    constexpr int kInputAreaHeight = 705;  // twips: outer height 6285 instead of 5580
    setFixedHeight(px(SettingsLayout::kWindowHeight + (shown ? kInputAreaHeight : 0)));
    control<QWidget>(this, "noteInput")->setFocusPolicy(shown ? Qt::StrongFocus : Qt::NoFocus);
}
