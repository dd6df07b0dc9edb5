// SPDX-License-Identifier: MIT
// The equipment notes of the warning banner and the share of the design load the chosen pair
// delivers at its balance point (field 563).
#include "select/equipment_notes.h"

#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/lists.h"
#include "shell/numbers.h"

#include <cctype>
#include <cmath>

namespace tw {

namespace {

// Beyond this many condensing units or coolers a suggestion is no help.
constexpr int kMostUnits = 12;
constexpr int kMostCoolers = 24;

// Resource texts of the notes.
constexpr int kUnitsWould = 70;
constexpr int kCoolersWould = 71;
constexpr int kNoUnitSuits = 72;
constexpr int kNoCoolerSuits = 73;
constexpr int kBalanceUnderLoad = 74;
constexpr int kGwpAboveLimit = 75;
constexpr int kNoCoolerCount = 76;

} // namespace

std::optional<int> SmallestCount(int from, int most, int step,
                                 const std::function<bool(int)>& fits) {
    if (step < 1) step = 1;
    for (int n = from; n <= most; n += step)
        if (fits(n)) return n;
    return std::nullopt;
}

std::optional<int> StatedGwp(const std::string& item) {
    const std::size_t at = item.find("GWP");
    if (at == std::string::npos) return std::nullopt;
    std::size_t i = at + 3;
    while (i < item.size() && !std::isdigit(static_cast<unsigned char>(item[i])))
        if (item[i++] != ' ') return std::nullopt;
    int value = 0, digits = 0;
    for (; i < item.size() && std::isdigit(static_cast<unsigned char>(item[i])) && digits < 7;
         ++i, ++digits)
        value = value * 10 + (item[i] - '0');
    if (digits == 0) return std::nullopt;
    return value;
}

std::string RefrigerantName(const std::string& item) {
    return item.substr(0, item.find(" ("));
}

std::optional<int> BalanceShare(double balance, double designLoad) {
    if (!(balance > 0) || !(designLoad > 0)) return std::nullopt;
    return static_cast<int>(std::floor(balance / designLoad * 100.0 + 0.5));
}

std::string FillIn(std::string text, const std::vector<std::string>& args) {
    for (std::size_t k = args.size(); k-- > 0;) {
        const std::string mark = "%" + std::to_string(k + 1);
        for (std::size_t at = text.find(mark); at != std::string::npos;
             at = text.find(mark, at + args[k].size()))
            text.replace(at, mark.size(), args[k]);
    }
    return text;
}

int FrmMain::RefrigerantGwp() {
    if (!OPTIONLIST.Exists(list::Refrigerant) || !OPTIONVALUE.Exists(list::Refrigerant)) return 0;
    const std::string code = GetFieldValue(field::RefrigerantCode);
    const ListBox& values = OPTIONVALUE[list::Refrigerant];
    const ListBox& items = OPTIONLIST[list::Refrigerant];
    for (int i = 0; i < values.ListCount() && i < items.ListCount(); ++i)
        if (values.List(i) == code) return StatedGwp(items.List(i)).value_or(0);
    return 0;
}

float FrmMain::GwpLimit() {
    if (TEXTBOX.Exists(field::GwpLimit) && IsNumeric(GetFieldValue(field::GwpLimit)) &&
        FieldNumber(field::GwpLimit) > 0)
        return FieldNumber(field::GwpLimit);
    return Constant("GWPLIMIT");
}

void FrmMain::UpdateEquipmentNotes() {
    LogWrite(">UpdateEquipmentNotes()");
    std::vector<std::string> notes;
    const float units = FieldNumber(field::UnitCount);
    const float coolers = FieldNumber(field::CoolerCount);
    const float design = FieldNumber(field::DesignLoad);

    // A condensing unit that reaches the load, or the number of units that would.
    if (units >= 1 && design > 0 && CondensingOffers(design / units).suitable.empty()) {
        const auto n = SmallestCount(static_cast<int>(units) + 1, kMostUnits, 1, [&](int count) {
            return !CondensingOffers(design / static_cast<float>(count)).suitable.empty();
        });
        notes.push_back(n ? FillIn(StringText(kUnitsWould), {std::to_string(*n)})
                          : StringText(kNoUnitSuits));
    }

    // Coolers for the chosen condensing units, divided evenly among them.
    const float unitCapacity = FieldNumber(field::UnitCapacity);
    if (unitCapacity > 0 && units >= 1 && coolers >= 1) {
        const float total = units * unitCapacity;
        const OfferList offers = CoolerOffers(total / coolers);
        if (offers.suitable.empty()) {
            const int step = static_cast<int>(units);
            const int from = (static_cast<int>(coolers) / step + 1) * step;
            const auto m = SmallestCount(from, kMostCoolers, step, [&](int count) {
                return !CoolerOffers(total / static_cast<float>(count)).suitable.empty();
            });
            // Without any cooler of the type for this room, no number of them helps.
            notes.push_back(m ? FillIn(StringText(kCoolersWould), {std::to_string(*m)})
                            : offers.undersized ? StringText(kNoCoolerCount)
                                                : StringText(kNoCoolerSuits));
        }
    }

    // The balance point as a share of the design load, and a pair that falls short of it
    // by more than the under-range allowance.
    const auto share = BalanceShare(FieldNumber(field::BalanceCapacity), design);
    if (TEXTBOX.Exists(field::BalanceShare))
        SetFieldValue(field::BalanceShare, share ? std::to_string(*share) : "0");
    const float underRange = Constant("UNDERRANGE");
    if (share && static_cast<float>(*share) < 100.0f - underRange)
        notes.push_back(FillIn(StringText(kBalanceUnderLoad),
                               {std::to_string(*share), NumberText(underRange, 7)}));

    // The refrigerant against the regional GWP limit.
    const int gwp = RefrigerantGwp();
    const float limit = GwpLimit();
    if (gwp > 0 && limit > 0 && static_cast<float>(gwp) > limit)
        notes.push_back(
            FillIn(StringText(kGwpAboveLimit), {RefrigerantName(TEXTBOX[field::Refrigerant].Text()),
                                                std::to_string(gwp), NumberText(limit, 7)}));

    for (const std::string& note : notes)
        LogWrite("Note: " + note);
    Banner.SetNotes(std::move(notes));
    ShowBanner();
}

} // namespace tw
