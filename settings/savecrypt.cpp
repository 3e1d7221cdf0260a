#include "settings/savecrypt.h"

#include <sodium.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace savecrypt {
namespace {

// The three pieces of the 48-byte key seed. Changing any of them makes every
// existing settings file unreadable (it is then set aside as damaged).
constexpr std::uint8_t kSeeds[16] = {0x3b, 0x91, 0x5e, 0xc7, 0x08, 0xa4, 0x6d, 0xf2,
                                     0x17, 0x89, 0xce, 0x40, 0xb5, 0x2a, 0x73, 0xe9};
constexpr std::uint8_t kConstant[16] = {0xd4, 0x62, 0x0f, 0x9a, 0x51, 0xbe, 0x84, 0x1c,
                                        0xe7, 0x35, 0x7b, 0xa0, 0x4f, 0xc9, 0x16, 0x58};
constexpr char kLabel[17] = "velmora-store-v1";

constexpr char kMagic[4] = {'V', 'L', 'M', 'S'};
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kNonceBytes = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr std::size_t kTagBytes = crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr std::size_t kKeyBytes = crypto_aead_xchacha20poly1305_ietf_KEYBYTES;
constexpr std::size_t kNonceAt = 5;
constexpr std::size_t kTagAt = kNonceAt + kNonceBytes;
constexpr std::size_t kHeaderBytes = kTagAt + kTagBytes;
static_assert(kNonceBytes == 24 && kTagBytes == 16 && kKeyBytes == 32 && kHeaderBytes == 45);

void init_once() {
  // Thread-safe one-time initialisation; sodium_init() itself is idempotent.
  static const int g_init = sodium_init();
  (void)g_init;
}

void derive_key(std::uint8_t key[32]) {
  std::uint8_t seed[48];
  std::memcpy(seed, kSeeds, 16);
  std::memcpy(seed + 16, kConstant, 16);
  std::memcpy(seed + 32, kLabel, 16);
  crypto_generichash(key, kKeyBytes, seed, sizeof seed, nullptr, 0);
  sodium_memzero(seed, sizeof seed);
}

void make_nonce(std::uint8_t out[24]) {
  try {
    std::random_device rd("default");
    for (int i = 0; i < 6; ++i) {
      std::uint32_t v = rd();
      std::memcpy(out + 4 * i, &v, 4);
    }
  } catch (...) {
    // No random device: the library's own generator still gives a fresh nonce,
    // which is what keeps two seals under the one fixed key apart.
    randombytes_buf(out, 24);
  }
  const auto t = static_cast<std::uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  for (int k = 0; k < 8; ++k) out[k] ^= static_cast<std::uint8_t>(t >> (8 * k));
}

}  // namespace

std::string encrypt(const std::string& plain) {
  init_once();
  std::uint8_t key[32];
  derive_key(key);
  std::uint8_t nonce[24];
  make_nonce(nonce);

  std::string out(kHeaderBytes + plain.size(), '\0');
  auto* bytes = reinterpret_cast<unsigned char*>(out.data());
  std::memcpy(bytes, kMagic, 4);
  bytes[4] = kVersion;
  std::memcpy(bytes + kNonceAt, nonce, kNonceBytes);
  crypto_aead_xchacha20poly1305_ietf_encrypt_detached(
      bytes + kHeaderBytes, bytes + kTagAt, nullptr,
      reinterpret_cast<const unsigned char*>(plain.data()), plain.size(), nullptr, 0, nullptr,
      nonce, key);
  sodium_memzero(key, sizeof key);
  return out;
}

int decrypt(const std::string& sealed, std::string* plain) {
  if (plain != nullptr) plain->clear();
  if (sealed.empty()) return 1;
  if (sealed.size() < kHeaderBytes || std::memcmp(sealed.data(), kMagic, 4) != 0 ||
      static_cast<std::uint8_t>(sealed[4]) != kVersion) {
    return 2;
  }
  init_once();
  std::uint8_t key[32];
  derive_key(key);
  const auto* bytes = reinterpret_cast<const unsigned char*>(sealed.data());
  const std::size_t n = sealed.size() - kHeaderBytes;
  // One spare byte so that an empty text still has a valid buffer.
  std::vector<unsigned char> buf(n + 1);
  const int rc = crypto_aead_xchacha20poly1305_ietf_decrypt_detached(
      buf.data(), nullptr, bytes + kHeaderBytes, n, bytes + kTagAt, nullptr, 0,
      bytes + kNonceAt, key);
  sodium_memzero(key, sizeof key);
  if (rc == 0 && plain != nullptr) plain->assign(reinterpret_cast<const char*>(buf.data()), n);
  sodium_memzero(buf.data(), buf.size());
  return rc == 0 ? 0 : 2;
}

}  // namespace savecrypt
