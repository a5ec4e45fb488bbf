#include "core/Recordset.h"
#include "core/SqlLiteral.h"
#include "core/SqliteLike.h"
#include "core/theDBworks.h"
#include "food_orders/CustomerLookup.h"
#include "reservations/CustomerStore.h"
#include "tests/support/DataTest.h"

#include <QTest>

// The customer search on both back ends: the same text finds the same customers, every typed
// character standing for itself and letters compared without regard to case.
class TestCustomerSearch : public TestSupport::DatabaseTest {
    Q_OBJECT

    // The customers as stored, by their numbers: the last names hold what the search must
    // tell apart.
    void storeCustomers() {
        const QList<std::pair<const char*, QString>> stored{
            {"AB0001", QStringLiteral("O'Brien")},     {"AB0002", QStringLiteral("OBrien")},
            {"AB0003", QStringLiteral("100%")},        {"AB0004", QStringLiteral("Under_score")},
            {"AB0005", QStringLiteral("UnderXscore")}, {"AB0006", QStringLiteral("Back\\slash")},
            {"AB0007", QStringLiteral("\u00dcnal")},   {"AB0008", QStringLiteral("Smith")},
        };
        for (const auto& [number, lastName] : stored)
            VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_customers (cUniqueNo, cFirstName, "
                                              "cLastName) VALUES (") +
                               SqlLiteral::Text(QString::fromLatin1(number)) +
                               QStringLiteral(", 'Guest', ") + SqlLiteral::Text(lastName) +
                               QLatin1Char(')')));
    }

    static QStringList numbersOfTheSharedRows() {
        QStringList numbers;
        theDBworks::ForEachRecord(
            [&](const Recordset& row) { numbers << row.Text(QStringLiteral("cUniqueNo")); });
        numbers.sort();
        return numbers;
    }

private slots:
    void everyTypedCharacterStandsForItself_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("plain name") << "Smith" << QStringList{"AB0008"};
        QTest::newRow("plain name in other case") << "sMITH" << QStringList{"AB0008"};
        QTest::newRow("part of a name") << "Smi" << QStringList{};
        QTest::newRow("customer number with the order sign") << "#AB0008" << QStringList{"AB0008"};
        QTest::newRow("apostrophe as stored and as booked")
            << "O'Brien" << QStringList{"AB0001", "AB0002"};
        QTest::newRow("without the apostrophe") << "OBrien" << QStringList{"AB0002"};
        QTest::newRow("percent alone") << "%" << QStringList{};
        QTest::newRow("percent in a name") << "100%" << QStringList{"AB0003"};
        QTest::newRow("percent after a part") << "Smi%" << QStringList{};
        QTest::newRow("underscore") << "Under_score" << QStringList{"AB0004"};
        QTest::newRow("underscore alone") << "_" << QStringList{};
        QTest::newRow("backslash") << "Back\\slash" << QStringList{"AB0006"};
        QTest::newRow("lower case umlaut") << "\u00fcnal" << QStringList{"AB0007"};
        QTest::newRow("upper case name with umlaut") << "\u00dcNAL" << QStringList{"AB0007"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void everyTypedCharacterStandsForItself() {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        storeCustomers();
        theDBworks::OpenRecordset(CustomerStore::BookingsMatching(typed));
        QCOMPARE(numbersOfTheSharedRows(), found);
        // The food order's search reads through the same statement.
        CustomerLookup::OpenCustomersMatching(typed);
        QCOMPARE(numbersOfTheSharedRows(), found);
    }

    // LIKE's own wildcards still work on the embedded database, in any case.
    void sqliteLikeKeepsItsWildcards_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("percent") << "sm%"
                                 << "SMITH" << true;
        QTest::newRow("percent in the middle") << "s%h"
                                               << "Smith" << true;
        QTest::newRow("underscore is one letter") << "_nal"
                                                  << "\u00dcnal" << true;
        QTest::newRow("underscore is not two") << "_al"
                                               << "\u00dcnal" << false;
        QTest::newRow("escaped percent") << "100!%"
                                         << "1000" << false;
        QTest::newRow("escaped percent itself") << "100!%"
                                                << "100%" << true;
        QTest::newRow("accent") << "muller"
                                << "M\u00fcller" << true;
        QTest::newRow("accent in the pattern only") << "M\u00dcLLER"
                                                    << "muller" << true;
        QTest::newRow("accent against another letter") << "m\u00fcller"
                                                       << "Mallet" << false;
        QTest::newRow("escaped underscore") << "a!_b"
                                            << "A_B" << true;
        QTest::newRow("escaped underscore is no wildcard") << "a!_b"
                                                           << "axb" << false;
        QTest::newRow("percent over accents") << "%\u00e9%"
                                              << "Ren\u00e9e" << true;
        QTest::newRow("longer text") << "Smith"
                                     << "Smiths" << false;
    }
    // A pattern that differs from row to row is read anew for each row, on both back ends.
    void aPatternOfEachRowIsItsOwn() {
        storeCustomers();
        VERIFY_RAN(db->Run(QStringLiteral("INSERT INTO tbl_customers (cUniqueNo, cFirstName, "
                                          "cLastName) VALUES ('AB0009', 'Guest', 'SM_TH')")));
        theDBworks::OpenRecordset(
            QStringLiteral("SELECT cUniqueNo FROM tbl_customers WHERE 'smith' LIKE cLastName"));
        QCOMPARE(numbersOfTheSharedRows(), (QStringList{"AB0008", "AB0009"}));
    }

    void sqliteLikeKeepsItsWildcards() {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, matches);
        QCOMPARE(SqliteLike::Matches(pattern, text, QLatin1Char('!')), matches);
    }
};

STAYMARK_DATA_TEST_MAIN(TestCustomerSearch)
#include "tst_CustomerSearch.moc"
