#include <QTest>
class TestLauncher : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
