// SPDX-License-Identifier: MIT
#include "select/catalogue.h"

#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/parse.h"

#include <cmath>

namespace tw {

namespace {

// Little-endian fields of one record; bytes past the end of the file read as 0, so a short
// last record is kept as far as it goes.
class RecordView {
public:
    RecordView(const std::string& bytes, std::size_t offset) : bytes_(bytes), offset_(offset) {}
    std::uint8_t Byte(std::size_t at) const {
        std::size_t i = offset_ + at;
        return i < bytes_.size() ? static_cast<std::uint8_t>(bytes_[i]) : 0;
    }
    std::int16_t I16(std::size_t at) const {
        return static_cast<std::int16_t>(Byte(at) | (Byte(at + 1) << 8));
    }
    std::int32_t I32(std::size_t at) const {
        std::uint32_t v = static_cast<std::uint32_t>(Byte(at)) |
                          (static_cast<std::uint32_t>(Byte(at + 1)) << 8) |
                          (static_cast<std::uint32_t>(Byte(at + 2)) << 16) |
                          (static_cast<std::uint32_t>(Byte(at + 3)) << 24);
        return static_cast<std::int32_t>(v);
    }
    std::string Text(std::size_t at, std::size_t width) const {
        std::string raw;
        for (std::size_t k = 0; k < width; ++k) {
            auto b = Byte(at + k);
            raw += static_cast<char>(b ? b : ' ');
        }
        return AnsiToUtf8(raw);
    }

private:
    const std::string& bytes_;
    std::size_t offset_;
};

template <class T, class Parse>
std::vector<T> ParseRecords(const std::string& bytes, int recordLength, Parse parse) {
    int count = RecordCount(bytes.size(), recordLength);
    std::vector<T> records(static_cast<std::size_t>(count) + 2);
    for (int r = 1; r <= count; ++r)
        records[static_cast<std::size_t>(r)] = parse(RecordView(
            bytes, static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(recordLength)));
    return records;
}

} // namespace

int RecordCount(std::size_t fileLength, int recordLength) {
    double exact = static_cast<double>(fileLength) / recordLength;
    return static_cast<int>(RoundHalfEven(exact));
}

std::vector<CRating> ParseCRatings(const std::string& bytes) {
    return ParseRecords<CRating>(bytes, kCRatingSize, [](const RecordView& v) {
        return CRating{v.I16(0), v.I16(2), v.I16(4), v.I32(6)};
    });
}

std::vector<CModel> ParseCModels(const std::string& bytes) {
    return ParseRecords<CModel>(bytes, kCModelSize, [](const RecordView& v) {
        CModel m;
        m.unused = v.I16(0);
        m.firstRating = v.I32(2);
        m.ratingCount = v.I16(6);
        m.pointsPerBlock = v.I16(8);
        m.key = v.Text(10, 16);
        m.minAmbient = v.I16(26);
        m.maxAmbient = v.I16(28);
        m.minSuction = v.I16(30);
        m.maxSuction = v.I16(32);
        m.minCapacity = v.I32(34);
        m.maxCapacity = v.I32(38);
        return m;
    });
}

std::vector<ERating> ParseERatings(const std::string& bytes) {
    return ParseRecords<ERating>(bytes, kERatingSize, [](const RecordView& v) {
        return ERating{v.Text(0, 16), v.I32(16), v.I32(20)};
    });
}

std::string FixedKey(const std::string& key) {
    std::string k = Left(key, 16);
    std::size_t n = CharCount(k);
    return n < 16 ? k + std::string(16 - n, ' ') : k;
}

std::vector<ProductRow> ReadProductList(LineReader& file,
                                        const std::vector<std::string>& modelKeys) {
    std::vector<ProductRow> rows(1);
    while (!file.Eof()) {
        auto fields = ParseInput(file);
        ProductRow row;
        for (int k = 0; k < 4 && k + 1 < UpperBound(fields); ++k)
            row.fields[static_cast<std::size_t>(k)] = fields[static_cast<std::size_t>(k) + 1];
        std::string key = FixedKey(row.fields[2]);
        row.link = static_cast<int>(modelKeys.size()) + 1;
        for (std::size_t m = 0; m < modelKeys.size(); ++m)
            if (modelKeys[m] == key) {
                row.link = static_cast<int>(m) + 1;
                break;
            }
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

template <class T> std::vector<std::string> KeysOf(const std::vector<T>& records, int count) {
    std::vector<std::string> keys;
    for (int r = 1; r <= count; ++r)
        keys.push_back(records[static_cast<std::size_t>(r)].key);
    return keys;
}

template <class T> const T* Record(const std::vector<T>& records, int n) {
    if (n < 1 || n >= static_cast<int>(records.size())) return nullptr;
    return &records[static_cast<std::size_t>(n)];
}

} // namespace

void Catalogue::ReadCondensingProducts(LineReader& file) {
    cProducts_ = ReadProductList(file, KeysOf(cModels_, ModelCount()));
}

void Catalogue::ReadCoolerProducts(LineReader& file) {
    eProducts_ = ReadProductList(file, KeysOf(eRatings_, CoolerRatingCount()));
}

const CModel* Catalogue::Model(int n) const {
    return Record(cModels_, n);
}

const ERating* Catalogue::CoolerRating(int n) const {
    return Record(eRatings_, n);
}

} // namespace tw
