// SPDX-License-Identifier: MIT
// Choosing one product among the catalogue's candidates: the suitable products sorted by
// capacity, the largest undersized one kept aside, and the rule that picks between the
// smallest suitable product and a slightly undersized one that comes closer to the load.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

// One product as a result grid lists it.
struct Offer {
    int product = 0;     // row in its product list
    double capacity = 0; // at the design conditions, Btu/h
    std::string name;    // product list field 2
    std::string model;   // field 3
    std::string sheet;   // field 4
    int record = 0;      // the linked catalogue record
};

// The products of one selection run: `undersized` is row 0 of the result grid, `suitable`
// rows 1 and up.
struct OfferList {
    std::optional<Offer> undersized;
    std::vector<Offer> suitable;

    // A product that does not suit replaces the undersized one unless that is larger, so the
    // largest undersized product stays, the last of equal ones in list order.
    void Add(Offer offer, bool suits);
};

// Ascending capacity by exchange: for every pair i < j the rows change places whenever
// capacity(j) <= capacity(i), so products of equal capacity come out in reverse list order.
void SortByCapacity(std::vector<Offer>& rows);

// The grid row to choose: 1 (the smallest suitable product), 0 (the undersized one, when it
// exceeds `lowest` and lies strictly closer to `required` than row 1, or when nothing suits
// and it exceeds `lowest`), or -1 for no choice.
int ChooseRow(const OfferList& offers, float required, float lowest);

// The lowest capacity still accepted: (100 - underRange) percent of the requirement.
float LowestAcceptable(float required, float underRangePercent);

// Product key of a condensing unit: the first character of the type code, then the
// refrigerant, location and supply codes.
std::string CondensingKey(const std::string& typeCode, const std::string& refrigerant,
                          const std::string& location, const std::string& supply);

// The ambient a condensing unit of this type code is rated at: the rest of the code after its
// first character is "-" or "a" for the air at the unit (`ambient`), "c" for the condensing
// temperature (`condensing`), otherwise a fixed temperature written as a number (0 when it
// is not one).
float DesignAmbient(const std::string& typeCode, float ambient, float condensing, char decimal);

} // namespace tw
