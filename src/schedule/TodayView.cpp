#include "schedule/TodayView.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/Clock.h"
#include "platform/ScreenMetrics.h"
#include "core/CalendarState.h"
#include "core/DateSection.h"
#include "widgets/Fonts.h"
#include "widgets/LayoutTable.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "core/Twips.h"
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
        underlined({"greetingNotes", K::List, "", "", 7300, 360, 6975, 1260, {}, 12, true, G, kWhite, kDarkGrey}),
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
    Label1_ = control<QLabel>(this, "greetingTitle");
    ListView1_ = control<QListWidget>(this, "greetingNotes");
    OPENCheck2_ = control<QCheckBox>(this, "greetingDialogOffCheck");
    Command1_ = control<QPushButton>(this, "closeGreetingButton");
    Image1_ = control<QLabel>(this, "greetingLogo");
    // Drawn for the screen's pixels, so that it stays sharp when the desktop is scaled.
    QPixmap logo = VersionPictures::logo(kLogo * devicePixelRatioF());
    logo.setDevicePixelRatio(devicePixelRatioF());
    Image1_->setPixmap(logo);
    ListView1_->setEnabled(false);
    ListView1_->setTextElideMode(Qt::ElideRight);
    ListView1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command1_->setDefault(true);

    Timer1_.setInterval(kTickMs);
    connect(&Timer1_, &QTimer::timeout, this, &TodayView::Timer1_Timer);
    connect(OPENCheck2_, &QCheckBox::toggled, this, &TodayView::OPENCheck2_Click);
    connect(Command1_, &QPushButton::clicked, this, &TodayView::Command1_Click);
}

void TodayView::Form_Load() {
    const QDate today = clock_.now().date();
    const QString key =
        DateSection::DateKey(calendar_.shownYear, calendar_.shownMonth, calendar_.selectedDay);
    Label1_->setText(QStringLiteral("%1年 %2月%3日 今日の予定です！")
                         .arg(today.year())
                         .arg(today.month())
                         .arg(today.day()));
    animation_ = TodayAnimation{};
    if (record_.lockState == 1) {
        ListView1_->hide();
        Label1_->setText(QStringLiteral("LOCKされているためスケジュールを表示できません"));
    }
    ListView1_->addItems(DateSection::LoadDateNotes(store_, key));
    // The title sizes to its text and ends left of the close button, which would hide its end.
    Label1_->adjustSize();
    Label1_->move(qBound(0, px(kButtonAtRest - kGap) - Label1_->width(), Label1_->x()),
                  Label1_->y());
    Timer1_.start();
}

void TodayView::Timer1_Timer() {
    const TodayAnimation::Frame frame = animation_.step();
    Image1_->move(px(frame.image.x()), px(frame.image.y()));
    OPENCheck2_->move(px(frame.check.x()), px(frame.check.y()));
    ListView1_->move(px(frame.listLeft), ListView1_->y());
    Label1_->move(Label1_->x(), px(frame.titleTop));
    Command1_->move(px(frame.buttonLeft), Command1_->y());
    if (frame.atRest) {
        Timer1_.stop();
        ListView1_->setEnabled(true);
    }
}

void TodayView::OPENCheck2_Click(bool checked) {
    record_.storeGreetingOff(store_, checked);
}

void TodayView::Command1_Click() { close(); }
