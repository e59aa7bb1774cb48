// The viscosity converter.
#include <gtest/gtest.h>
#include <QLabel>
#include <QRadioButton>

#include "config/settings.h"
#include "gui/input/viscosity_converter.h"
#include "input_test_support.h"
#include "text/format.h"

namespace trb::gui {
namespace {

using testing::FieldText;
using testing::Find;
using testing::SetField;

class ViscosityConverterTest : public ::testing::Test {
  protected:
    ViscosityConverterTest() { testing::EnsureApplication(); }
    bool abort = false;
    config::ConfigSettings settings;
};

TEST_F(ViscosityConverterTest, OpensOnTheConversionOf100At50Degrees) {
    TForm_viskot form(abort, settings);
    // 100 mm²/s at 50 °C on the chart line of slope -3.726: about 178 at 40 °C and 5596 at 0 °C.
    EXPECT_EQ(FieldText(form, "Edit_visko50"), "100");
    EXPECT_EQ(FieldText(form, "Edit_visko40"), "178");
    EXPECT_EQ(FieldText(form, "Edit_viskox"), "5596");
    EXPECT_EQ(FieldText(form, "Edit_temp"), "0");
    EXPECT_TRUE(Find(form, "Edit_visko50")->isEnabled());
    EXPECT_FALSE(Find(form, "Edit_visko40")->isEnabled());
    EXPECT_FALSE(Find(form, "Edit_viskox")->isEnabled());
    EXPECT_EQ(Find<QLabel>(form, "Label_visko40u")->text(), QString::fromUtf8("mm²/s"));
}

TEST_F(ViscosityConverterTest, EachViscosityCanBeTheInput) {
    TForm_viskot form(abort, settings);
    Find<QRadioButton>(form, "RadioGroup_visko_1")->click();
    EXPECT_EQ(form.SelectedInput(), TForm_viskot::Nu40);
    EXPECT_FALSE(Find(form, "Edit_visko50")->isEnabled());
    EXPECT_TRUE(Find(form, "Edit_visko40")->isEnabled());
    EXPECT_EQ(FieldText(form, "Edit_visko40"), "178");  // a click alone does not recompute

    SetField(form, "Edit_visko40", "178.0169");
    EXPECT_NEAR(static_cast<double>(form.CurrentNu50()), 100, 0.001);
    EXPECT_EQ(FieldText(form, "Edit_visko50"), "100");
    EXPECT_EQ(FieldText(form, "Edit_visko40"), "178.0169");  // the input is left as typed

    Find<QRadioButton>(form, "RadioGroup_visko_2")->click();
    SetField(form, "Edit_temp", "50");
    SetField(form, "Edit_viskox", "100");
    EXPECT_EQ(FieldText(form, "Edit_visko50"), "100");
    EXPECT_EQ(FieldText(form, "Edit_visko40"), "178");

    // Typing into a field that is not the input changes nothing else.
    SetField(form, "Edit_visko50", "7");
    EXPECT_EQ(FieldText(form, "Edit_visko40"), "178");
}

TEST_F(ViscosityConverterTest, FreeTemperatureRelabelsItsLine) {
    TForm_viskot form(abort, settings);
    SetField(form, "Edit_temp", "40");
    EXPECT_EQ(Find<QLabel>(form, "Label_viskox")->text(), QString::fromUtf8("Schmierstoffviskosität nue 40"));
    EXPECT_EQ(FieldText(form, "Edit_viskox"), FieldText(form, "Edit_visko40"));
    SetField(form, "Edit_temp", "x");  // not a number: 0 °C
    EXPECT_EQ(FieldText(form, "Edit_viskox"), "5596");
}

TEST_F(ViscosityConverterTest, OkAndCancelSetTheAbortFlag) {
    TForm_viskot form(abort, settings);
    form.reject();
    EXPECT_TRUE(abort);
    TForm_viskot again(abort, settings);
    again.accept();
    EXPECT_FALSE(abort);
}

}  // namespace
}  // namespace trb::gui
