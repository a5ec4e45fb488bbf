#include "core/CCrypto.h"
#include "core/ErrorReport.h"
#include "tests/support/DataTest.h"

#include <QTest>

class TestCCrypto : public TestSupport::ProgramTest {
    Q_OBJECT

    // The first error report the cipher raised: the report window, once open, keeps showing it.
    static QString reportShown() { return TestSupport::Reported().value(0); }

private slots:

    // RFC 2268, section 5.
    void rc2MatchesThePublishedVectors_data() {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<int>("effectiveBits");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("cipher");
        QTest::newRow("1") << QByteArray::fromHex("0000000000000000") << 63
                           << QByteArray::fromHex("0000000000000000")
                           << QByteArray::fromHex("ebb773f993278eff");
        QTest::newRow("2") << QByteArray::fromHex("ffffffffffffffff") << 64
                           << QByteArray::fromHex("ffffffffffffffff")
                           << QByteArray::fromHex("278b27e42e2f0d49");
        QTest::newRow("3") << QByteArray::fromHex("3000000000000000") << 64
                           << QByteArray::fromHex("1000000000000001")
                           << QByteArray::fromHex("30649edf9be7d2c2");
        QTest::newRow("4") << QByteArray::fromHex("88") << 64
                           << QByteArray::fromHex("0000000000000000")
                           << QByteArray::fromHex("61a8a244adacccf0");
        QTest::newRow("5") << QByteArray::fromHex("88bca90e90875a") << 64
                           << QByteArray::fromHex("0000000000000000")
                           << QByteArray::fromHex("6ccf4308974c267f");
        QTest::newRow("6") << QByteArray::fromHex("88bca90e90875a7f0f79c384627bafb2") << 64
                           << QByteArray::fromHex("0000000000000000")
                           << QByteArray::fromHex("1a807d272bbe5db1");
        QTest::newRow("7") << QByteArray::fromHex("88bca90e90875a7f0f79c384627bafb2") << 128
                           << QByteArray::fromHex("0000000000000000")
                           << QByteArray::fromHex("2269552ab0f85ca6");
        QTest::newRow("8")
            << QByteArray::fromHex(
                   "88bca90e90875a7f0f79c384627bafb216f80a6f85920584c42fceb0be255daf1e")
            << 129 << QByteArray::fromHex("0000000000000000")
            << QByteArray::fromHex("5b78d3a43dfff1f1");
    }
    void rc2MatchesThePublishedVectors() {
        QFETCH(QByteArray, key);
        QFETCH(int, effectiveBits);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);
        QCOMPARE(Rc2::EncryptEcbBlock(key, effectiveBits, plain).toHex(), cipher.toHex());
    }

    // The recipe spelled out: MD5 of the key text, its first five bytes, 40 effective bits,
    // CBC from a zero IV, one padded block. The value is what the openssl tool gives:
    //   k=$(printf 123456789 | md5sum | cut -c1-10)
    //   printf secret | openssl enc -rc2-40-cbc -K $k -iv 0000000000000000
    //       -provider legacy -provider default | xxd -p -u   (one line)
    void encryptionFollowsTheRecipe() {
        CCrypto crypto;
        QCOMPARE(crypto.Encrypt(QStringLiteral("secret"), QStringLiteral("123456789"), true, 1),
                 QStringLiteral("765122D08C505998"));
    }

    void hexLengthFollowsTheBlocks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("digits");
        QTest::newRow("1 character") << "a" << 16;
        QTest::newRow("7 characters") << "abcdefg" << 16;
        QTest::newRow("8 characters") << "abcdefgh" << 32;
        QTest::newRow("15 characters") << "abcdefghijklmno" << 32;
    }
    void hexLengthFollowsTheBlocks() {
        QFETCH(QString, text);
        QFETCH(int, digits);
        CCrypto crypto;
        const QString hex = crypto.Encrypt(text, ProgramKeyText(), true, CCrypto::RC2);
        QCOMPARE(hex.size(), digits);
        QCOMPARE(hex, hex.toUpper());
        QCOMPARE(crypto.Decrypt(hex, ProgramKeyText(), true, CCrypto::RC2), text);
    }

    void roundTripsAndKeepsDifferentTextsApart_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::newRow("RC2 password") << 1 << "513097";
        QTest::newRow("RC2 non-ASCII") << 1 << "Größe-東京";
        QTest::newRow("RC4 text") << 2 << "frontdesk";
    }
    void roundTripsAndKeepsDifferentTextsApart() {
        QFETCH(int, type);
        QFETCH(QString, text);
        CCrypto crypto;
        const QString hex = crypto.Encrypt(text, ProgramKeyText(), true, type);
        QVERIFY(!hex.isEmpty());
        QCOMPARE(crypto.Decrypt(hex, ProgramKeyText(), true, type), text);
        QVERIFY(crypto.Encrypt(text + QStringLiteral("x"), ProgramKeyText(), true, type) != hex);
        QCOMPARE(ErrMsg, QString());
    }

    void nonAsciiPasswordsNeverEncryptAlike() {
        CCrypto crypto;
        QVERIFY(crypto.Encrypt(QStringLiteral("Zoë"), ProgramKeyText(), true, 1) !=
                crypto.Encrypt(QStringLiteral("Zoé"), ProgramKeyText(), true, 1));
    }

    void programKeyTextHasNineDigits() {
        QCOMPARE(ProgramKeyText().size(), 9);
        bool numeric = false;
        ProgramKeyText().toLongLong(&numeric);
        QVERIFY(numeric);
    }

    void failuresAreReportedUnderTheirCodes_data() {
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("errMsg");
        QTest::newRow("empty text")
            << true << "" << 1 << "Error Code : ENDN002 \r\nBoth a string and a key are required";
        QTest::newRow("type left out")
            << true << "x" << 0 << "Error Code : ENDN002 \r\nInvalid encryption type specified";
        QTest::newRow("decrypt, bad type")
            << false << "ABCD" << 3 << "Error Code : ENDN003\r\nInvalid encryption type specified";
    }
    void failuresAreReportedUnderTheirCodes() {
        QFETCH(bool, encrypt);
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(QString, errMsg);
        CCrypto crypto;
        const QString result = encrypt ? crypto.Encrypt(text, ProgramKeyText(), true, type)
                                       : crypto.Decrypt(text, ProgramKeyText(), true, type);
        QCOMPARE(result, QString());
        QCOMPARE(ErrMsg, errMsg);
        QVERIFY(reportShown().startsWith(errMsg));
    }

    void lowerCaseHexIsNotValid() {
        CCrypto crypto;
        const QString hex = crypto.Encrypt(QStringLiteral("secret"), ProgramKeyText(), true, 1);
        const QString result = crypto.Decrypt(hex.toLower(), ProgramKeyText(), true, 1);
        QVERIFY(result != QStringLiteral("secret"));
        QVERIFY(reportShown().startsWith(
            QStringLiteral("Error Code : ENDN005\r\nNot a valid hex string")));
    }

    void wrongKeyCannotDecrypt() {
        CCrypto crypto;
        const QString hex = crypto.Encrypt(QStringLiteral("secret"), ProgramKeyText(), true, 1);
        QVERIFY(crypto.Decrypt(hex, QStringLiteral("999999999"), true, 1) !=
                QStringLiteral("secret"));
    }
};

STAYMARK_DATA_TEST_MAIN(TestCCrypto)
#include "tst_CCrypto.moc"
