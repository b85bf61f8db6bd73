#include <QtTest>
class TestLineTest : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(TestLineTest)
#include "tst_linetest.moc"
