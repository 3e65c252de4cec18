#include <QTest>

class TestLayout : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
