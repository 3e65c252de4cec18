#include "schedule/TodayView.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/CalendarState.h"
#include "core/DateSection.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/Twips.h"
#include "platform/Clock.h"
#include "platform/ScreenMetrics.h"
#include "widgets/CutRows.h"
#include "widgets/Fonts.h"
#include "widgets/LayoutTable.h"
#include "widgets/VersionPictures.h"

namespace {

using namespace LayoutTable;

constexpr int kWidth = 7260;  // twips, client area
constexpr int kHeight = 2025;
constexpr int kTickMs = 10;
constexpr int kButtonAtRest = 5874;  // left of the close button once the animation ends
constexpr int kGap = 60;
const QSize kLogo(143, 14);  // pixels

// Where each control stands before the first tick; the list, the title, the check box and the
// button start outside the window.
// clang-format off
const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = {
        {"greetingTitle", K::Label, "", "", 3000, 2760, 3000, 300, {}, 12, true, G, kWhite, kDefault, Qt::AlignCenter},
        spoken(underlined({"greetingNotes", K::List, "", "", 7300, 360, 6975, 1260, {}, 12, true, G, kWhite, kDarkGrey}),
               "今日のスケジュール"),
        {"greetingDialogOffCheck", K::CheckBox, "起動時に このメッセージを表示しない", "", 7560, 0, 3255, 300, {},
         kPoints, false, G, kWhite, kBlack},
        {"closeGreetingButton", K::Button, "閉じる(&C)", "", -1200, 50, 1215, 300, {}, kPoints},
        {"greetingLogo", K::Picture, "", "", -1320, -950, kLogo.width() * 15, kLogo.height() * 15},
    };
    return defs;
}
// clang-format on

}  // namespace

TodayView::TodayView(const Clock& clock, SettingsStore& store, SettingsRecord& record,
                     const CalendarState& calendar, const ScreenMetrics& screens)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      clock_(clock),
      store_(store),
      record_(record),
      calendar_(calendar) {
    setObjectName("greetingWindow");
    setAccessibleName(QStringLiteral("今日の予定"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFont(Fonts::gothic(kPoints));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFixedSize(px(kWidth), px(kHeight));
    move(screens.primaryScreen().center() - rect().center());

    buildControls(this, controls());
    title_ = control<QLabel>(this, "greetingTitle");
    notes_ = control<QListWidget>(this, "greetingNotes");
    greetingOffCheck_ = control<QCheckBox>(this, "greetingDialogOffCheck");
    closeButton_ = control<QPushButton>(this, "closeGreetingButton");
    logo_ = control<QLabel>(this, "greetingLogo");
    // Drawn for the screen's pixels, so that it stays sharp when the desktop is scaled.
    QPixmap logo = VersionPictures::logo(kLogo * devicePixelRatioF());
    logo.setDevicePixelRatio(devicePixelRatioF());
    logo_->setPixmap(logo);
    notes_->setEnabled(false);
    notes_->setTextElideMode(Qt::ElideRight);
    notes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    closeButton_->setDefault(true);

    slideTimer_.setInterval(kTickMs);
    connect(&slideTimer_, &QTimer::timeout, this, &TodayView::slideStep);
    connect(greetingOffCheck_, &QCheckBox::toggled, this, &TodayView::onGreetingOffChanged);
    connect(closeButton_, &QPushButton::clicked, this, &TodayView::closeGreeting);
}

void TodayView::load() {
    const QDate today = clock_.now().date();
    const QString key =
        DateSection::dateKey(calendar_.shownYear, calendar_.shownMonth, calendar_.selectedDay);
    title_->setText(QStringLiteral("%1年 %2月%3日 今日の予定です！")
                        .arg(today.year())
                        .arg(today.month())
                        .arg(today.day()));
    animation_ = TodayAnimation{};
    if (record_.lockState == 1) {
        notes_->hide();
        title_->setText(QStringLiteral("LOCKされているためスケジュールを表示できません"));
    }
    notes_->addItems(DateSection::loadNotes(store_, key));
    showCutRowsInFull(notes_);
    // The title sizes to its text and ends left of the close button, which would hide its end.
    title_->adjustSize();
    title_->move(qBound(0, px(kButtonAtRest - kGap) - title_->width(), title_->x()), title_->y());
    slideTimer_.start();
}

void TodayView::slideStep() {
    const TodayAnimation::Frame frame = animation_.step();
    logo_->move(px(frame.image.x()), px(frame.image.y()));
    greetingOffCheck_->move(px(frame.check.x()), px(frame.check.y()));
    notes_->move(px(frame.listLeft), notes_->y());
    title_->move(title_->x(), px(frame.titleTop));
    closeButton_->move(px(frame.buttonLeft), closeButton_->y());
    if (frame.atRest) {
        slideTimer_.stop();
        notes_->setEnabled(true);
    }
}

void TodayView::onGreetingOffChanged(bool checked) { record_.storeGreetingOff(store_, checked); }

void TodayView::closeGreeting() { close(); }
