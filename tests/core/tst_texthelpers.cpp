#include "core/code128.h"
#include "core/texthelpers.h"

#include <QtTest>

using namespace core;

class TestTextHelpers : public QObject
{
    Q_OBJECT
private slots:
    void digits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("allDigits");
        QTest::addColumn<int>("value");
        QTest::newRow("digits") << "0042" << true << 42;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blank") << "4 2" << false << 0;
        QTest::newRow("sign") << "+4" << false << 0;
        QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << false << 0;
        QTest::newRow("too big for int") << "99999999999" << true << 0;
    }
    void digits()
    {
        QFETCH(QString, text);
        QFETCH(bool, allDigits);
        QFETCH(int, value);
        QCOMPARE(IsAllDigits(text), allDigits);
        QCOMPARE(ToIntOrZero(text), value);
    }

    void caseAndStrip()
    {
        const QString mixed = QStringLiteral("abZ-\u00e9\u00c9");
        QCOMPARE(UpperCaseAscii(mixed), QStringLiteral("ABZ-\u00e9\u00c9"));
        QCOMPARE(LowerCaseAscii(mixed), QStringLiteral("abz-\u00e9\u00c9"));
        QCOMPARE(StripChar(QStringLiteral("1 2 3 "), QLatin1Char(' ')), QStringLiteral("123"));
    }

    void nextToken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("rest");
        QTest::newRow("first of several") << "a,b,c" << "a" << "b,c";
        QTest::newRow("empty token") << ",b" << "" << "b";
        QTest::newRow("no separator") << "abc" << "" << "abc";
        QTest::newRow("empty text") << "" << "" << "";
        QTest::newRow("separator last") << "ab," << "ab" << "";
    }
    void nextToken()
    {
        QFETCH(QString, text);
        QFETCH(QString, token);
        QFETCH(QString, rest);
        QCOMPARE(NextToken(text, QLatin1Char(',')), token);
        QCOMPARE(text, rest);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isShort");
        QTest::addColumn<QString>("normalized");
        QTest::addColumn<QString>("digits");
        QTest::newRow("short") << "12/10/26" << true << "12/10/26" << "121026";
        QTest::newRow("system date") << "1/5/2026" << false << "01/05/26" << "010526";
        QTest::newRow("two-digit year") << "3/7/04" << false << "03/07/04" << "030704";
        QTest::newRow("wrong slashes") << "1/10/2026" << false << "01/10/26" << "011026";
        QTest::newRow("letters") << "ab/cd/ef" << false << "ab/cd/ef" << "abcdef";
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(bool, isShort);
        QFETCH(QString, normalized);
        QFETCH(QString, digits);
        QCOMPARE(IsShortDate(text), isShort);
        QCOMPARE(NormalizeShortDate(text), normalized);
        QCOMPARE(DateDigits(text), digits);
    }

    void dayOfYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("expected");
        QTest::newRow("Jan 1") << 2026 << 1 << 1 << 1;
        QTest::newRow("Mar 1") << 2026 << 3 << 1 << 60;
        QTest::newRow("Mar 1 leap") << 2024 << 3 << 1 << 61;
        QTest::newRow("Feb 29 leap") << 2024 << 2 << 29 << 60;
        QTest::newRow("Dec 31") << 2026 << 12 << 31 << 365;
    }
    void dayOfYear()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, expected);
        QCOMPARE(DayOfYear(year, month, day), expected);
    }

    void daysSince_data()
    {
        QTest::addColumn<QDate>("then");
        QTest::addColumn<int>("days");
        // today is 12/10/2026
        QTest::newRow("same day") << QDate(2026, 12, 10) << 0;
        QTest::newRow("a week") << QDate(2026, 12, 3) << 7;
        QTest::newRow("eight days") << QDate(2026, 12, 2) << 8;
        QTest::newRow("last year") << QDate(2025, 12, 20) << 355;
        QTest::newRow("two years back is not a few days") << QDate(2024, 12, 12) << 730;
    }
    void daysSince()
    {
        QFETCH(QDate, then);
        QFETCH(int, days);
        QCOMPARE(DaysSince(then, QDate(2026, 12, 10)), days);
    }

    void code128Widths()
    {
        // Every symbol is 11 modules wide, the stop 13; a mistyped pattern breaks this.
        const auto& table = Code128Patterns();
        for (int i = 0; i < 107; ++i) {
            int sum = 0;
            for (QChar c : table[i])
                sum += c.digitValue();
            QCOMPARE(sum, i == 106 ? 13 : 11);
            QCOMPARE(table[i].size(), i == 106 ? 7 : 6);
        }
        QCOMPARE(table[104], QStringLiteral("211214")); // start B
        QCOMPARE(table[106], QStringLiteral("2331112"));
    }
};

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_texthelpers.moc"
