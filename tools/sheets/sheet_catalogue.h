// SPDX-License-Identifier: MIT
// The catalogue as the documents present it: the condensing units and coolers of the five
// catalogue files with their product lines, and the capacities the documents quote.
#pragma once

#include "select/catalogue.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tw::sheets {

struct Product {
    std::string key, name, first, second; // `first`, `second`: the details of the name
};

struct Unit {
    const CModel* model = nullptr;
    std::string key;
    std::vector<int> suctions; // block order: highest first
    std::vector<int> ambients; // ascending
    std::map<std::pair<int, int>, std::int32_t> capacity;
    std::vector<Product> products;
    std::string family, refrigerant;
    bool water = false;
    char range = 'M';                 // H, M or L, from the suction range
    int ratingSst = 0, ratingAmb = 0; // the rating point the catalogue quotes
    std::vector<std::string> supplies, locations;
};

struct Cooler {
    const ERating* rating = nullptr;
    std::string key;
    std::vector<Product> products;
    char type = '?';
    std::string defrost; // "air defrost", ...
    std::vector<std::string> frequencies;
};

struct Catalogue {
    std::vector<CRating> cRatings;
    std::vector<CModel> cModels;
    std::vector<ERating> eRatings;
    std::vector<Unit> units;
    std::vector<Cooler> coolers;
    std::map<std::string, const Unit*> unitSheets;
    std::map<std::string, const Cooler*> coolerSheets;
    float condenser50 = 0, cooler50 = 0;
    std::size_t unitLines = 0, coolerLines = 0;
};

// Reads the five catalogue files in `folder` and the 50 Hz factors of the resource file.
Catalogue ReadCatalogue(const std::filesystem::path& folder, const std::filesystem::path& resource);

std::string RangeName(char range);
std::string CoolerTypeName(char type);
std::string CoolerTypeShort(char type);

std::int32_t UnitCapacity(const Catalogue& cat, const Unit& u, int sst, int amb, float factor);

// A capacity as the catalogue quotes it: to 10 Btu/h.
long long Nominal(double capacity);

std::string RatingPoint(const Unit& u);

} // namespace tw::sheets
