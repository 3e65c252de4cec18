// The least a Qt clock can cost: a frameless 152 x 16 label in the strip's font whose text a
// one-second timer rewrites. bench/compare runs it beside ZKTIME as the floor of every figure.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    // "--exit": what any program linked with Qt Widgets costs to start and end.
    if (argc > 1 && qstrcmp(argv[1], "--exit") == 0) return 0;
    QApplication qt(argc, argv);
    QLabel label;
    label.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    label.setWindowTitle("floor");
    QFont font;
    font.setFamilies({"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"});
    font.setPointSizeF(9.75);
    font.setBold(true);
    label.setFont(font);
    label.setFixedSize(152, 16);
    const auto show = [&] { label.setText(QDateTime::currentDateTime().toString("yyyy/M/d H:mm:ss")); };
    show();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &label, show);
    tick.start(1000);
    label.show();
    return QApplication::exec();
}
