// SPDX-License-Identifier: MIT
// Equipment results that explain themselves, on the shipped template job: the low-GWP
// refrigerants of the catalogue chosen end to end, the banner's notes when no model reaches
// the load, when the pair balances under it and when the refrigerant is above the GWP limit.
#include "job_support.h"

namespace tw::test {
namespace {

class EquipmentNotes : public JobFixture {
protected:
    void Refrigerant(const std::string& item) {
        Choose(*w, 504, item);
        w->Calculate();
    }
    std::vector<std::string> Notes() { return w->Banner.Notes(); }
};

struct NewRefrigerant {
    const char* item;
    const char* model;        // model-key start of the chosen unit at 35 °F (medium temperature)
    const char* lowModel;     // and at -10 °F (low temperature)
    const char* freezerUnits; // units for the freezer: propane units stop at 3 hp
};

class NewRefrigerants : public EquipmentNotes,
                        public ::testing::WithParamInterface<NewRefrigerant> {};

TEST_P(NewRefrigerants, GiveAUnitAndCoolersForACoolerAndAFreezerUnderTheLimit) {
    const NewRefrigerant r = GetParam();
    const std::string name = std::string(r.item).substr(0, std::string(r.item).find(' '));
    Refrigerant(r.item);
    for (const auto& [room, model] : {std::pair{"35", r.model}, std::pair{"-10", r.lowModel}}) {
        SCOPED_TRACE(room);
        if (std::string(room) == "-10") {
            // The freezer's load needs a medium-profile cooler.
            Choose(*w, 540, "Medium-profile cooler");
            TypeInto(*w, 522, r.freezerUnits);
        }
        TypeInto(*w, 103, room);
        ASSERT_EQ(w->Banner.ErrorCount(), 0) << w->Banner.ErrorText();
        const std::string unit = w->GetFieldValue(523);
        EXPECT_EQ(unit.rfind(model, 0), 0u) << unit;
        EXPECT_NE(unit.find("(" + name + ", 400 V)"), std::string::npos) << unit;
        // The proposal carries the load: at most the under-range allowance below it.
        EXPECT_GT(w->FieldNumber(522) * w->FieldNumber(524), 0.9f * w->FieldNumber(503));
        EXPECT_GT(w->FieldNumber(544), 0.0f);
        EXPECT_GT(w->FieldNumber(563), 90.0f);
        EXPECT_TRUE(Notes().empty()) << Notes().front();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, NewRefrigerants,
    ::testing::Values(NewRefrigerant{"R454C (GWP 148, AR4)", "TCU-CM-", "TCU-CL-", "1"},
                      NewRefrigerant{"R455A (GWP 148, AR4)", "TCU-5M-", "TCU-5L-", "1"},
                      NewRefrigerant{"R290 (GWP 3, AR4)", "TCU-2M-", "TCU-2L-", "2"},
                      NewRefrigerant{"R744 (GWP 1, AR4)", "TCU-7M-", "TCU-7L-", "1"}));

TEST_F(EquipmentNotes, ARefrigerantAboveTheRegionalLimitIsNotedUntilTheLimitAllowsIt) {
    Refrigerant("R404A (GWP 3922, AR4)");
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], "R404A has a GWP of 3922, above the regional limit of 150 (Settings).");
    EXPECT_TRUE(w->EFRAME.Visible || w->Timer1.Enabled);
    EXPECT_EQ(w->EBANNER.Caption(), Notes()[0] + "\r\n" + Notes()[0]);

    // The user's limit on the settings page is kept for every later start.
    TypeInto(*w, 806, "4000");
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ(w->GetSetting("TextBox806", ""), "4000");
    auto again = installation.Start();
    EXPECT_EQ(again->GetFieldValue(806), "4000");
}

TEST_F(EquipmentNotes, NoSingleUnitReachesTheLoadTheSuggestedNumberDoes) {
    // 400,000 Btu/h typed as the design load: no unit of the template's type reaches it.
    Choose(*w, 540, "Large unit cooler");
    TypeInto(*w, 503, "400000");
    EXPECT_EQ(w->GetFieldValue(533), "-1");
    EXPECT_EQ(w->GetFieldValue(523), w->StringText(14));
    ASSERT_EQ(Notes().size(), 1u) << Notes().front();
    const std::string note = Notes()[0];
    const std::string head = "No condensing unit of this type reaches the design load; ";
    ASSERT_EQ(note.rfind(head, 0), 0u) << note;
    const int suggested = std::stoi(note.substr(head.size()));
    ASSERT_GT(suggested, 1);
    // One unit fewer than suggested still finds none; the suggested number finds one and
    // its coolers, and the note goes.
    TypeInto(*w, 522, std::to_string(suggested - 1));
    EXPECT_EQ(w->GetFieldValue(533), "-1");
    TypeInto(*w, 522, std::to_string(suggested));
    EXPECT_NE(w->GetFieldValue(533), "-1");
    // The units need more coolers than one each; the number suggested serves them.
    ASSERT_EQ(Notes().size(), 1u);
    const std::string coolers = "No cooler of this type reaches the condensing capacity; ";
    ASSERT_EQ(Notes()[0].rfind(coolers, 0), 0u) << Notes()[0];
    const int perUnits = std::stoi(Notes()[0].substr(coolers.size()));
    EXPECT_EQ(perUnits % suggested, 0);
    TypeInto(*w, 542, std::to_string(perUnits));
    EXPECT_NE(w->GetFieldValue(553), "-1");
    EXPECT_TRUE(Notes().empty()) << Notes().front();
}

TEST_F(EquipmentNotes, ABalancePointUnderTheLoadByMoreThanTheAllowanceIsNoted) {
    // Design load 8891 Btu/h, allowance 10 %: 8000 Btu/h is 89.98 %, shown as 90 % and
    // accepted; 7900 Btu/h is 88.85 %, shown as 89 % and noted.
    ASSERT_EQ(w->GetFieldValue(503), "8891");
    w->SetFieldValue(560, "8000");
    w->UpdateEquipmentNotes();
    EXPECT_EQ(w->GetFieldValue(563), "90");
    EXPECT_TRUE(Notes().empty()) << Notes().front();
    w->SetFieldValue(560, "7900");
    w->UpdateEquipmentNotes();
    EXPECT_EQ(w->GetFieldValue(563), "89");
    ASSERT_EQ(Notes().size(), 1u);
    EXPECT_EQ(Notes()[0], "The pair balances at 89 % of the design load, more than 10 % below it.");
}

} // namespace
} // namespace tw::test
