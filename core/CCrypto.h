#pragma once

#include <QByteArray>
#include <QString>

struct ossl_lib_ctx_st;
struct ossl_provider_st;

// Enciphers the secrets of config.ini and the user passwords: MD5 of the key text, the first
// five bytes as a 40-bit RC2 key (CBC, zero IV, PKCS #5 padding) or RC4 key, upper-case hex.
// Failures are reported under the ENDN codes and give an empty text.
class CCrypto final {
    Q_DISABLE_COPY_MOVE(CCrypto)

public:
    enum EncryptionType { RC2 = 1, RC4 = 2 };

    CCrypto();
    ~CCrypto();

    QString Encrypt(const QString& sTextToEncrypt, const QString& sPrivateKey,
                    bool bReturnTextInHex = false, int enEncryptionType = 0);
    QString Decrypt(const QString& sTextToDecrypt, const QString& sPrivateKey,
                    bool bTextSuppliedInHex = false, int enEncryptionType = 0);

private:
    QByteArray EncryptDecrypt(const QByteArray& text, const QString& key, bool encrypt, int type);
    QByteArray runCipher(const QByteArray& text, const QByteArray& key, bool encrypt, int type);
    static QString ConvertStringToHex(const QByteArray& text);
    static QByteArray ConvertStringFromHex(const QString& text);

    ossl_lib_ctx_st* context_ = nullptr;
    ossl_provider_st* legacy_ = nullptr;
    ossl_provider_st* default_ = nullptr;
};

// The one key text of the program: nine decimal digits, formed when asked for.
QString ProgramKeyText();

// How the program stores a secret (config.ini's passwords, the users' passwords): the
// program's key text, RC2, upper-case hex. An empty text stays empty.
QString EncryptSecret(const QString& plain);
// The stored form read back, blanks around it ignored.
QString DecryptSecret(const QString& stored);

// The block cipher itself, for checks against published test vectors.
namespace Rc2 {
QByteArray EncryptEcbBlock(const QByteArray& key, int effectiveBits, const QByteArray& block);
}
