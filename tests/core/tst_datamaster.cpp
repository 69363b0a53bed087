#include "core/datamaster.h"
#include "platform/keyedtable.h"
#include "testenv.h"

#include <QtTest>

using core::DataMaster;

class TestDataMaster : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::TestEnv> env;
    std::unique_ptr<DataMaster> dm;
    static constexpr int T = core::Team;

    // A three-field table in slot T holding the given keys (field 1 = "v" + key).
    void openWith(const QStringList& keys)
    {
        const QString path = env->root() + QStringLiteral("/t.db");
        platform::KeyedTable::createFile(path, QStringLiteral("Team"),
                                         {QStringLiteral("TeamKey"), QStringLiteral("Name"), QStringLiteral("Count")});
        dm->OpenTableFile(T, path);
        for (const QString& k : keys) {
            dm->AddRecord(T, k);
            dm->WriteField(T, 1, QStringLiteral("v") + k);
        }
    }

    QStringList scanAll()
    {
        QStringList seen;
        dm->BeginScan(T);
        while (dm->GetNextRec(T))
            seen << dm->CurrentKey(T);
        return seen;
    }

private slots:
    void init()
    {
        env = std::make_unique<testsupport::TestEnv>();
        dm = std::make_unique<DataMaster>();
    }
    void cleanup()
    {
        dm.reset();
        env.reset();
    }

    void findRecordIsExact()
    {
        openWith({QStringLiteral("ABC"), QStringLiteral("abc"), QStringLiteral("ABD")});
        QVERIFY(dm->FindRecord(T, QStringLiteral("ABC")));
        QCOMPARE(dm->ReadField(T, 1), QStringLiteral("vABC"));
        QVERIFY(!dm->FindRecord(T, QStringLiteral("ABC ")));
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("ABC")); // not found: the first record is current
        QVERIFY(dm->FindRecord(T, QStringLiteral("abc")));
        QVERIFY(!dm->FindRecord(T, QStringLiteral("Abc")));
    }

    void addRecordKeepsExisting()
    {
        openWith({QStringLiteral("K1")});
        dm->WriteField(T, 2, QStringLiteral("7"));
        dm->AddRecord(T, QStringLiteral("K1"));
        QCOMPARE(dm->ReadField(T, 2), QStringLiteral("7"));
        dm->WriteField(T, 1, QStringLiteral("changed"));
        QCOMPARE(dm->RecordCount(T), 1);
        QVERIFY(dm->FindRecord(T, QStringLiteral("K1")));
        QCOMPARE(dm->ReadField(T, 1), QStringLiteral("changed"));
        dm->AddRecord(T, QStringLiteral("K2"));
        QCOMPARE(dm->ReadField(T, 1), QString()); // a new record starts empty and is current
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("K2"));
    }

    // A merged record keeps the fields it is not given; a batch's changes survive the batch
    // ending by an exception and reach the file.
    void mergeRecordInBatch()
    {
        openWith({QStringLiteral("K1")});
        dm->WriteField(T, 2, QStringLiteral("7"));
        try {
            DataMaster::Batch batch(*dm);
            dm->MergeRecord(T, QStringLiteral("K1"), {{1, QStringLiteral("new")}});
            dm->MergeRecord(T, QStringLiteral("K0"), {{2, QStringLiteral("3")}});
            QCOMPARE(dm->ReadField(T, 2), QStringLiteral("3"));
            throw std::runtime_error("stop");
        } catch (const std::runtime_error&) {
        }
        dm->CloseTable(T);
        dm->OpenTableFile(T, env->root() + QStringLiteral("/t.db"));
        QVERIFY(dm->FindRecord(T, QStringLiteral("K1")));
        QCOMPARE(dm->ReadField(T, 1), QStringLiteral("new"));
        QCOMPARE(dm->ReadField(T, 2), QStringLiteral("7"));
        QVERIFY(dm->FindRecord(T, QStringLiteral("K0")));
        QCOMPARE(dm->ReadField(T, 1), QString());
        QCOMPARE(dm->ReadField(T, 2), QStringLiteral("3"));
    }

    void blankRecordOfEmptyTable()
    {
        openWith({});
        QCOMPARE(dm->RecordCount(T), 0);
        QCOMPARE(dm->ReadField(T, 1), QString());
        // Writing into the blank record of an empty table stores a record with an empty key,
        // which the next scan removes.
        dm->WriteField(T, 1, QStringLiteral("x"));
        QCOMPARE(dm->RecordCount(T), 1);
        QCOMPARE(scanAll(), QStringList());
        QCOMPARE(dm->RecordCount(T), 0);
    }

    void beginScanRemovesBlankKeys()
    {
        openWith({QStringLiteral("B"), QStringLiteral("C")});
        // The key is unique, so at most one record can have the empty key.
        dm->AddRecord(T, QString());
        QCOMPARE(dm->RecordCount(T), 3);
        QCOMPARE(scanAll(), (QStringList{QStringLiteral("B"), QStringLiteral("C")}));
        QCOMPARE(dm->RecordCount(T), 2);
    }

    void scanVisitsEveryRecordInKeyOrder()
    {
        openWith({QStringLiteral("b2"), QStringLiteral("A1"), QStringLiteral("a1"), QStringLiteral("B10")});
        QCOMPARE(scanAll(), (QStringList{QStringLiteral("A1"), QStringLiteral("B10"), QStringLiteral("a1"),
                                         QStringLiteral("b2")}));
        // Writing non-key fields during a scan is allowed.
        dm->BeginScan(T);
        int n = 0;
        while (dm->GetNextRec(T)) {
            dm->WriteField(T, 2, QString::number(++n));
        }
        QCOMPARE(n, 4);
        QVERIFY(dm->FindRecord(T, QStringLiteral("b2")));
        QCOMPARE(dm->ReadField(T, 2), QStringLiteral("4"));
    }

    void emptyTableScan()
    {
        openWith({});
        dm->BeginScan(T);
        QVERIFY(!dm->GetNextRec(T));
    }

    void deletingCurrentRecordInScanIsSequenceError()
    {
        openWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        int stops = 0;
        dm->setOnSequenceError([&] { ++stops; });
        dm->BeginScan(T);
        QVERIFY(dm->GetNextRec(T));
        QVERIFY(dm->GetNextRec(T));
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("B"));
        dm->DeleteRecord(T, QStringLiteral("B"));
        QVERIFY(dm->GetNextRec(T)); // remembered record is gone: does not move
        QCOMPARE(env->dialogs.shown.size(), 0);
        QVERIFY(!dm->GetNextRec(T));
        QCOMPARE(env->dialogs.texts(),
                 QStringList{QStringLiteral(
                     "GetNextRec Sequence Error in File Number [9].  The program will now attempt to close. Report the "
                     "above Sequence and File number to the computer center now! Ignore any other errors reported "
                     "during the closing process.")});
        QCOMPARE(env->dialogs.shown.first().kind, platform::Dialogs::Kind::Error);
        QCOMPARE(env->dialogs.beeps, 1);
        QCOMPARE(stops, 1);
    }

    void readFieldInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "12" << 12;
        QTest::newRow("leading blank") << " 12" << 0;
        QTest::newRow("minus") << "-3" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("decimal") << "1.5" << 0;
        QTest::newRow("zeros") << "007" << 7;
    }
    void readFieldInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        openWith({QStringLiteral("K")});
        dm->WriteField(T, 2, text);
        QCOMPARE(dm->ReadFieldInt(T, 2), value);
    }

    void incrementField_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("blank inside") << "1 2" << "13";
        QTest::newRow("letters") << "abc" << "abc";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("blanks only") << "   " << "   ";
        QTest::newRow("plain") << "99" << "100";
    }
    void incrementField()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        openWith({QStringLiteral("K")});
        dm->WriteField(T, 2, before);
        dm->IncrementField(T, 2);
        QVERIFY(dm->FindRecord(T, QStringLiteral("K")));
        QCOMPARE(dm->ReadField(T, 2), after);
    }

    void findPrefixWalk()
    {
        openWith({QStringLiteral("ABB9"), QStringLiteral("ABC01"), QStringLiteral("ABC77"), QStringLiteral("ABD00")});
        QVERIFY(dm->FindPrefix(T, QStringLiteral("ABC12"), 3, true));
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("ABC01"));
        QVERIFY(dm->FindPrefix(T, QStringLiteral("ABC12"), 3, false));
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("ABC77"));
        QVERIFY(!dm->FindPrefix(T, QStringLiteral("ABC12"), 3, false));
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("ABD00"));
        QVERIFY(!dm->FindPrefix(T, QStringLiteral("ABC12"), 3, false)); // end of table: no move
        // Past the last key there is nothing to match.
        QVERIFY(!dm->FindPrefix(T, QStringLiteral("ZZZ"), 3, true));
    }

    // One field of the prefix's records in key order; the neighbours and the cursor are left.
    void readFieldByPrefix()
    {
        openWith({QStringLiteral("ABB9"), QStringLiteral("ABC77"), QStringLiteral("ABC01"), QStringLiteral("ABD00")});
        for (const char* key : {"ABC01", "ABC77"}) {
            dm->FindRecord(T, QString::fromLatin1(key));
            dm->WriteField(T, 2, QString::fromLatin1(key).right(2));
        }
        dm->FindRecord(T, QStringLiteral("ABB9"));
        const auto rows = dm->ReadFieldByPrefix(T, QStringLiteral("ABC"), 2);
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE(rows[0], std::make_pair(QStringLiteral("ABC01"), QStringLiteral("01")));
        QCOMPARE(rows[1], std::make_pair(QStringLiteral("ABC77"), QStringLiteral("77")));
        QCOMPARE(dm->CurrentKey(T), QStringLiteral("ABB9"));
        QVERIFY(dm->ReadFieldByPrefix(T, QStringLiteral("ZZ"), 1).empty());
    }

    void deleteByPrefixHasNoCap()
    {
        openWith({});
        for (int i = 0; i < 10050; ++i)
            dm->AddRecord(T, QStringLiteral("C1") + QString::number(i).rightJustified(5, QLatin1Char('0')));
        dm->AddRecord(T, QStringLiteral("C0"));
        dm->AddRecord(T, QStringLiteral("C2"));
        dm->DeleteByPrefix(T, QStringLiteral("C1xx"), 2);
        QCOMPARE(scanAll(), (QStringList{QStringLiteral("C0"), QStringLiteral("C2")}));
    }

    void fieldNamesAndIndexes()
    {
        openWith({});
        QCOMPARE(dm->FieldIndex(T, QStringLiteral("Count")), 2);
        QCOMPARE(dm->FieldIndex(T, QStringLiteral("count")), -1);
        QCOMPARE(dm->FieldIndex(T, QStringLiteral("Missing")), -1);
        QCOMPARE(dm->FieldName(T, 1), QStringLiteral("Name"));
    }

    void deleteAllCountsDeletions()
    {
        openWith({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        dm->DeleteAllRecords(T, true);
        QCOMPARE(dm->RecordCount(T), 0);
        QCOMPARE(dm->deletionCounter(), 3);
        dm->AddRecord(T, QStringLiteral("D"));
        dm->DeleteAllRecords(T, false);
        QCOMPARE(dm->deletionCounter(), 3);
    }

    void closedTableRaisesStorageError()
    {
        QVERIFY_THROWS_EXCEPTION(platform::StorageError, dm->FindRecord(core::Clas, QStringLiteral("x")));
        openWith({QStringLiteral("A")});
        dm->EmptyTable(T);
        QVERIFY_THROWS_EXCEPTION(platform::StorageError, dm->RecordCount(T));
        dm->OpenTableFile(T, env->root() + QStringLiteral("/t.db"));
        QCOMPARE(dm->RecordCount(T), 0);
    }

    void rekeyOntoExistingKeyIsRefused()
    {
        openWith({QStringLiteral("A"), QStringLiteral("B")});
        QVERIFY(dm->FindRecord(T, QStringLiteral("A")));
        QVERIFY_THROWS_EXCEPTION(platform::StorageError, dm->WriteField(T, 0, QStringLiteral("B")));
        QCOMPARE(dm->RecordCount(T), 2);
    }

    void sortListOrder_data()
    {
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<bool>("duplicates");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ascending, no duplicates")
            << true << false << QStringList{"Miller1", "Adams2", "Miller3", "Baker4"}
            << QStringList{"Adams2", "Baker4", "Miller1"};
        QTest::newRow("descending with duplicates, later first")
            << false << true << QStringList{"0090a", "0100b", "0090c", "0080d", "0090e"}
            << QStringList{"0100b", "0090e", "0090c", "0090a", "0080d"};
        QTest::newRow("ascending with duplicates")
            << true << true << QStringList{"B1", "A2", "B3"} << QStringList{"A2", "B3", "B1"};
    }
    void sortListOrder()
    {
        QFETCH(bool, ascending);
        QFETCH(bool, duplicates);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        // The last character is the payload; entries are padded so it sits at position 120.
        const int payload = 1;
        dm->SortListClear(1);
        for (const QString& e : added)
            dm->SortListAdd(1, e.chopped(1).leftJustified(119, QLatin1Char(' ')) + e.right(1), ascending, duplicates,
                            payload);
        QStringList got;
        for (int k = 1; k <= dm->SortListCount(1); ++k)
            got << dm->SortListEntry(1, k).left(119).trimmed() + dm->SortListPayload(1, k, payload);
        QCOMPARE(got, expected);
        QCOMPARE(dm->SortListCount(2), 0); // the lists are separate
    }
};

QTEST_GUILESS_MAIN(TestDataMaster)
#include "tst_datamaster.moc"
