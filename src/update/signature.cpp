// SPDX-License-Identifier: MIT
#include "update/signature.h"

#include <cctype>
#include <cstring>
#include <sodium.h>
#include <vector>

namespace tw {

namespace {

constexpr std::size_t kMaxLine = 4096;

bool Init() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// The lines of a small text file without their CR or LF; an overlong line ends the list.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size() && lines.size() < 8) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, std::min(end - at, kMaxLine + 1));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

// Exactly `size` bytes from base64, or nothing.
std::optional<std::vector<unsigned char>> Base64(const std::string& text, std::size_t size) {
    if (text.size() > kMaxLine) return std::nullopt;
    std::vector<unsigned char> bytes(size + 3);
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(bytes.data(), bytes.size(), text.data(), text.size(), nullptr, &length,
                          &end, sodium_base64_VARIANT_ORIGINAL) != 0 ||
        end != text.data() + text.size() || length != size)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

bool IsHex(const std::string& s) {
    for (char c : s)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

} // namespace

std::optional<PublicKey> ParsePublicKey(const std::string& text) {
    if (!Init()) return std::nullopt;
    auto lines = Lines(text);
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.size() == 2 && StartsWith(lines[0], "untrusted comment:")) lines.erase(lines.begin());
    if (lines.size() != 1) return std::nullopt;
    const auto bytes = Base64(lines[0], 2 + 8 + 32);
    if (!bytes || (*bytes)[0] != 'E' || (*bytes)[1] != 'd') return std::nullopt;
    PublicKey key;
    std::memcpy(key.keyId.data(), bytes->data() + 2, 8);
    std::memcpy(key.key.data(), bytes->data() + 10, 32);
    return key;
}

std::string KeyIdText(const std::array<unsigned char, 8>& id) {
    // minisign shows the id as a little-endian number.
    static const char* hex = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = id.size(); i-- > 0;) {
        text += hex[id[i] >> 4];
        text += hex[id[i] & 15];
    }
    return text;
}

SignatureResult VerifySignature(const std::string& message, const std::string& signature,
                                const PublicKey& key) {
    SignatureResult result;
    if (!Init()) return result;
    const auto lines = Lines(signature);
    if (lines.size() < 4 || !StartsWith(lines[0], "untrusted comment:") ||
        !StartsWith(lines[2], "trusted comment: "))
        return result;
    const auto sig = Base64(lines[1], 2 + 8 + 64);
    const auto global = Base64(lines[3], 64);
    if (!sig || !global) return result;
    const bool prehashed = (*sig)[0] == 'E' && (*sig)[1] == 'D';
    if (!prehashed && !((*sig)[0] == 'E' && (*sig)[1] == 'd')) return result;
    if (std::memcmp(sig->data() + 2, key.keyId.data(), 8) != 0) {
        result.check = SignatureCheck::ForeignKey;
        return result;
    }
    result.check = SignatureCheck::BadSignature;
    const unsigned char* signed_ = sig->data() + 10;
    const auto* bytes = reinterpret_cast<const unsigned char*>(message.data());
    int rc = 0;
    if (prehashed) {
        unsigned char hash[crypto_generichash_BYTES_MAX];
        crypto_generichash(hash, sizeof hash, bytes, message.size(), nullptr, 0);
        rc = crypto_sign_verify_detached(signed_, hash, sizeof hash, key.key.data());
    } else {
        rc = crypto_sign_verify_detached(signed_, bytes, message.size(), key.key.data());
    }
    if (rc != 0) return result;
    // The trusted comment is signed together with the signature.
    const std::string comment = lines[2].substr(std::strlen("trusted comment: "));
    std::vector<unsigned char> both(signed_, signed_ + 64);
    both.insert(both.end(), comment.begin(), comment.end());
    if (crypto_sign_verify_detached(global->data(), both.data(), both.size(), key.key.data()) != 0)
        return result;
    result.check = SignatureCheck::Good;
    result.trustedComment = comment;
    return result;
}

std::string SignedComment(const std::string& signature, const PublicKey& key) {
    if (!Init()) return std::string();
    const auto lines = Lines(signature);
    if (lines.size() < 4 || !StartsWith(lines[2], "trusted comment: ")) return std::string();
    const auto sig = Base64(lines[1], 2 + 8 + 64);
    const auto global = Base64(lines[3], 64);
    if (!sig || !global) return std::string();
    const std::string comment = lines[2].substr(std::strlen("trusted comment: "));
    std::vector<unsigned char> both(sig->data() + 10, sig->data() + 74);
    both.insert(both.end(), comment.begin(), comment.end());
    if (crypto_sign_verify_detached(global->data(), both.data(), both.size(), key.key.data()) != 0)
        return std::string();
    return comment;
}

const char* SignatureCheckText(SignatureCheck check) {
    switch (check) {
    case SignatureCheck::Good:
        return "good signature";
    case SignatureCheck::Malformed:
        return "not a minisign signature";
    case SignatureCheck::ForeignKey:
        return "signed with an unknown key";
    case SignatureCheck::BadSignature:
        return "bad signature";
    }
    return "";
}

std::optional<std::int64_t> SignedTimestamp(const std::string& trustedComment) {
    const std::string key = "timestamp:";
    const std::size_t at = trustedComment.find(key);
    if (at == std::string::npos || (at > 0 && trustedComment[at - 1] != '\t')) return std::nullopt;
    std::int64_t value = 0;
    std::size_t i = at + key.size();
    const std::size_t start = i;
    for (; i < trustedComment.size() && std::isdigit(static_cast<unsigned char>(trustedComment[i]));
         ++i) {
        if (i - start >= 18) return std::nullopt;
        value = value * 10 + (trustedComment[i] - '0');
    }
    if (i == start) return std::nullopt;
    return value;
}

std::string Sha256Hex(const std::string& bytes) {
    Init();
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    char hex[crypto_hash_sha256_BYTES * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

std::unordered_map<std::string, std::string> ParseSha256Sums(const std::string& text) {
    std::unordered_map<std::string, std::string> sums;
    std::unordered_map<std::string, bool> twice;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() < 67 || line.size() > kMaxLine || line[64] != ' ' ||
            (line[65] != ' ' && line[65] != '*'))
            continue;
        std::string digest = line.substr(0, 64);
        if (!IsHex(digest)) continue;
        for (char& c : digest)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::string name = line.substr(66);
        if (sums.count(name) || twice.count(name)) {
            sums.erase(name);
            twice[name] = true;
            continue;
        }
        sums[name] = digest;
    }
    return sums;
}

} // namespace tw
