#include <QtTest>
class TestContextMenuFlow : public QObject { Q_OBJECT };
QTEST_MAIN(TestContextMenuFlow)
#include "tst_contextmenuflow.moc"
