// The lubrication dialog and the limits dialog: which controls can be edited, lists, units and the
// proposal and conversion buttons.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <cstdint>
#include <utility>

#include "gui/input/limits_dialog.h"
#include "gui/input/lubrication_dialog.h"
#include "input_test_support.h"
#include "tables/dbf_table.h"
#include "text/format.h"

namespace trb::gui {
namespace {

using testing::Click;
using testing::FieldText;
using testing::Find;
using testing::SetField;

class LubricationDialogTest : public ::testing::Test, public testing::InputFixture {
  protected:
    bool Enabled(QWidget& form, const char* name) { return Find<QWidget>(form, name)->isEnabled(); }
};

TEST_F(LubricationDialogTest, ControlsFollowHeatDissipationAndSupplyFeature) {
    program.record.druckschmierung = false;
    TForm_trbinp2 form(context);
    auto* pressure = Find<QCheckBox>(form, "CheckBox_druckschmierung");
    auto* supply = Find<QComboBox>(form, "ComboBox_zufuhr");
    const char* convection[] = {"Edit_ta",  "Edit_a",   "Edit_k",    "Button_ta",
                                "Button_a", "Button_k", "Button_kva"};
    const char* supplied[] = {"ComboBox_zufuhr", "Edit_dh", "Button_dh", "Edit_t1",
                              "Button_t1",       "Edit_pe", "Button_pe", "Button_pebar"};
    for (const char* name : convection) EXPECT_TRUE(Enabled(form, name)) << name;
    for (const char* name : supplied) EXPECT_FALSE(Enabled(form, name)) << name;
    for (const char* name : {"Edit_bg", "Edit_bp", "Edit_phia", "Edit_phie", "Button_phie"})
        EXPECT_FALSE(Enabled(form, name)) << name;
    for (const char* name : {"Edit_rho", "Edit_c", "ComboBox_schmier"})
        EXPECT_TRUE(Enabled(form, name)) << name;

    pressure->click();
    for (const char* name : convection) EXPECT_FALSE(Enabled(form, name)) << name;
    for (const char* name : supplied) EXPECT_TRUE(Enabled(form, name)) << name;

    struct Expected {
        int code;
        bool groove, pocket, angles;
    };
    for (const Expected e : {Expected{1, false, false, false}, Expected{4, true, false, false},
                             Expected{5, true, false, true}, Expected{6, false, true, false},
                             Expected{7, false, true, false}, Expected{8, false, true, false}}) {
        supply->setCurrentIndex(e.code - 1);
        EXPECT_EQ(Enabled(form, "Edit_bg"), e.groove) << e.code;
        EXPECT_EQ(Enabled(form, "Button_bg"), e.groove) << e.code;
        EXPECT_EQ(Enabled(form, "Edit_bp"), e.pocket) << e.code;
        EXPECT_EQ(Enabled(form, "Button_bp"), e.pocket) << e.code;
        EXPECT_EQ(Enabled(form, "Edit_phia"), e.angles) << e.code;
        EXPECT_EQ(Enabled(form, "Edit_phie"), e.angles) << e.code;
        EXPECT_EQ(Enabled(form, "Button_phia"), e.angles) << e.code;
    }

    // Disabled fields keep their values and are stored all the same.
    supply->setCurrentIndex(0);
    SetField(form, "Edit_bp", "33");
    pressure->click();
    form.accept();
    EXPECT_EQ(program.record.bp, 33);
    EXPECT_FALSE(program.record.druckschmierung);
    EXPECT_EQ(program.record.zufuhr, 1);
}

TEST_F(LubricationDialogTest, ListsShowAndStoreTheirIndexes) {
    program.record.zufuhr = 1;
    program.record.schmier = 11;
    TForm_trbinp2 form(context);
    auto* supply = Find<QComboBox>(form, "ComboBox_zufuhr");
    auto* lubricant = Find<QComboBox>(form, "ComboBox_schmier");
    ASSERT_EQ(supply->count(), 8);
    ASSERT_EQ(lubricant->count(), 19);
    EXPECT_EQ(supply->currentText().toStdString(), "Schmierloch, 180\xC2\xB0 zur Lastrichtung");
    EXPECT_EQ(lubricant->currentText().toStdString(), "ISO VG 100");
    EXPECT_EQ(lubricant->itemText(0).toStdString(), "...");
    EXPECT_FALSE(lubricant->isEditable());
    supply->setCurrentIndex(3);
    lubricant->setCurrentIndex(18);
    form.accept();
    EXPECT_EQ(program.record.zufuhr, 4);
    EXPECT_EQ(program.record.schmier, 18);

    // Codes outside the lists are shown, and stored, as valid entries.
    program.record.zufuhr = 0;
    program.record.schmier = 40;
    TForm_trbinp2 second(context);
    second.accept();
    EXPECT_EQ(program.record.zufuhr, 1);
    EXPECT_EQ(program.record.schmier, 0);
}

// The last classes of the list are kept when a case holding them passes through the dialog:
// ISO VG 1000 and 1500 (indexes 17 and 18); the first index past the list (19) shows "...".
TEST_F(LubricationDialogTest, TheHighestViscosityClassesSurviveTheDialog) {
    for (const auto& [index, shown] : {std::pair{1, "ISO VG 2"}, std::pair{17, "ISO VG 1000"},
                                       std::pair{18, "ISO VG 1500"}, std::pair{19, "..."}}) {
        program.record.schmier = static_cast<std::uint16_t>(index);
        TForm_trbinp2 form(context);
        EXPECT_EQ(Find<QComboBox>(form, "ComboBox_schmier")->currentText().toStdString(), shown) << index;
        form.accept();
        EXPECT_EQ(program.record.schmier, index == 19 ? 0 : index) << index;
    }
}

TEST_F(LubricationDialogTest, UnitsAndCancel) {
    program.record.t1 = 50;
    program.record.pe = 0.5L;
    program.record.a = 0.3L;
    const core::TRBrecord before = program.record;
    TForm_trbinp2 form(context);
    const std::string t1 = FieldText(form, "Edit_t1");
    Click(form, "Button_metric");
    EXPECT_EQ(FieldText(form, "Edit_t1"), "122");
    EXPECT_EQ(Find<QLabel>(form, "Label_t1u")->text(), QString::fromUtf8("°F"));
    EXPECT_EQ(Find<QLabel>(form, "Label_peu")->text().toStdString(), "psi");
    EXPECT_EQ(Find<QLabel>(form, "Label_au")->text(), QString::fromUtf8("in²"));
    EXPECT_NEAR(static_cast<double>(text::TextToReal(FieldText(form, "Edit_pe"))), 72.52, 0.01);
    Click(form, "Button_metric");
    EXPECT_EQ(FieldText(form, "Edit_t1"), t1);
    SetField(form, "Edit_rho", "1");
    form.reject();
    EXPECT_TRUE(program.abort);
    EXPECT_EQ(program.record.rho, before.rho);
    EXPECT_EQ(program.record.t1, before.t1);
    EXPECT_EQ(program.record.pe, before.pe);
    EXPECT_EQ(program.record.a, before.a);
}

TEST_F(LubricationDialogTest, ProposalsFromTheConfirmedGeometry) {
    program.record.b = 60;
    program.record.db = 120;
    program.record.druckschmierung = false;
    TForm_trbinp2 form(context);
    for (const char* name : {"Button_rho", "Button_c", "Button_ta", "Button_a", "Button_k"})
        Click(form, name);
    EXPECT_EQ(FieldText(form, "Edit_rho"), "900");
    EXPECT_EQ(FieldText(form, "Edit_c"), "2000");
    EXPECT_EQ(FieldText(form, "Edit_ta"), "20");
    EXPECT_NEAR(static_cast<double>(text::TextToReal(FieldText(form, "Edit_a"))), 0.130, 0.0005);
    EXPECT_EQ(FieldText(form, "Edit_k"), "18");

    Find<QCheckBox>(form, "CheckBox_druckschmierung")->click();
    Find<QComboBox>(form, "ComboBox_zufuhr")->setCurrentIndex(4);  // partial groove
    for (const char* name :
         {"Button_dh", "Button_bg", "Button_phia", "Button_phie", "Button_t1", "Button_pe"})
        Click(form, name);
    Find<QComboBox>(form, "ComboBox_zufuhr")->setCurrentIndex(5);  // pocket
    Click(form, "Button_bp");
    EXPECT_EQ(FieldText(form, "Edit_dh"), "8");
    EXPECT_EQ(FieldText(form, "Edit_bg"), "8");
    EXPECT_EQ(FieldText(form, "Edit_bp"), "100");
    EXPECT_EQ(FieldText(form, "Edit_phia"), "15");
    EXPECT_EQ(FieldText(form, "Edit_phie"), "75");
    EXPECT_EQ(FieldText(form, "Edit_t1"), "50");
    EXPECT_EQ(FieldText(form, "Edit_pe"), "0.5");

    // In English units the proposals are written in those units.
    program.settings.format.units = 1;
    Click(form, "Button_t1");
    EXPECT_EQ(FieldText(form, "Edit_t1"), "122");
    Click(form, "Button_dh");
    EXPECT_EQ(FieldText(form, "Edit_dh"), "0.3150");
}

TEST_F(LubricationDialogTest, AirVelocityAndBarConversions) {
    program.record.druckschmierung = false;
    TForm_trbinp2 form(context);
    SetField(form, "Edit_k", "18");
    dialogs.Reply("1").Reply("0");
    Click(form, "Button_kva");
    EXPECT_EQ(FieldText(form, "Edit_k"), "19.0");
    EXPECT_NEAR(static_cast<double>(text::TextToReal(dialogs.Entries("text")[0].items[0])), 0.84, 0.005);
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 5010);
    Click(form, "Button_kva");
    EXPECT_EQ(FieldText(form, "Edit_k"), "15.0");  // the lower limit of the rule

    Find<QCheckBox>(form, "CheckBox_druckschmierung")->click();
    SetField(form, "Edit_pe", "0.5");
    dialogs.SetHelpNumber(4711);
    dialogs.Reply("3");
    Click(form, "Button_pebar");
    EXPECT_EQ(FieldText(form, "Edit_pe"), "0.3");
    EXPECT_EQ(dialogs.Entries("text")[2].items[0], "5");
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 4711);  // the bar question keeps the help number

    dialogs.ReplyCancel();
    Click(form, "Button_pebar");
    EXPECT_EQ(FieldText(form, "Edit_pe"), "0.3");
    EXPECT_FALSE(program.abort);
}

class LimitsDialogTest : public ::testing::Test, public testing::InputFixture {};

TEST_F(LimitsDialogTest, UnitsRoundTripAndCancel) {
    program.record.tblim = 70;
    program.record.h0lim = 0.009L;
    program.record.plim = 10;
    {
        TForm_trbinp3 form(context);
        EXPECT_EQ(FieldText(form, "Edit_h0"), "0.009");
        Click(form, "Button_metric");
        EXPECT_EQ(FieldText(form, "Edit_t"), "158");
        EXPECT_EQ(FieldText(form, "Edit_h0"), "0.0004");
        EXPECT_EQ(FieldText(form, "Edit_p"), "1450");
        form.accept();
    }
    EXPECT_EQ(program.record.tblim, 70);
    EXPECT_EQ(program.record.h0lim, 0.009L);
    EXPECT_EQ(program.record.plim, 10);

    TForm_trbinp3 form(context);
    SetField(form, "Edit_t", "100");
    SetField(form, "Edit_h0", "0");
    form.reject();
    EXPECT_EQ(program.record.tblim, 70);
    EXPECT_EQ(program.record.h0lim, 0.009L);

    TForm_trbinp3 typed(context);
    SetField(typed, "Edit_t", "212");
    typed.accept();
    EXPECT_NEAR(static_cast<double>(program.record.tblim), 100, 1e-9);
}

TEST_F(LimitsDialogTest, Proposals) {
    program.record.db = 120;
    program.record.ns = 33.33L;
    program.record.rzb = 2;
    program.record.rzs = 1;
    TForm_trbinp3 form(context);
    Click(form, "Button_p");
    Click(form, "Button_t");
    Click(form, "Button_h0lim");
    EXPECT_EQ(FieldText(form, "Edit_p"), "7");
    EXPECT_EQ(FieldText(form, "Edit_t"), "90");

    // 120 mm at 12.6 m/s: the h0lim cell of diameter class 3 and speed class 4, at least Rz sum.
    tables::DbfTable table;
    table.Open(std::filesystem::path(TRB_SOURCE_DATA_DIR) / "h0lim.dbf");
    const real cell = text::TextToReal(table.Peek(3, 5)) * 0.001L;
    const real expected = std::max(cell, real{0.003});
    EXPECT_EQ(FieldText(form, "Edit_h0"), text::FormatDecimals(expected, 4, program.settings.format));
    EXPECT_FALSE(program.abort);

    // Rough surfaces raise the proposal to the sum of the roughness depths.
    program.record.rzb = 40;
    Click(form, "Button_h0lim");
    EXPECT_EQ(FieldText(form, "Edit_h0"),
              text::FormatDecimals(std::max(cell, real{0.041}), 4, program.settings.format));
}

}  // namespace
}  // namespace trb::gui
