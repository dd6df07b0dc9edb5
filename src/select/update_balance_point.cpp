// SPDX-License-Identifier: MIT
// The balance point of the chosen condensing units and coolers (fields 560 to 562).
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "select/balance_point.h"
#include "shell/numbers.h"

#include <cmath>
#include <optional>

namespace tw {

namespace {

// A field or cell text read as a whole number; nothing when it is not a number.
std::optional<int> WholeNumber(const FrmMain& w, const std::string& text) {
    if (!w.IsNumeric(text)) return std::nullopt;
    const double value = RoundHalfEven(w.ToSingle(text));
    if (!std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
    return static_cast<int>(value);
}

// The cell of a row, or nothing when the grid has no such row.
std::optional<std::string> Cell(const Grid& grid, int row, int col) {
    if (row < 0 || row >= grid.Rows() || col >= grid.Cols()) return std::nullopt;
    return grid.TextMatrix(row, col);
}

// The rating of the cooler in a row of the cooler results: the row's product, the rating it
// links to; nothing when the row leads nowhere.
const ERating* ChosenCooler(const FrmMain& w, const std::string& coolerRow) {
    const auto s = WholeNumber(w, coolerRow);
    const auto productCell = s ? Cell(w.MSFlexGrid[grid::Coolers], *s, 0) : std::nullopt;
    const auto product = productCell ? WholeNumber(w, *productCell) : std::nullopt;
    const std::vector<ProductRow>& products = w.Catalog.CoolerProducts();
    if (!product || *product < 1 || *product >= static_cast<int>(products.size())) return nullptr;
    return w.Catalog.CoolerRating(products[static_cast<std::size_t>(*product)].link);
}

} // namespace

void FrmMain::UpdateBalancePoint() {
    LogWrite(">UpdateBalancePoint()");
    // Whatever the outcome, the banner's equipment notes follow the selection.
    struct NotesAfter {
        FrmMain& w;
        ~NotesAfter() { w.UpdateEquipmentNotes(); }
    } notesAfter{*this};
    // A missing choice, and anything that does not lead to a single finite intersection,
    // shows "0" in all three fields.
    auto noBalance = [this] {
        SetFieldValue(field::BalanceCapacity, "0");
        SetFieldValue(field::BalanceSST, "0");
        SetFieldValue(field::BalanceTD, "0");
    };
    const std::string unitRow = GetFieldValue(field::UnitRow);
    const std::string coolerRow = GetFieldValue(field::CoolerRow);
    if (FieldNumber(field::UnitCapacity) == 0.0f || unitRow.empty() ||
        FieldNumber(field::UnitRow) == -1.0f || FieldNumber(field::CoolerCapacity) == 0.0f ||
        coolerRow.empty() || FieldNumber(field::CoolerRow) == -1.0f ||
        FieldNumber(field::UnitRow) < 0.0f || FieldNumber(field::CoolerRow) < 0.0f) {
        noBalance();
        return;
    }
    const auto units = static_cast<float>(RoundHalfEven(FieldNumber(field::UnitCount)));
    const auto coolers = static_cast<float>(RoundHalfEven(FieldNumber(field::CoolerCount)));

    // The condensing unit as the selection listed it, and its capacity 5 °F away.
    const Grid& unitGrid = MSFlexGrid[grid::CondensingUnits];
    const auto r = WholeNumber(*this, unitRow);
    const auto modelCell = r ? Cell(unitGrid, *r, 5) : std::nullopt;
    const auto model = modelCell ? WholeNumber(*this, *modelCell) : std::nullopt;
    const CModel* record = model ? Catalog.Model(*model) : nullptr;
    if (!record) {
        noBalance();
        return;
    }
    const auto q1Text = Cell(unitGrid, *r, 1);
    const float q1 = q1Text && IsNumeric(*q1Text) ? ToSingle(*q1Text) : 0.0f;
    const auto sst =
        static_cast<float>(static_cast<double>(FieldNumber(field::SelectionRoomTemperature)) -
                           FieldNumber(field::DesignTD));
    const float sst2 = SecondSuction(sst, record->minSuction);
    const float ambient = CondensingAmbient();
    const auto q2 = static_cast<float>(CondensingCapacity(*model, sst2, ambient));

    const ERating* rating = ChosenCooler(*this, coolerRow);
    if (!rating) {
        noBalance();
        return;
    }
    const float rated = CoolerCapacity(sst, 10.0f, rating->capacity);

    BalanceInput in;
    in.room = FieldNumber(field::SelectionRoomTemperature);
    in.sst = sst;
    in.sst2 = sst2;
    in.condensingAtSst = units * q1;
    in.condensingAtSst2 = units * q2;
    in.coolersAt10 = coolers * rated;
    LogWrite("Balance sst=" + NumberText(sst, 7) + " sst2=" + NumberText(sst2, 7) + " Qc1=" +
             NumberText(in.condensingAtSst, 7) + " Qc2=" + NumberText(in.condensingAtSst2, 7) +
             " Q10=" + NumberText(in.coolersAt10, 7));
    const auto point = IntersectCapacityLines(in);
    if (!point) {
        LogWrite("No balance point");
        noBalance();
        return;
    }
    SetFieldValue(field::BalanceCapacity,
                  NumberText(Int(static_cast<double>(point->capacity) + 0.5)));
    SetFieldValue(field::BalanceSST, NumberText(point->sst, 7));
    SetFieldValue(field::BalanceTD, NumberText(point->td, 7));
}

} // namespace tw
