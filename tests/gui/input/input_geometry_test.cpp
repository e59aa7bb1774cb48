// The geometry dialog: fields, units, tolerance classes and its proposal buttons.
#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>

#include "gui/input/geometry_dialog.h"
#include "input_test_support.h"
#include "text/format.h"

namespace trb::gui {
namespace {

using testing::Caption;
using testing::Click;
using testing::FieldText;
using testing::Find;
using testing::SetField;

class GeometryDialogTest : public ::testing::Test, public testing::InputFixture {};

TEST_F(GeometryDialogTest, UnitSwitchTwiceKeepsFieldsAndRecord) {
    program.record.ns = 33.333333L;  // shown rounded; must not come back rounded
    const core::TRBrecord before = program.record;
    TForm_trbinp1 form(context);
    const char* fields[] = {"Edit_db",      "Edit_dbmax", "Edit_dbmin", "Edit_rzb",     "Edit_nb",
                            "Edit_alpha1b", "Edit_b",     "Edit_de",    "Edit_ds",      "Edit_dsmax",
                            "Edit_dsmin",   "Edit_rzs",   "Edit_ns",    "Edit_alpha1s", "Edit_f"};
    std::vector<std::string> metric;
    for (const char* name : fields) metric.push_back(FieldText(form, name));

    Click(form, "Button_metric");
    EXPECT_EQ(program.settings.format.units, 1);
    EXPECT_EQ(Find<QLabel>(form, "Label_dbu")->text().toStdString(), "in");
    EXPECT_EQ(Find<QLabel>(form, "Label_fu")->text().toStdString(), "lbf");
    EXPECT_NE(FieldText(form, "Edit_db"), metric[0]);

    Click(form, "Button_metric");
    EXPECT_EQ(program.settings.format.units, 0);
    for (std::size_t i = 0; i < std::size(fields); ++i)
        EXPECT_EQ(FieldText(form, fields[i]), metric[i]) << fields[i];
    form.StoreFields();
    const core::TRBrecord& after = program.record;
    EXPECT_EQ(after.db, before.db);
    EXPECT_EQ(after.dbmax, before.dbmax);
    EXPECT_EQ(after.dsmin, before.dsmin);
    EXPECT_EQ(after.rzb, before.rzb);
    EXPECT_EQ(after.ns, before.ns);
    EXPECT_EQ(after.alpha1s, before.alpha1s);
    EXPECT_EQ(after.f, before.f);
    EXPECT_EQ(after.toldb, before.toldb);
}

TEST_F(GeometryDialogTest, OkStoresTypedTextAndCancelStoresNothing) {
    {
        TForm_trbinp1 form(context);
        SetField(form, "Edit_dbmin", "120,05");  // decimal comma
        SetField(form, "Edit_nb", "abc");        // not a number: 0
        SetField(form, "Edit_alpha1b", "16");
        form.accept();
        EXPECT_FALSE(program.abort);
        EXPECT_NEAR(static_cast<double>(program.record.dbmin), 120.05, 1e-12);
        EXPECT_EQ(program.record.nb, 0);
        EXPECT_NEAR(static_cast<double>(program.record.alpha1b), 16e-6, 1e-18);
    }
    const core::TRBrecord before = program.record;
    TForm_trbinp1 form(context);
    SetField(form, "Edit_db", "200");
    SetField(form, "Edit_f", "1");
    Click(form, "Button_dbh7");
    form.reject();
    EXPECT_TRUE(program.abort);
    EXPECT_EQ(program.record.db, before.db);
    EXPECT_EQ(program.record.f, before.f);
    EXPECT_EQ(program.record.dbmax, before.dbmax);
    EXPECT_EQ(program.record.toldb, before.toldb);
}

TEST_F(GeometryDialogTest, TypedLimitSizeClearsOnlyItsOwnClass) {
    program.record.toldb = "H7";
    program.record.tolds = "f7";
    TForm_trbinp1 form(context);
    ASSERT_EQ(Caption(form, "Button_dbisotol"), "H7");
    QTest::keyClicks(Find(form, "Edit_dbmax"), "1");
    EXPECT_EQ(Caption(form, "Button_dbisotol"), "");
    EXPECT_EQ(Caption(form, "Button_dsisotol"), "f7");
    QTest::keyClicks(Find(form, "Edit_dsmin"), "9");
    EXPECT_EQ(Caption(form, "Button_dsisotol"), "");
    form.accept();
    EXPECT_EQ(program.record.toldb, "");
    EXPECT_EQ(program.record.tolds, "");
}

TEST_F(GeometryDialogTest, RoughnessInInchUnits) {
    program.settings.format.units = 1;
    program.record.rzb = 2;
    TForm_trbinp1 form(context);
    EXPECT_NEAR(static_cast<double>(text::TextToReal(FieldText(form, "Edit_rzb"))), 78.74, 0.05);
    EXPECT_EQ(Find<QLabel>(form, "Label_rzbu")->text(), QString::fromUtf8("µin"));
    form.StoreFields();
    EXPECT_EQ(program.record.rzb, 2);  // shown text unchanged: the exact value stays
    SetField(form, "Edit_rzb", "78.74");
    form.StoreFields();
    EXPECT_NEAR(static_cast<double>(program.record.rzb), 2.0, 0.0001);
}

TEST_F(GeometryDialogTest, WidthOuterDiameterAndLoadProposals) {
    program.record.bfactor = 0.5L;
    TForm_trbinp1 form(context);
    form.show();
    SetField(form, "Edit_db", "120");
    SetField(form, "Edit_b", "");
    SetField(form, "Edit_f", "7");
    Click(form, "Button_f");  // no width yet: nothing written, the cursor goes to the width
    EXPECT_EQ(FieldText(form, "Edit_f"), "7");
    EXPECT_EQ(form.focusWidget(), Find(form, "Edit_b"));

    Click(form, "Button_b");
    EXPECT_EQ(FieldText(form, "Edit_b"), "60");
    Click(form, "Button_de");
    EXPECT_EQ(FieldText(form, "Edit_de"), "144");
    Click(form, "Button_f");
    EXPECT_EQ(FieldText(form, "Edit_f"), "36000");

    Click(form, "Button_rzb");
    Click(form, "Button_rzs");
    Click(form, "Button_nb");
    Click(form, "Button_alpha1b");
    Click(form, "Button_alpha1s");
    form.accept();
    const core::TRBrecord& r = program.record;
    EXPECT_EQ(r.b, 60);
    EXPECT_EQ(r.de, 144);
    EXPECT_EQ(r.f, 36000);
    EXPECT_EQ(r.rzb, 2);
    EXPECT_EQ(r.rzs, 1);
    EXPECT_EQ(r.nb, 0);
    EXPECT_NEAR(static_cast<double>(r.alpha1b), 16e-6, 1e-18);
    EXPECT_NEAR(static_cast<double>(r.alpha1s), 11e-6, 1e-18);
}

TEST_F(GeometryDialogTest, H7InMillimetresAndInches) {
    program.record.toldb.clear();
    TForm_trbinp1 form(context);
    SetField(form, "Edit_db", "120");
    Click(form, "Button_dbh7");
    EXPECT_EQ(FieldText(form, "Edit_dbmin"), "120.000");
    EXPECT_EQ(FieldText(form, "Edit_dbmax"), "120.035");
    EXPECT_EQ(Caption(form, "Button_dbisotol"), "H7");

    Click(form, "Button_metric");
    Click(form, "Button_dbh7");
    EXPECT_EQ(FieldText(form, "Edit_dbmin"), "4.7244");
    EXPECT_EQ(FieldText(form, "Edit_dbmax"), "4.7258");
    EXPECT_EQ(Caption(form, "Button_dbisotol"), "H7");
    form.accept();
    EXPECT_NEAR(static_cast<double>(program.record.dbmax), 120.035, 0.003);
    EXPECT_EQ(program.record.toldb, "H7");
}

TEST_F(GeometryDialogTest, ClassButtonsChangeCaseAndRefuseUnknownClasses) {
    TForm_trbinp1 form(context);
    SetField(form, "Edit_db", "120");
    SetField(form, "Edit_ds", "120");
    dialogs.Reply("h7");
    Click(form, "Button_dbisotol");
    EXPECT_EQ(Caption(form, "Button_dbisotol"), "H7");
    EXPECT_EQ(FieldText(form, "Edit_dbmin"), "120.000");
    EXPECT_EQ(FieldText(form, "Edit_dbmax"), "120.035");

    dialogs.Reply("F7");
    Click(form, "Button_dsisotol");
    EXPECT_EQ(Caption(form, "Button_dsisotol"), "f7");
    EXPECT_EQ(FieldText(form, "Edit_dsmin"), "119.929");
    EXPECT_EQ(FieldText(form, "Edit_dsmax"), "119.964");
    ASSERT_EQ(dialogs.Entries("text").size(), 2u);
    EXPECT_EQ(dialogs.Entries("text")[1].items[0], "");  // the question starts from the caption
    EXPECT_EQ(dialogs.Entries("text")[1].number, 4);

    // Cancelled, unknown, or hinted classes (c7 at this size) leave everything as it was.
    for (const char* reply : {"", "Q9", "c7"}) {
        if (*reply == 0) {
            dialogs.ReplyCancel();
        } else {
            dialogs.Reply(reply);
        }
        Click(form, "Button_dsisotol");
        EXPECT_EQ(Caption(form, "Button_dsisotol"), "f7") << reply;
        EXPECT_EQ(FieldText(form, "Edit_dsmin"), "119.929") << reply;
        EXPECT_FALSE(program.abort) << reply;
    }
}

TEST_F(GeometryDialogTest, ShaftProposalNeedsASpeed) {
    TForm_trbinp1 form(context);
    form.show();
    SetField(form, "Edit_db", "125");
    SetField(form, "Edit_ds", "120");
    SetField(form, "Edit_ns", "");
    const std::string dsmin = FieldText(form, "Edit_dsmin");
    const std::string shaftClass = Caption(form, "Button_dsisotol");
    Click(form, "Button_dsopt");
    EXPECT_EQ(FieldText(form, "Edit_ds"), "125");
    EXPECT_EQ(FieldText(form, "Edit_dsmin"), dsmin);
    EXPECT_EQ(Caption(form, "Button_dsisotol"), shaftClass);
    EXPECT_EQ(form.focusWidget(), Find(form, "Edit_ns"));
}

TEST_F(GeometryDialogTest, ShaftProposalFromTheClearanceTable) {
    TForm_trbinp1 form(context);
    SetField(form, "Edit_db", "120");
    SetField(form, "Edit_ns", "33.33");
    Click(form, "Button_dbh7");
    Click(form, "Button_dsopt");
    const std::string shaftClass = Caption(form, "Button_dsisotol");
    ASSERT_FALSE(shaftClass.empty());
    EXPECT_GE(shaftClass[0], 'a');  // a shaft class
    // The limits are those of the class found at the bore's nominal size, below the bore.
    bool abort = false;
    core::ToleranceSteps steps;
    const core::ToleranceZone zone = core::ToleranceLimits(steps, shaftClass, 120, abort);
    ASSERT_FALSE(abort);
    EXPECT_EQ(FieldText(form, "Edit_dsmin"),
              text::FormatDecimals(120 + zone.lower * 0.001L, 3, program.settings.format));
    EXPECT_EQ(FieldText(form, "Edit_dsmax"),
              text::FormatDecimals(120 + zone.upper * 0.001L, 3, program.settings.format));
    EXPECT_LT(zone.upper, 0);

    // Without a bore class the limits lie symmetrically about the target and no class is named.
    Find(form, "Edit_dbmax")->clear();
    QTest::keyClicks(Find(form, "Edit_dbmax"), "120.040");
    Click(form, "Button_dsopt");
    EXPECT_EQ(Caption(form, "Button_dsisotol"), "");
    const real dsmin = text::TextToReal(FieldText(form, "Edit_dsmin"));
    const real dsmax = text::TextToReal(FieldText(form, "Edit_dsmax"));
    EXPECT_NEAR(static_cast<double>(dsmax - dsmin), 0.625 * 0.040, 0.0011);
    EXPECT_LT(dsmax, 120.02L);
}

TEST_F(GeometryDialogTest, SpeedInRevolutionsPerMinute) {
    TForm_trbinp1 form(context);
    SetField(form, "Edit_ns", "33.33");
    dialogs.Reply("1500");
    Click(form, "Button_ns");
    EXPECT_EQ(FieldText(form, "Edit_ns"), "25");
    ASSERT_EQ(dialogs.Entries("text").size(), 1u);
    EXPECT_NEAR(static_cast<double>(text::TextToReal(dialogs.Entries("text")[0].items[0])), 2000, 1);
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 5020);

    dialogs.ReplyCancel();
    Click(form, "Button_ns");
    EXPECT_EQ(FieldText(form, "Edit_ns"), "25");
    EXPECT_FALSE(program.abort);
}

TEST_F(GeometryDialogTest, Din1850BushingFromTheTable) {
    tables::DbfTable table;
    table.Open(std::filesystem::path(TRB_SOURCE_DATA_DIR) / "din1850g.dbf");
    ASSERT_GE(table.RecordCount(), 3);
    const std::string bore = table.Peek(3, 1), outer = table.Peek(3, 2), width = table.Peek(3, 3);
    table.Close();

    const core::TRBrecord before = program.record;
    {
        TForm_trbinp1 form(context);
        window.choose = 3;
        Click(form, "Button_db");
        EXPECT_EQ(window.shownTitle, "DIN 1850 G");
        EXPECT_EQ(window.shownMode, tables::kSelectionMode);
        EXPECT_EQ(FieldText(form, "Edit_db"),
                  text::FormatShort(text::TextToReal(bore), program.settings.format));
        EXPECT_EQ(FieldText(form, "Edit_de"),
                  text::FormatShort(text::TextToReal(outer), program.settings.format));
        EXPECT_EQ(FieldText(form, "Edit_b"),
                  text::FormatShort(text::TextToReal(width), program.settings.format));
        EXPECT_EQ(program.record.din1850rec, 3);  // remembered at once
        form.reject();
    }
    EXPECT_EQ(program.record.din1850rec, 3);
    EXPECT_EQ(program.record.db, before.db);
    EXPECT_EQ(program.record.b, before.b);

    // The list opens on the bushing chosen last; cancelling the list changes nothing.
    TForm_trbinp1 form(context);
    window.choose = 0;
    const std::string db = FieldText(form, "Edit_db");
    Click(form, "Button_db");
    EXPECT_EQ(window.startRecord, 3);
    EXPECT_EQ(FieldText(form, "Edit_db"), db);
    EXPECT_EQ(program.record.din1850rec, 3);
    EXPECT_FALSE(program.abort);
}

// The bushing's size changes the limit sizes with it: they come from the classes at the new size,
// not from the size before. Record 3 is D = 4 mm: H7 0/+12 µm, f7 −22/−10 µm (ISO 286, 3–6 mm).
TEST_F(GeometryDialogTest, Din1850BushingRecomputesTheLimitsFromTheClasses) {
    program.record.toldb = "H7";
    program.record.tolds = "f7";
    TForm_trbinp1 form(context);
    window.choose = 3;
    Click(form, "Button_db");
    EXPECT_EQ(FieldText(form, "Edit_ds"), FieldText(form, "Edit_db"));
    EXPECT_EQ(FieldText(form, "Edit_dbmin"), "4.000");
    EXPECT_EQ(FieldText(form, "Edit_dbmax"), "4.012");
    EXPECT_EQ(FieldText(form, "Edit_dsmin"), "3.978");
    EXPECT_EQ(FieldText(form, "Edit_dsmax"), "3.990");
    EXPECT_EQ(Caption(form, "Button_dbisotol"), "H7");
    EXPECT_EQ(Caption(form, "Button_dsisotol"), "f7");
    EXPECT_FALSE(program.abort);
}

TEST_F(GeometryDialogTest, KeyboardUse) {
    TForm_trbinp1 form(context);
    // Tab walks over the fields (and the class buttons) only.
    std::vector<std::string> order;
    QWidget* w = Find(form, "Edit_db");
    for (int i = 0; i < 17; ++i) {
        order.push_back(w->objectName().toStdString());
        do {
            w = w->nextInFocusChain();
        } while (!(w->focusPolicy() & Qt::TabFocus));
    }
    const std::vector<std::string> expected = {
        "Edit_db",         "Edit_dbmax", "Edit_dbmin", "Button_dbisotol", "Edit_rzb",   "Edit_nb",
        "Edit_alpha1b",    "Edit_b",     "Edit_de",    "Edit_ds",         "Edit_dsmax", "Edit_dsmin",
        "Button_dsisotol", "Edit_rzs",   "Edit_ns",    "Edit_alpha1s",    "Edit_f"};
    EXPECT_EQ(order, expected);
    for (const char* name :
         {"Button_db", "Button_dbh7", "Button_dsopt", "Button_nb", "Button_f", "Button_ns"}) {
        EXPECT_EQ(Find<QPushButton>(form, name)->focusPolicy(), Qt::NoFocus) << name;
    }

    form.show();
    SetField(form, "Edit_f", "5000");
    QTest::keyClick(Find(form, "Edit_f"), Qt::Key_Return);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(program.record.f, 5000);

    TForm_trbinp1 second(context);
    second.show();
    SetField(second, "Edit_f", "1");
    QTest::keyClick(Find(second, "Edit_f"), Qt::Key_Escape);
    EXPECT_EQ(second.result(), QDialog::Rejected);
    EXPECT_TRUE(program.abort);
    EXPECT_EQ(program.record.f, 5000);
}

}  // namespace
}  // namespace trb::gui
