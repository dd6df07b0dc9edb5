// SPDX-License-Identifier: MIT
// The equipment proposal: a condensing unit for the design load, then coolers for the chosen
// condensing unit. Each run lists the products of its key in its result grid (row 0 the
// largest undersized one, rows 1 and up the suitable ones by ascending capacity), picks one
// and writes the choice into the fields of the selection page.
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "select/capacity.h"
#include "select/selection.h"
#include "shell/numbers.h"

#include <functional>

namespace tw {

namespace {

constexpr int kResultColumns = 6;

// Field numbers of one kind of equipment: chosen row, product text, capacity.
struct ChoiceFields {
    int row;
    int text;
    int capacity;
};

// One row and six columns, row 0 empty.
void PrepareResultGrid(Grid& grid) {
    grid.SetRows(1);
    grid.SetCols(kResultColumns);
    for (int c = 0; c < kResultColumns; ++c)
        grid.SetTextMatrix(0, c, "");
}

void WriteOffer(Grid& grid, int row, const Offer& offer, const std::string& capacityText) {
    grid.SetTextMatrix(row, 0, std::to_string(offer.product));
    grid.SetTextMatrix(row, 1, capacityText);
    grid.SetTextMatrix(row, 2, offer.name);
    grid.SetTextMatrix(row, 3, offer.model);
    grid.SetTextMatrix(row, 4, offer.sheet);
    grid.SetTextMatrix(row, 5, std::to_string(offer.record));
}

Offer MakeOffer(int product, double capacity, const ProductRow& row) {
    return Offer{product, capacity, row.fields[1], row.fields[2], row.fields[3], row.link};
}

// A grid cell read as a number; a text that is not one reads as 0.
float CellNumber(const FrmMain& w, const Grid& grid, int row, int col) {
    try {
        return w.ToSingle(grid.TextMatrix(row, col));
    } catch (const ConversionError&) {
        return 0.0f;
    }
}

} // namespace

std::int32_t FrmMain::CondensingCapacity(int model, float sst, float ambient) {
    const CModel* record = Catalog.Model(model);
    if (!record) return 0;
    return tw::CondensingCapacity(Catalog.CondensingRatings(), *record, sst, ambient,
                                  CondenserFrequencyFactor);
}

float FrmMain::CoolerCapacity(float sst, float td, std::int32_t rating) {
    return tw::CoolerCapacity(sst, td, rating, CoolerFrequencyFactor);
}

float FrmMain::CondensingAmbient() {
    return DesignAmbient(GetFieldValue(field::UnitTypeCode), FieldNumber(field::CondenserAmbient),
                         FieldNumber(field::CondensingTemperature), Decimal());
}

OfferList FrmMain::CondensingOffers(float required) {
    CondenserFrequencyFactor =
        FrequencyFactor(GetFieldValue(field::UnitSupplyCode), Constant("CONDENSER50HZFACTOR"),
                        Constant("CONDENSER60HZFACTOR"));
    const auto sst =
        static_cast<float>(static_cast<double>(FieldNumber(field::SelectionRoomTemperature)) -
                           FieldNumber(field::DesignTD));
    const float ambient = CondensingAmbient();
    const std::string key =
        CondensingKey(GetFieldValue(field::UnitTypeCode), GetFieldValue(field::RefrigerantCode),
                      GetFieldValue(field::UnitLocationCode), GetFieldValue(field::UnitSupplyCode));
    OfferList offers;
    if (key.empty()) return offers;
    const std::vector<ProductRow>& products = Catalog.CondensingProducts();
    for (std::size_t i = 1; i < products.size(); ++i) {
        const ProductRow& product = products[i];
        if (product.fields[0] != key) continue;
        const CModel* model = Catalog.Model(product.link);
        if (!model || !InsideModelRanges(*model, ambient, sst, required)) continue;
        const std::int32_t capacity = CondensingCapacity(product.link, sst, ambient);
        offers.Add(MakeOffer(static_cast<int>(i), capacity, product),
                   static_cast<double>(capacity) > static_cast<double>(required));
    }
    return offers;
}

OfferList FrmMain::CoolerOffers(float required) {
    CoolerFrequencyFactor =
        FrequencyFactor(GetFieldValue(field::CoolerSupplyCode), Constant("COOLER50HZFACTOR"),
                        Constant("COOLER60HZFACTOR"));
    const float room = FieldNumber(field::SelectionRoomTemperature);
    const auto sst = static_cast<float>(static_cast<double>(room) - FieldNumber(field::DesignTD));
    const float td = FieldNumber(field::DesignTD);
    const std::string key =
        GetFieldValue(field::CoolerTypeCode) + GetFieldValue(field::CoolerSupplyCode);
    OfferList offers;
    if (key.empty()) return offers;
    const std::vector<ProductRow>& products = Catalog.CoolerProducts();
    for (std::size_t i = 1; i < products.size(); ++i) {
        const ProductRow& product = products[i];
        if (product.fields[0] != key) continue;
        const ERating* rating = Catalog.CoolerRating(product.link);
        if (!rating || !(room > static_cast<float>(rating->roomLimit))) continue;
        const float capacity = CoolerCapacity(sst, td, rating->capacity);
        offers.Add(MakeOffer(static_cast<int>(i), capacity, product), capacity >= required);
    }
    return offers;
}

void FrmMain::ClearCoolerList() {
    LogWrite(">ClearCoolerList()");
    Grid& grid = MSFlexGrid[grid::Coolers];
    grid.SetRows(1);
    for (int c = 0; c < grid.Cols(); ++c)
        grid.SetTextMatrix(0, c, "");
}

namespace {

// Writes the sorted offers into the grid, chooses a row and fills the three fields; the
// undersized product joins the drop-down list when nothing suits.
void PublishSelection(FrmMain& w, int gridNumber, int listNumber, const ChoiceFields& fields,
                      OfferList& offers, float required, float lowest,
                      const std::function<std::string(double)>& capacityText) {
    Grid& grid = w.MSFlexGrid[gridNumber];
    SortByCapacity(offers.suitable);
    grid.SetRows(static_cast<int>(offers.suitable.size()) + 1);
    if (offers.undersized)
        WriteOffer(grid, 0, *offers.undersized, capacityText(offers.undersized->capacity));
    for (std::size_t i = 0; i < offers.suitable.size(); ++i)
        WriteOffer(grid, static_cast<int>(i) + 1, offers.suitable[i],
                   capacityText(offers.suitable[i].capacity));

    const int chosen = ChooseRow(offers, required, lowest);
    if (offers.suitable.empty() && offers.undersized && w.OPTIONLIST.Exists(listNumber))
        w.OPTIONLIST[listNumber].AddItem(offers.undersized->name);

    if (chosen >= 0) {
        w.LogWrite("Chosen row " + std::to_string(chosen) + ": " +
                   grid.TextMatrix(chosen, tw::grid::result::Name));
        w.SetFieldValue(fields.row, std::to_string(chosen));
        w.SetFieldValue(fields.text, grid.TextMatrix(chosen, tw::grid::result::Name));
        w.SetFieldValue(fields.capacity,
                        w.NumberText(CellNumber(w, grid, chosen, tw::grid::result::Capacity), 7));
    } else {
        w.LogWrite("No product chosen");
        w.SetFieldValue(fields.row, "-1");
        w.SetFieldValue(fields.text, w.StringTable.size() > 14 ? w.StringTable[14] : "");
        w.SetFieldValue(fields.capacity, "0");
    }
    if (grid.Visible) w.AutoSizeTable(gridNumber);
}

} // namespace

void FrmMain::SelectCondensingUnit() {
    LogWrite(">SelectCondensingUnit()");
    ClearCoolerList();

    const auto sst =
        static_cast<float>(static_cast<double>(FieldNumber(field::SelectionRoomTemperature)) -
                           FieldNumber(field::DesignTD));
    const std::string typeCode = GetFieldValue(field::UnitTypeCode);
    const float ambient = CondensingAmbient();
    const std::string supply = GetFieldValue(field::UnitSupplyCode);
    CondenserFrequencyFactor =
        FrequencyFactor(supply, Constant("CONDENSER50HZFACTOR"), Constant("CONDENSER60HZFACTOR"));
    const float units = FieldNumber(field::UnitCount);
    float required = 0.0f;
    float lowest = 0.0f;
    if (units != 0.0f) {
        required = FieldNumber(field::DesignLoad) / units;
        lowest = LowestAcceptable(required, Constant("UNDERRANGE"));
    }
    const std::string key = CondensingKey(typeCode, GetFieldValue(field::RefrigerantCode),
                                          GetFieldValue(field::UnitLocationCode), supply);
    LogWrite("Key " + key + " sst=" + NumberText(sst, 7) + " ambient=" + NumberText(ambient, 7) +
             " required=" + NumberText(required, 7) + " lowest=" + NumberText(lowest, 7) +
             " factor=" + NumberText(CondenserFrequencyFactor, 7));

    PrepareResultGrid(MSFlexGrid[grid::CondensingUnits]);
    // No units, no division: the run ends with no choice.
    OfferList offers = units != 0.0f ? CondensingOffers(required) : OfferList();
    PublishSelection(*this, grid::CondensingUnits, list::CondensingUnit,
                     {field::UnitRow, field::CondensingUnit, field::UnitCapacity}, offers, required,
                     lowest, [this](double c) { return NumberText(c); });
}

void FrmMain::SelectCooler() {
    LogWrite(">SelectCooler()");
    const float chosenCapacity = FieldNumber(field::UnitCapacity);
    if (chosenCapacity <= 0.0f) {
        SetFieldValue(field::Cooler, StringTable.size() > 14 ? StringTable[14] : "");
        SetFieldValue(field::CoolerCapacity, "0");
        return;
    }
    ClearCoolerList();

    const float coolers = FieldNumber(field::CoolerCount);
    float required = 0.0f;
    float lowest = 0.0f;
    if (coolers != 0.0f) {
        required = FieldNumber(field::UnitCount) * chosenCapacity / coolers;
        lowest = LowestAcceptable(required, Constant("UNDERRANGE"));
    }
    const std::string key =
        GetFieldValue(field::CoolerTypeCode) + GetFieldValue(field::CoolerSupplyCode);
    CoolerFrequencyFactor =
        FrequencyFactor(GetFieldValue(field::CoolerSupplyCode), Constant("COOLER50HZFACTOR"),
                        Constant("COOLER60HZFACTOR"));

    PrepareResultGrid(MSFlexGrid[grid::Coolers]);
    OfferList offers;
    // No coolers, no division: the run ends with no choice.
    if (coolers != 0.0f) {
        int matches = 0;
        const std::vector<ProductRow>& products = Catalog.CoolerProducts();
        for (std::size_t i = 1; i < products.size(); ++i)
            if (!key.empty() && products[i].fields[0] == key) ++matches;
        if (matches > 0)
            LogWrite("Key " + key + " has " + std::to_string(matches) + " matches");
        else
            LogWrite("********************** KEY " + key + " NOT FOUND IN PRODUCT LIST");
        offers = CoolerOffers(required);
    }
    PublishSelection(*this, grid::Coolers, list::Cooler,
                     {field::CoolerRow, field::Cooler, field::CoolerCapacity}, offers, required,
                     lowest, [this](double c) { return NumberText(c, 7); });
}

} // namespace tw
