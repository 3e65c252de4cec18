#include "platform/QtDialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information: return QMessageBox::Information;
        case Dialogs::Icon::Warning: return QMessageBox::Warning;
        case Dialogs::Icon::Critical: return QMessageBox::Critical;
        case Dialogs::Icon::Question: return QMessageBox::Question;
        case Dialogs::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Dialogs::Buttons buttons) {
    switch (buttons) {
        case Dialogs::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Dialogs::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Dialogs::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& text, Buttons buttons,
                                   Icon icon) {
    QMessageBox box(toQt(icon), title_, text, toQt(buttons), parent);
    if (!parent && icon_) box.setWindowIcon(icon_());
    // A short message would leave the box too narrow for its title beside the title bar's buttons.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const int titleWidth = box.fontMetrics().horizontalAdvance(title_) + 160;
    if (grid)
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (box.exec()) {
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Ok;
    }
}

bool QtDialogs::useJapanese() {
    static QTranslator qtTexts;
    return qtTexts.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&qtTexts);
}

void QtDialogs::beep() { sound_.play(EventSound::Event::Bell); }
void QtDialogs::alarmSound() { sound_.play(EventSound::Event::AlarmClock); }

int QtDialogs::pickColour(QWidget* parent, int initialBgr) {
    const QColor initial(initialBgr & 0xFF, (initialBgr >> 8) & 0xFF, (initialBgr >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return 0;
    return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
}

QString QtDialogs::openFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("参照"), folder);
}
