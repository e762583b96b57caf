// A random user on every tool screen: thousands of actions, checking after each one that what
// the screen shows still hangs together. OHMARA_RANDOM_ACTIONS and OHMARA_SEED replay a run.

#include "app/screens.h"
#include "support/randomuser.h"
#include "support/screentest.h"

using namespace randomuser;

class TestRandomUser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        screentest::quietRaiseWarnings();
        nav::setEndAction([] { QFAIL("the random user never quits"); });
        nav::show(ScreenId::Menu);
        m_actions = qEnvironmentVariableIntValue("OHMARA_RANDOM_ACTIONS");
        if (m_actions <= 0)
            m_actions = 20000;
    }

    void screen_data()
    {
        QTest::addColumn<int>("layout");
        const char *names[] = {"chart",      "four-band decoder", "four-band encoder",
                               "calculator", "five-band decoder", "five-band encoder"};
        for (int i = 0; i < int(std::size(kLayouts)); ++i)
            QTest::newRow(names[i]) << i;
    }
    void screen()
    {
        QFETCH(int, layout);
        bool ok = false;
        const quint32 base = qEnvironmentVariable("OHMARA_SEED").toUInt(&ok);
        const quint32 seed = (ok ? base : 20261206u) + quint32(layout);
        qInfo("seed %u, %d actions", seed, m_actions);
        RandomUser user(kLayouts[layout], seed);
        for (int i = 0; i < m_actions; ++i) {
            user.act();
            const QString wrong = user.check();
            QVERIFY2(wrong.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, action %2: %3 [%4]")
                                        .arg(seed)
                                        .arg(i)
                                        .arg(wrong, user.describe())));
            if (i % 1000 == 0)
                screentest::settle();
        }
        if (!kLayouts[layout].names.empty()) {
            qInfo("%d states read back through the decoder", user.crossChecks());
            QVERIFY(user.crossChecks() > m_actions / 100);
        }
        screentest::unloadAll();
        nav::show(ScreenId::Menu);
    }

private:
    int m_actions = 0;
};

OHMARA_WIDGET_TEST_MAIN(TestRandomUser)
#include "tst_randomuser.moc"
