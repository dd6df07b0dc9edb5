// SPDX-License-Identifier: MIT
// What makes a download trustworthy: minisign signatures (Ed25519 over the file, or over its
// BLAKE2b-512 hash for the "ED" kind), the publisher's public key in minisign's format, the
// SHA-256 digests of a SHA256SUMS file. Plain functions over bytes, no files.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

namespace tw {

struct PublicKey {
    std::array<unsigned char, 8> keyId{};
    std::array<unsigned char, 32> key{};
};

// The key of a minisign public-key file ("untrusted comment: ..." and one base64 line), or
// the base64 line alone; nothing for anything else.
std::optional<PublicKey> ParsePublicKey(const std::string& text);

// The key id as minisign prints it: 16 upper-case hex digits.
std::string KeyIdText(const std::array<unsigned char, 8>& id);

enum class SignatureCheck {
    Good,
    Malformed,    // not a minisign signature file
    ForeignKey,   // made with another key than the one given
    BadSignature, // the file or the trusted comment was changed, or a forged signature
};

struct SignatureResult {
    SignatureCheck check = SignatureCheck::Malformed;
    // The signed comment (minisign writes "timestamp:<seconds>\tfile:<name>..."); only
    // meaningful when Good.
    std::string trustedComment;
};

// Checks a minisign signature file's text against the signed bytes and the key.
SignatureResult VerifySignature(const std::string& message, const std::string& signature,
                                const PublicKey& key);

// The trusted comment of a signature file when its signature over the comment is good (the
// signed file itself is not checked); "" otherwise.
std::string SignedComment(const std::string& signature, const PublicKey& key);

// Words for the log.
const char* SignatureCheckText(SignatureCheck check);

// The "timestamp:" of a trusted comment in seconds; nothing when it carries none.
std::optional<std::int64_t> SignedTimestamp(const std::string& trustedComment);

// SHA-256 of the bytes as 64 lower-case hex digits.
std::string Sha256Hex(const std::string& bytes);

// The digests of a SHA256SUMS file by name ("folder/file"): lines of 64 hex digits, two
// blanks (or a blank and "*") and the name. Other lines are skipped; a name listed twice
// keeps no digest at all, so neither copy can be installed.
std::unordered_map<std::string, std::string> ParseSha256Sums(const std::string& text);

} // namespace tw
