#include "update/UpdateSignature.h"

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>

namespace {

constexpr qsizetype SignatureBytes = 64;

struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

QByteArray strictBase64(const QByteArray& text) {
    const auto decoded = QByteArray::fromBase64Encoding(
        text.trimmed(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

} // namespace

void UpdateSignature::KeyFree::operator()(evp_pkey_st* key) const {
    EVP_PKEY_free(key);
}

UpdateSignature::UpdateSignature(const QStringList& base64Keys) {
    for (const QString& text : base64Keys) {
        const QByteArray der = strictBase64(text.toLatin1());
        const auto* bytes = reinterpret_cast<const unsigned char*>(der.constData());
        std::unique_ptr<EVP_PKEY, KeyFree> key(d2i_PUBKEY(nullptr, &bytes, der.size()));
        // A key of another kind would accept signatures of another scheme.
        if (key && EVP_PKEY_get_base_id(key.get()) == EVP_PKEY_ED25519)
            m_keys.push_back(std::move(key));
    }
}

UpdateSignature::~UpdateSignature() = default;

bool UpdateSignature::verifies(const QByteArray& content, const QByteArray& signatureFile) const {
    const QByteArray signature = strictBase64(signatureFile);
    if (signature.size() != SignatureBytes)
        return false;
    for (const auto& key : m_keys) {
        const std::unique_ptr<EVP_MD_CTX, ContextFree> context(EVP_MD_CTX_new());
        // Ed25519 signs the message itself: no digest is named, and the whole content is
        // passed at once.
        if (context &&
            EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
            EVP_DigestVerify(context.get(),
                             reinterpret_cast<const unsigned char*>(signature.constData()),
                             static_cast<size_t>(signature.size()),
                             reinterpret_cast<const unsigned char*>(content.constData()),
                             static_cast<size_t>(content.size())) == 1)
            return true;
    }
    return false;
}
