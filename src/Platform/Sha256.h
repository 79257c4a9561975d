#pragma once
// Incremental SHA-256 (FIPS 180-4) through OpenSSL's EVP interface, which picks the
// CPU's SHA instructions where present.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

struct evp_md_ctx_st;

class Sha256 {
  public:
    using Digest = std::array<std::uint8_t, 32>;

    Sha256();
    ~Sha256();
    // A copy continues from the same state: two streams that share a prefix hash it once.
    Sha256(const Sha256& other);
    Sha256(Sha256&& other) noexcept;
    Sha256& operator=(const Sha256&) = delete;
    Sha256& operator=(Sha256&&) = delete;

    void update(const void* data, std::size_t size);
    // Ends this digest; the object starts over afterwards, ready for the next one.
    Digest finalize();

    // Lower-case hex of the first `bytes` bytes of a digest.
    static std::string hex(const Digest& digest, std::size_t bytes = 32);

  private:
    evp_md_ctx_st* context_;
};
