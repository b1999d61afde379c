#pragma once

#include <QStringList>

// The update public keys this build was configured with (THERMBOOK_UPDATE_KEYS), each the
// base64 text of an Ed25519 public key in DER form. Empty for a build without a key, which
// refuses every update.
namespace UpdateKeys {

[[nodiscard]] QStringList BuiltIn();

} // namespace UpdateKeys
