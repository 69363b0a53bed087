#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/shellopen.h"
#include "testenv.h"

#include <QtTest>

using platform::Drives;
using platform::Files;

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void pathsResolveWithoutRegardToCase()
    {
        testsupport::TestEnv env;
        QVERIFY(!Drives::exists(QLatin1Char('C')));
        QVERIFY(Files::makeFolder(QStringLiteral("C:\\HWK\\Marvolen\\NE")));
        QVERIFY(Drives::exists(QLatin1Char('c')));
        QCOMPARE(Drives::resolve(QStringLiteral("c:\\hwk\\marvolen\\Ne\\New.db")),
                 env.root() + QStringLiteral("/c/HWK/Marvolen/NE/New.db"));
        QCOMPARE(Drives::resolve(QStringLiteral("C:/HWK//Marvolen/")), env.root() + QStringLiteral("/c/HWK/Marvolen"));
        QCOMPARE(Drives::resolve(QStringLiteral("/tmp/x")), QStringLiteral("/tmp/x"));
        // Once a component is new, the rest keep their spelling.
        QCOMPARE(Drives::resolve(QStringLiteral("C:\\hwk\\Other\\marvolen")),
                 env.root() + QStringLiteral("/c/HWK/Other/marvolen"));
    }

    void copyInBlocks_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("one block") << 8192;
        QTest::newRow("block and one") << 8193;
        QTest::newRow("several") << 50000;
    }
    void copyInBlocks()
    {
        QFETCH(int, size);
        testsupport::TestEnv env;
        env.makeDrive(QLatin1Char('c'));
        QByteArray data(size, '\0');
        for (int i = 0; i < size; ++i)
            data[i] = char(i * 7 + i / 251);
        QFile src(env.host(QStringLiteral("C:\\src.bin")));
        QVERIFY(src.open(QIODevice::WriteOnly));
        src.write(data);
        src.close();
        Files::makeFolder(QStringLiteral("C:\\Saves"));
        Files::copy(QStringLiteral("C:\\SRC.BIN"), QStringLiteral("C:\\saves")); // a folder takes the source's name
        Files::copyReplacing(QStringLiteral("C:\\src.bin"), QStringLiteral("C:\\Saves\\second.bin"));
        for (const char* name : {"/c/Saves/src.bin", "/c/Saves/second.bin"}) {
            QFile f(env.root() + QString::fromLatin1(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), data);
        }
        QCOMPARE(Files::list(QStringLiteral("C:\\Saves")), (QStringList{QStringLiteral("second.bin"), QStringLiteral("src.bin")}));
    }

    void copyFailuresRaiseFileErrors()
    {
        testsupport::TestEnv env;
        env.makeDrive(QLatin1Char('c'));
        QVERIFY_THROWS_EXCEPTION(platform::FileError, Files::copy(QStringLiteral("C:\\none"), QStringLiteral("C:\\x")));
        Files::createEmpty(QStringLiteral("C:\\a"));
        QVERIFY_THROWS_EXCEPTION(platform::FileError,
                                 Files::copyReplacing(QStringLiteral("C:\\a"), QStringLiteral("C:\\no\\such\\b")));
        QVERIFY(!QFileInfo::exists(env.root() + QStringLiteral("/c/no")));
    }

    void exclusiveCreateAndAttributes()
    {
        testsupport::TestEnv env;
        env.makeDrive(QLatin1Char('c'));
        QVERIFY(Files::createExclusive(QStringLiteral("C:\\Openuser.flg")));
        QVERIFY(!Files::createExclusive(QStringLiteral("c:\\openuser.flg")));
        Files::setReadOnly(QStringLiteral("C:\\Openuser.flg"), true);
        QVERIFY(Files::isReadOnly(QStringLiteral("C:\\Openuser.flg")));
        Files::clearReadOnlyAndHidden(QStringLiteral("C:\\Openuser.flg"));
        QVERIFY(!Files::isReadOnly(QStringLiteral("C:\\Openuser.flg")));
        QVERIFY(Files::remove(QStringLiteral("C:\\Openuser.flg")));
        QVERIFY(Files::createExclusive(QStringLiteral("C:\\Openuser.flg")));
    }

    void clockFormats()
    {
        QCOMPARE(platform::Clock::shortDate(QDate(2026, 1, 5)), QStringLiteral("1/5/2026"));
        QCOMPARE(platform::Clock::longTime(QTime(0, 5, 9)), QStringLiteral("12:05:09 AM"));
        QCOMPARE(platform::Clock::longTime(QTime(13, 45, 0)), QStringLiteral("1:45:00 PM"));
        QCOMPARE(platform::Clock::parseShortDate(QStringLiteral("12/3/2026 4:00:00 PM")), QDate(2026, 12, 3));
        QCOMPARE(platform::Clock::parseShortDate(QStringLiteral("12/03/26")), QDate(2026, 12, 3));
        QVERIFY(!platform::Clock::parseShortDate(QStringLiteral("yesterday")).isValid());
        testsupport::TestEnv env;
        QCOMPARE(platform::Clock::stampNow(), QStringLiteral("12/10/2026 9:30:15 AM"));
    }

    void scriptedDialogsAnswerInTurn()
    {
        using platform::Dialogs;
        platform::ScriptedDialogs dialogs;
        dialogs.answer(Dialogs::No);
        QVERIFY(!Dialogs::confirm(QStringLiteral("Delete?")));
        QVERIFY(Dialogs::confirm(QStringLiteral("Delete again?"))); // default: the first button, OK
        QCOMPARE(Dialogs::instance().message(Dialogs::Kind::Warning, QStringLiteral("w"), Dialogs::Retry | Dialogs::Cancel),
                 Dialogs::Retry);
        Dialogs::refuse(QStringLiteral("Bad entry"));
        QCOMPARE(dialogs.texts(), (QStringList{QStringLiteral("Delete?"), QStringLiteral("Delete again?"),
                                               QStringLiteral("w"), QStringLiteral("Bad entry")}));
        QCOMPARE(dialogs.shown.first().buttons, Dialogs::Ok | Dialogs::No);
        QCOMPARE(dialogs.beeps, 1);
    }

    void seededRandomRepeats()
    {
        platform::Random::seed(7);
        QList<int> first;
        for (int i = 0; i < 5; ++i)
            first << platform::Random::below(100);
        platform::Random::seed(7);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(platform::Random::below(100), first[i]);
        QCOMPARE(platform::Random::below(0), 0);
    }

    void shellOpenRecords()
    {
        testsupport::TestEnv env;
        QVERIFY(platform::ShellOpen::open(QStringLiteral("C:\\HWK\\TTL.pdf")));
        QCOMPARE(platform::ShellOpen::recorded(), QStringList{QStringLiteral("C:\\HWK\\TTL.pdf")});
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
