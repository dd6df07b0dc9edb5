// SPDX-License-Identifier: MIT
// The pieces of trust below the update service: SHA256SUMS lines, the signing time of a
// trusted comment, the public-key file and a signature checked against it (the signatures
// themselves come from the minisign tool in the end-to-end tests).
#include "update/signature.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Signature, DigestsOfASha256SumsFile) {
    const std::string a(64, 'a');
    const std::string b = std::string(63, 'B') + "0";
    const auto sums = ParseSha256Sums(a + "  opdata/help.html\r\n" +         // CR LF
                                      b + " *app/Program\n" +                // binary mark
                                      a + "  twice\n" + b + "  twice\n" +    // listed twice
                                      std::string(63, 'a') + "  short\n" +   // 63 digits
                                      std::string(64, 'g') + "  not hex\n" + // not hex
                                      a + " one blank\n");
    EXPECT_EQ(sums, (std::unordered_map<std::string, std::string>{
                        {"opdata/help.html", a}, {"app/Program", std::string(63, 'b') + "0"}}));
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

TEST(Signature, SigningTimeOfATrustedComment) {
    EXPECT_EQ(SignedTimestamp("timestamp:1765100000\tfile:Newest.ver\thashed"), 1765100000);
    EXPECT_EQ(SignedTimestamp("file:x\ttimestamp:12"), 12);
    EXPECT_FALSE(SignedTimestamp("release of May"));
    EXPECT_FALSE(SignedTimestamp("pretimestamp:12"));
    EXPECT_FALSE(SignedTimestamp("timestamp:"));
    EXPECT_FALSE(SignedTimestamp("timestamp:99999999999999999999999"));
}

TEST(Signature, PublicKeysAndSignaturesThatAreNotMinisign) {
    const std::string line = "RWQ5V+plcpMIDm2bgY5rg1w95UjfNDzsTirrB3C7JEpacjqyDtWpfSf/";
    const auto key = ParsePublicKey("untrusted comment: minisign public key\n" + line + "\n");
    ASSERT_TRUE(key);
    EXPECT_EQ(KeyIdText(key->keyId), "0E08937265EA5739");
    EXPECT_TRUE(ParsePublicKey(line));
    for (const std::string& bad :
         {std::string(""), line.substr(1), "x\n" + line + "\n" + line,
          std::string("untrusted comment: x\nRWQ5V+plcpMIDm2bgY5rg1w95UjfNDzs")})
        EXPECT_FALSE(ParsePublicKey(bad)) << bad;
    for (const std::string& bad :
         {std::string(""), std::string("untrusted comment: x\n\n\n"),
          "untrusted comment: x\n" + line + "\ntrusted comment: t\n" + line})
        EXPECT_EQ(VerifySignature("message", bad, *key).check, SignatureCheck::Malformed);
}

} // namespace
} // namespace tw
