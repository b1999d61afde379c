#pragma once

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <vector>

struct evp_pkey_st;

// Checks an update file against its detached Ed25519 signature, with the public keys the
// program was built with. Anyone between the office and the update server can hand over a
// file of their choosing; only a signature made with the update key lets it through.
class UpdateSignature {
public:
    // Each key is the base64 text of an Ed25519 public key in DER form, as the line between
    // the BEGIN and END lines of `openssl pkey -pubout`. Texts that are not such a key are
    // passed over.
    explicit UpdateSignature(const QStringList& base64Keys);
    ~UpdateSignature();
    UpdateSignature(const UpdateSignature&) = delete;
    UpdateSignature& operator=(const UpdateSignature&) = delete;

    [[nodiscard]] bool hasKeys() const { return !m_keys.empty(); }

    // True when `signatureFile` (the 64 signature bytes in base64 on one line) is a
    // signature of `content` by one of the keys.
    [[nodiscard]] bool verifies(const QByteArray& content, const QByteArray& signatureFile) const;

private:
    struct KeyFree {
        void operator()(evp_pkey_st* key) const;
    };
    std::vector<std::unique_ptr<evp_pkey_st, KeyFree>> m_keys;
};
