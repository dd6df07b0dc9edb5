// SPDX-License-Identifier: MIT
// What the update service makes of the server's answers: the signature file, the public key,
// the signed comment and its time stamp, and SHA256SUMS. The input is split at NUL bytes
// into the signed body, the signature file and the key; the body is also read as
// SHA256SUMS and as a key of its own.
#include "update/signature.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size() && parts.size() < 3; ++i)
        if (i == bytes.size() || bytes[i] == '\0') {
            parts.push_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    parts.resize(3);
    const std::string& body = parts[0];
    const std::string& signature = parts[1];
    tw::ParseSha256Sums(body);
    tw::ParsePublicKey(body);
    // A fixed key when the input carries none, so the signature checks always run.
    tw::PublicKey key;
    if (auto parsed = tw::ParsePublicKey(parts[2])) key = *parsed;
    const tw::SignatureResult result = tw::VerifySignature(body, signature, key);
    tw::SignatureCheckText(result.check);
    tw::SignedTimestamp(tw::SignedComment(signature, key));
    tw::SignedTimestamp(body);
    return 0;
}
