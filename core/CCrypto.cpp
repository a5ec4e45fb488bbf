#include "core/CCrypto.h"

#include "core/ErrorReport.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/provider.h>

#include <memory>

namespace {

constexpr long kNoContext = 0x80040420;
constexpr long kNoHash = 0x80040421;
constexpr long kNoHashData = 0x80040422;
constexpr long kNoKey = 0x80040423;
constexpr long kNoEncrypt = 0x80040424;
constexpr long kNoDecrypt = 0x80040425;
constexpr long kBadHex = 0x80040426;
constexpr long kMissingInput = 0x80040427;
constexpr long kBadType = 0x80040428;

constexpr int kKeyBytes = 5; // the provider's default 40-bit key
constexpr unsigned int kEffectiveBits = 40;

[[noreturn]] void raise(long number, const char* description) {
    throw StaymarkError(QString::fromLatin1(description), number);
}

struct CipherFree {
    void operator()(EVP_CIPHER* c) const { EVP_CIPHER_free(c); }
    void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
    void operator()(EVP_MD* m) const { EVP_MD_free(m); }
};
using CipherPtr = std::unique_ptr<EVP_CIPHER, CipherFree>;
using CipherCtxPtr = std::unique_ptr<EVP_CIPHER_CTX, CipherFree>;
using DigestPtr = std::unique_ptr<EVP_MD, CipherFree>;

void checkArguments(const QString& text, const QString& key, int type) {
    if (type != CCrypto::RC2 && type != CCrypto::RC4)
        raise(kBadType, "Invalid encryption type specified");
    if (text.isEmpty() || key.isEmpty())
        raise(kMissingInput, "Both a string and a key are required");
}

// Sets up a cipher context on key bytes; RC2 also takes its effective key length.
bool initCipher(EVP_CIPHER_CTX* ctx, const EVP_CIPHER* cipher, const QByteArray& key,
                unsigned int rc2Bits, const unsigned char* iv, bool encrypt) {
    if (EVP_CipherInit_ex2(ctx, cipher, nullptr, nullptr, encrypt ? 1 : 0, nullptr) != 1)
        return false;
    if (EVP_CIPHER_CTX_set_key_length(ctx, int(key.size())) != 1)
        return false;
    if (rc2Bits > 0) {
        OSSL_PARAM params[] = {OSSL_PARAM_construct_uint(OSSL_CIPHER_PARAM_RC2_KEYBITS, &rc2Bits),
                               OSSL_PARAM_construct_end()};
        if (EVP_CIPHER_CTX_set_params(ctx, params) != 1)
            return false;
    }
    return EVP_CipherInit_ex2(ctx, nullptr, reinterpret_cast<const unsigned char*>(key.constData()),
                              iv, encrypt ? 1 : 0, nullptr) == 1;
}

// One pass of a cipher over the whole text as its final block; empty optional on failure.
bool cipherAll(EVP_CIPHER_CTX* ctx, const QByteArray& in, QByteArray& out) {
    out.resize(in.size() + EVP_MAX_BLOCK_LENGTH);
    int written = 0;
    int finalWritten = 0;
    auto* dest = reinterpret_cast<unsigned char*>(out.data());
    if (EVP_CipherUpdate(ctx, dest, &written,
                         reinterpret_cast<const unsigned char*>(in.constData()),
                         int(in.size())) != 1)
        return false;
    if (EVP_CipherFinal_ex(ctx, dest + written, &finalWritten) != 1)
        return false;
    out.resize(written + finalWritten);
    return true;
}

} // namespace

CCrypto::CCrypto() {
    Guarded(QStringLiteral("ENDN006"), [this] {
        context_ = OSSL_LIB_CTX_new();
        // RC2 and RC4 live in OpenSSL's legacy provider; MD5 in its default one.
        legacy_ = context_ ? OSSL_PROVIDER_load(context_, "legacy") : nullptr;
        default_ = context_ ? OSSL_PROVIDER_load(context_, "default") : nullptr;
        if (!legacy_ || !default_)
            raise(kNoContext, "Could not acquire context");
    });
}

CCrypto::~CCrypto() {
    Guarded(QStringLiteral("ENDN007"), [this] {
        if (legacy_)
            OSSL_PROVIDER_unload(legacy_);
        if (default_)
            OSSL_PROVIDER_unload(default_);
        if (context_)
            OSSL_LIB_CTX_free(context_);
    });
}

QString CCrypto::Encrypt(const QString& sTextToEncrypt, const QString& sPrivateKey,
                         bool bReturnTextInHex, int enEncryptionType) {
    return Guarded(QStringLiteral("ENDN002 "), [&] {
        checkArguments(sTextToEncrypt, sPrivateKey, enEncryptionType);
        const QByteArray cipherText =
            EncryptDecrypt(sTextToEncrypt.toUtf8(), sPrivateKey, true, enEncryptionType);
        return bReturnTextInHex ? ConvertStringToHex(cipherText) : QString::fromLatin1(cipherText);
    });
}

QString CCrypto::Decrypt(const QString& sTextToDecrypt, const QString& sPrivateKey,
                         bool bTextSuppliedInHex, int enEncryptionType) {
    return Guarded(QStringLiteral("ENDN003"), [&] {
        checkArguments(sTextToDecrypt, sPrivateKey, enEncryptionType);
        const QByteArray cipherText =
            bTextSuppliedInHex ? ConvertStringFromHex(sTextToDecrypt) : sTextToDecrypt.toLatin1();
        return QString::fromUtf8(EncryptDecrypt(cipherText, sPrivateKey, false, enEncryptionType));
    });
}

QByteArray CCrypto::EncryptDecrypt(const QByteArray& text, const QString& key, bool encrypt,
                                   int type) {
    return Guarded(QStringLiteral("ENDN001"), [&] {
        if (!legacy_ || !default_)
            raise(kNoHash, "Could not create hash");
        DigestPtr md5(EVP_MD_fetch(context_, "MD5", nullptr));
        if (!md5)
            raise(kNoHash, "Could not create hash");
        const QByteArray keyBytes = key.toUtf8();
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int digestLength = 0;
        if (EVP_Digest(keyBytes.constData(), size_t(keyBytes.size()), digest, &digestLength,
                       md5.get(), nullptr) != 1)
            raise(kNoHashData, "Could not create hash data");
        const QByteArray derivedKey(reinterpret_cast<const char*>(digest), kKeyBytes);
        return runCipher(text, derivedKey, encrypt, type);
    });
}

QByteArray CCrypto::runCipher(const QByteArray& text, const QByteArray& key, bool encrypt,
                              int type) {
    const bool rc2 = type == RC2;
    CipherPtr cipher(EVP_CIPHER_fetch(context_, rc2 ? "RC2-CBC" : "RC4", nullptr));
    CipherCtxPtr ctx(EVP_CIPHER_CTX_new());
    const unsigned char zeroIv[8] = {};
    if (!cipher || !ctx ||
        !initCipher(ctx.get(), cipher.get(), key, rc2 ? kEffectiveBits : 0, rc2 ? zeroIv : nullptr,
                    encrypt))
        raise(kNoKey, "Could not derive key");
    QByteArray out;
    if (!cipherAll(ctx.get(), text, out)) {
        if (encrypt)
            raise(kNoEncrypt, "Could not encrypt data");
        raise(kNoDecrypt, "Could not decrypt data");
    }
    return out;
}

QString CCrypto::ConvertStringToHex(const QByteArray& text) {
    return Guarded(QStringLiteral("ENDN004"),
                   [&] { return QString::fromLatin1(text.toHex().toUpper()); });
}

QByteArray CCrypto::ConvertStringFromHex(const QString& text) {
    return Guarded(QStringLiteral("ENDN005"), [&] {
        if (text.size() % 2 != 0)
            raise(kBadHex, "Not a valid hex string");
        for (QChar c : text)
            if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                  (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
                raise(kBadHex, "Not a valid hex string");
        return QByteArray::fromHex(text.toLatin1());
    });
}

namespace {
CCrypto& secretsCrypto() {
    static auto crypto = std::make_unique<CCrypto>();
    return *crypto;
}
} // namespace

QString EncryptSecret(const QString& plain) {
    if (plain.isEmpty())
        return {};
    return secretsCrypto().Encrypt(plain, ProgramKeyText(), true, CCrypto::RC2);
}

QString DecryptSecret(const QString& stored) {
    const QString hex = stored.trimmed();
    if (hex.isEmpty())
        return {};
    return secretsCrypto().Decrypt(hex, ProgramKeyText(), true, CCrypto::RC2);
}

QString ProgramKeyText() {
    constexpr qint64 kKeyNumber = 418276395;
    return QString::number(kKeyNumber);
}

namespace Rc2 {

QByteArray EncryptEcbBlock(const QByteArray& key, int effectiveBits, const QByteArray& block) {
    std::unique_ptr<OSSL_LIB_CTX, decltype(&OSSL_LIB_CTX_free)> context(OSSL_LIB_CTX_new(),
                                                                        &OSSL_LIB_CTX_free);
    if (!context)
        return {};
    // Let go of before the context, and after the cipher that uses it.
    std::unique_ptr<OSSL_PROVIDER, decltype(&OSSL_PROVIDER_unload)> legacy(
        OSSL_PROVIDER_load(context.get(), "legacy"), &OSSL_PROVIDER_unload);
    if (!legacy)
        return {};
    CipherPtr cipher(EVP_CIPHER_fetch(context.get(), "RC2-ECB", nullptr));
    CipherCtxPtr ctx(EVP_CIPHER_CTX_new());
    if (!cipher || !ctx ||
        !initCipher(ctx.get(), cipher.get(), key, unsigned(effectiveBits), nullptr, true))
        return {};
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    QByteArray out;
    return cipherAll(ctx.get(), block, out) ? out : QByteArray();
}

} // namespace Rc2
