#include "common/StoreAccess.h"

#include <atomic>

namespace {

std::atomic<bool> g_readOnly{false};
std::atomic<bool> g_encrypted{false};

} // namespace

void StoreAccess::setReadOnly(bool readOnly) {
    g_readOnly = readOnly;
}

bool StoreAccess::readOnly() {
    return g_readOnly;
}

void StoreAccess::setEncrypted(bool encrypted) {
    g_encrypted = encrypted;
}

bool StoreAccess::encrypted() {
    return g_encrypted;
}
