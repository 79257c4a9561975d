#include "Platform/Sha256.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <new>

namespace {
// OpenSSL sets itself up on first use, and a worker thread that happens to do so keeps
// state that is never freed when the thread ends (LeakSanitizer finds it). Setting it up
// when the program starts, on the main thread, leaves the workers none of it.
[[maybe_unused]] const bool kOpenSslReady = OPENSSL_init_crypto(OPENSSL_INIT_LOAD_CONFIG, nullptr) == 1;
} // namespace

Sha256::Sha256() : context_(EVP_MD_CTX_new())
{
    if (!context_ || EVP_DigestInit_ex(context_, EVP_sha256(), nullptr) != 1) {
        EVP_MD_CTX_free(context_);
        throw std::bad_alloc();
    }
}

Sha256::Sha256(const Sha256& other) : context_(EVP_MD_CTX_new())
{
    if (!context_ || EVP_MD_CTX_copy_ex(context_, other.context_) != 1) {
        EVP_MD_CTX_free(context_);
        throw std::bad_alloc();
    }
}

Sha256::Sha256(Sha256&& other) noexcept : context_(other.context_) { other.context_ = nullptr; }

Sha256::~Sha256() { EVP_MD_CTX_free(context_); }

void Sha256::update(const void* data, std::size_t size)
{
    if (size > 0)
        EVP_DigestUpdate(context_, data, size);
}

Sha256::Digest Sha256::finalize()
{
    Digest digest{};
    unsigned int length = 0;
    EVP_DigestFinal_ex(context_, digest.data(), &length);
    EVP_DigestInit_ex(context_, EVP_sha256(), nullptr);
    return digest;
}

std::string Sha256::hex(const Digest& digest, std::size_t bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes * 2);
    for (std::size_t i = 0; i < bytes && i < digest.size(); ++i) {
        out.push_back(kDigits[digest[i] >> 4]);
        out.push_back(kDigits[digest[i] & 0x0F]);
    }
    return out;
}
