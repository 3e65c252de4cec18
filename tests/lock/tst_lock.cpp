#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include "AppFixture.h"
#include "core/UiText.h"
#include "lock/PasswordDialog.h"

namespace {

const QString _ = QStringLiteral("<missing>");
const QString kPrompt = "パスワードを  入力するとLOCKを解除します\r\n\r\nPassWord :";
const QString kLocked = "\r\n      LOCK!\r\n\r\n";
const QString kReleased = "\r\n    LOCK解除!";
const QString kUnchanged = "PassWordは\r\n変更されませんでした";
const QString kHover = "マウスカーソルを合わせると   ヘルプを表示";

// Steps, separated by blanks: a button's name presses it, "passwordChangeLink" clicks the link,
// "name:text" types into a box, "name=text" pastes into it, "close" closes the dialog by its box.
// Flags: L lamp lit and list hidden, A password asked for, H help on, F the store held by another
// program. While the dialog is open: which of oldPassword, newPassword, confirmPassword and
// changePasswordButton are enabled, the focus and what the boxes show.
struct Road {
    QString pw, lock, steps, storedPw, storedLock;
    int lockWrites;
    QString panel, flags, dialog = {}, message = {};
};

}  // namespace

Q_DECLARE_METATYPE(Road)

class TestLock : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    SettingsWindow* w = nullptr;

    template <typename T = QWidget>
    T* c(const QString& name) { return w->findChild<T*>(name); }
    PasswordDialog* dialog() { return c<PasswordDialog>("passwordDialog"); }
    bool lampOn(const char* name) { return c(name)->palette().color(QPalette::Base) == Qt::green; }
    bool onTop() { return dialog()->windowHandle()->flags() & Qt::WindowStaysOnTopHint; }

    void run(const QString& steps) {
        for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
            const QString name = step.section(QRegularExpression("[:=]"), 0, 0);
            const QString text = step.mid(name.size() + 1);
            if (auto* button = c<QPushButton>(name)) button->click();
            if (name == "passwordChangeLink") QTest::mouseClick(c(name), Qt::LeftButton);
            if (step.contains(':')) QTest::keyClicks(c(name), text);
            if (step.contains('=')) c<QLineEdit>(name)->insert(text);
            if (step == "close") dialog()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            w = f->app->settings();
        }
    }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        f->platform.dialogs.allowPrefix(UiText::saveFailed + "\r\n");
    }
    void cleanup() { f.reset(); }

    void lockColumn_data() {
        QTest::addColumn<Road>("row");
        const QString x1000(1000, 'x'), x10(10, 'x'), masked10(10, '$'), changePasswordButton = " changePasswordButton";
        const QString changed = "PassWordは\r\n変更されました";
        auto row = [](const char* name, const Road& r) { QTest::newRow(name) << r; };
        // clang-format off
        row("lock and release",  {"abc", "0", "lockButton lockButton passwordEntry:abc", "abc", "0", 2, kReleased, ""});
        row("wrong case",        {"abc", "1", "lockButton passwordEntry:ABC", "abc", "1", 0, kPrompt, "LA"});
        row("cancel",            {"abc", "1", "lockButton passwordEntry:ab lockButton", "abc", "1", 0, "操作は\r\nキャンセルされました", "L"});
        row("restart locked",    {"abc", "1", "",            "abc", "1", 0, "", "L"});
        row("stored 2 looks open", {"abc", "2", "",          "abc", "2", 0, "", ""});
        row("stored 2 asks",     {"abc", "2", "lockButton passwordEntry:abc", "abc", "0", 1, kReleased, ""});
        row("long stored PW",    {"abcdefghi😀KL", "1", "lockButton passwordEntry=abcdefghi😀", "abcdefghi😀KL", "0", 1, kReleased, ""});
        row("emoji tenth",       {_, _, "lockButton newPassword=123456789😀 confirmPassword=123456789😀" + changePasswordButton + " lockButton lockButton passwordEntry=123456789😀", "123456789😀", "0", 2, kReleased, ""});
        // The password dialog.
        row("first, by lockButton",  {_, _, "lockButton",            _, _, 0, "", "", "0110 newPassword 入力不要||"});
        row("ten at most",       {_, _, "passwordChangeLink newPassword=" + x1000, _, _, 0, "", "", "0111 newPassword 入力不要|" + masked10 + "|"});
        row("set, then lock",    {_, _, "lockButton newPassword:" + x10 + " confirmPassword:" + x10 + changePasswordButton + " lockButton", x10, "1", 1, kLocked, "L"});
        row("wrong old",         {"abc", _, "passwordChangeLink oldPassword:abC", "abc", _, 0, "", "", "1000 oldPassword $$$||"});
        row("new refused",       {"abc", _, "passwordChangeLink oldPassword:abc confirmPassword:a" + changePasswordButton, "abc", _, 0, "", "", "0111 newPassword $$$||$", "新しいパスワード入力欄に入力してください"});
        row("confirm refused",   {_, _, "passwordChangeLink newPassword:ab" + changePasswordButton, _, _, 0, "", "", "0111 confirmPassword 入力不要|$$|", "確認欄に入力してください"});
        row("mismatch clears",   {_, _, "passwordChangeLink newPassword:ab confirmPassword:aB" + changePasswordButton, _, _, 0, "", "", "0111 newPassword 入力不要||",
            "入力ミスです！\r\nPassWord と PassWordの確認 欄には同じものを入力する必要があります。\r\nまた　大文字 小文字も区別されます。\r\n\r\n例：\r\nPassWord            Gh8kP37\r\nPassWordの確認    Gh8kP37"});
        row("cancel",            {"abc", _, "passwordChangeLink oldPassword:abc newPassword:d confirmPassword:d cancelPasswordButton", "abc", _, 0, kUnchanged, ""});
        row("close box",         {"abc", _, "passwordChangeLink close", "abc", _, 0, kUnchanged, ""});
        row("new one releases",  {"abc", "1", "passwordChangeLink oldPassword:abc newPassword:new confirmPassword:new" + changePasswordButton + " lockButton passwordEntry:new", "new", "0", 1, kReleased, ""});
        row("changed",           {"abc", _, "passwordChangeLink oldPassword:abc newPassword:X confirmPassword:X" + changePasswordButton, "X", _, 0, changed, ""});
        // Hover help, and saves that the store refuses.
        row("help on",           {"abc", _, "helpButton",          "abc", _, 0, kHover, "H"});
        row("off after locking", {"abc", _, "lockButton helpButton helpButton", "abc", "1", 1, "", "L"});
        row("lock not saved",    {"abc", "0", "lockButton",      "abc", "0", 0, "", "F"});
        row("release not saved", {"abc", "1", "lockButton passwordEntry:abc", "abc", "1", 0, kPrompt, "LAF"});
        row("password not saved", {"abc", _, "passwordChangeLink oldPassword:abc newPassword:d confirmPassword:d" + changePasswordButton, "abc", _, 0, "", "F", "0111 newPassword $$$|$|$"});
        // clang-format on
    }

    // Characters as the user sees them: a surrogate pair or a letter with its accent is never cut.
    void characterLimit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("ASCII") << "abcdefghijk" << "abcdefghij";
        QTest::newRow("emoji tenth") << "123456789😀x" << "123456789😀";
        QTest::newRow("emoji eleventh") << "1234567890😀" << "1234567890";
        QTest::newRow("combining accent") << "abcdefghie\u0301x" << "abcdefghie\u0301";
    }
    void characterLimit() {
        QFETCH(QString, typed);
        w = f->openSettings();
        auto* box = c<QLineEdit>("passwordEntry");
        box->insert(typed);
        QTEST(box->text(), "kept");
    }

    // Observed through the store, the panel, the lamps, the tooltips and the dialog's boxes. The
    // dialog leaves the top layer while a message shows.
    void lockColumn() {
        QFETCH(Road, row);
        f->seed("set", "Tab", "5");
        if (row.pw != _) f->seed("set", "PW", row.pw);
        if (row.lock != _) f->seed("set", "LOCK", row.lock);
        QVERIFY((w = f->openSettings()));
        if (!row.message.isEmpty()) f->platform.dialogs.expect(row.message);
        int messagesOnTop = 0;
        f->platform.dialogs.onMessage = [&](const QString&) {
            messagesOnTop += dialog() && onTop();
        };
        QHash<QString, QString> before;
        for (QWidget* widget : w->findChildren<QWidget*>())
            before.insert(widget->objectName(), widget->toolTip());
        f->log->clear();
        {
            const OtherConnection other(f->platform.locations.settingsFile(),
                                        row.flags.contains('F') ? "BEGIN IMMEDIATE" : "");
            run(row.steps);
        }

        QCOMPARE(f->stored("set", "PW"), row.storedPw);
        QCOMPARE(f->app->record().password, row.storedPw == _ ? "" : row.storedPw);
        QCOMPARE(f->stored("set", "LOCK"), row.storedLock);
        QCOMPARE(f->log->writes().count("set/LOCK"), row.lockWrites);
        QCOMPARE(c<QLabel>("consolePanel")->text(), row.panel);
        QCOMPARE(lampOn("lockLamp"), row.flags.contains('L'));
        QCOMPARE(c("noteList")->isHidden(), row.flags.contains('L'));
        QCOMPARE(!c("passwordEntry")->isHidden(), row.flags.contains('A'));
        QCOMPARE(lampOn("helpLamp"), row.flags.contains('H'));
        // Help adds tips to the calendar's and the lock's controls, and takes them all away again.
        int changedTips = 0;
        for (QWidget* widget : w->findChildren<QWidget*>())
            changedTips += widget->toolTip() != before[widget->objectName()];
        QCOMPARE(changedTips, row.flags.contains('H') ? 56 : 0);
        QCOMPARE(c("passwordChangeLink")->toolTip(),
                 row.flags.contains('H') ? "PassWordの変更はこの文字をクリック" : "");
        QCOMPARE(f->platform.dialogs.beeps(), !row.message.isEmpty() + row.flags.contains('F'));
        QCOMPARE(messagesOnTop, 0);
        QVERIFY(!(QFile::permissions(f->platform.locations.settingsFile()) & QFile::ReadOther));
        QCOMPARE(w->findChildren<PasswordDialog*>().size(), row.dialog.isEmpty() ? 0 : 1);
        QCOMPARE(c("lockButton")->isEnabled() && c("passwordChangeLink")->isEnabled(), row.dialog.isEmpty());
        if (row.dialog.isEmpty()) return;
        QString enabled;
        QStringList texts;
        for (const char* name : {"oldPassword", "newPassword", "confirmPassword", "changePasswordButton"})
            enabled += c(name)->isEnabled() ? '1' : '0';
        for (const char* name : {"oldPassword", "newPassword", "confirmPassword"})
            texts << c<QLineEdit>(name)->displayText();
        const QString focus = dialog()->focusWidget()->objectName();
        QCOMPARE(enabled + ' ' + focus + ' ' + texts.join('|'), row.dialog);
        QCOMPARE(c<QPushButton>("changePasswordButton")->isDefault(), enabled.endsWith('1'));
        QVERIFY(onTop());
    }
};

QTEST_MAIN(TestLock)
#include "tst_lock.moc"
