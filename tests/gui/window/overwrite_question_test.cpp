// An existing file is replaced only after the question, whichever way its name was given: typed
// without its extension in the save dialog, the case's workbook, the PDF file printouts go to.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/printing/print_state.h"
#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

namespace fs = std::filesystem;

std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

ModalScript::Action TypeName(const std::string& path) {
    return [path](QWidget& widget) {
        auto& dialog = dynamic_cast<QFileDialog&>(widget);
        dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
        QMetaObject::invokeMethod(&dialog, "accept");
    };
}

// Answers the overwrite question and keeps its text.
ModalScript::Action Answer(QMessageBox::StandardButton button, std::string& text) {
    return [button, &text](QWidget& widget) {
        auto& box = dynamic_cast<QMessageBox&>(widget);
        text = box.text().toStdString();
        box.button(button)->click();
    };
}

TEST_F(RealWindowTest, SavingAnUnnamedCaseUnderAnExistingNameAsksFirst) {
    Start();
    ASSERT_TRUE(program_.caseFile.name.empty());
    Put(Path("pruef.trb"), "kept");
    std::string asked;
    {
        ModalScript script;
        script.Then(TypeName(Path("pruef"))).Then(Answer(QMessageBox::No, asked));
        Trigger("mi_FileSave");
        EXPECT_EQ(script.names, (std::vector<std::string>{"SaveDialog", "Question"}));
    }
    EXPECT_NE(asked.find("pruef.trb existiert bereits"), std::string::npos) << asked;
    EXPECT_EQ(Content(Path("pruef.trb")), "kept");
    EXPECT_TRUE(program_.caseFile.name.empty()) << "the case stays unnamed";

    // Typed with its extension, the name is asked about once, not by the save dialog as well.
    {
        ModalScript script;
        script.Then(TypeName(Path("pruef.trb"))).Then(Answer(QMessageBox::Yes, asked));
        Trigger("mi_FileSave");
        EXPECT_EQ(script.names, (std::vector<std::string>{"SaveDialog", "Question"}));
    }
    EXPECT_NE(Content(Path("pruef.trb")), "kept");
    EXPECT_EQ(program_.caseFile.name, "pruef");

    // Named now: Speichern writes without asking.
    Put(Path("pruef.trb"), "stale");
    {
        ModalScript script;
        Trigger("mi_FileSave");
        EXPECT_TRUE(script.names.empty());
    }
    EXPECT_NE(Content(Path("pruef.trb")), "stale");
}

TEST_F(RealWindowTest, StartExcelAsksBeforeReplacingTheCasesWorkbook) {
    Start();
    {
        ModalScript script;
        script.Then(TypeName(Path("lager.trb")));
        Trigger("mi_FileSaveAs");
    }
    ASSERT_EQ(program_.caseFile.name, "lager");
    Put(Path("lager.xlsx"), "kept");
    std::string asked;
    {
        ModalScript script;
        script.Then(Answer(QMessageBox::No, asked));
        Trigger("mi_OleStartExcel");
        EXPECT_EQ(script.names, std::vector<std::string>{"Question"});
    }
    EXPECT_NE(asked.find("lager.xlsx existiert bereits"), std::string::npos) << asked;
    EXPECT_EQ(Content(Path("lager.xlsx")), "kept");
    EXPECT_TRUE(launcher_.calls.empty()) << "nothing is opened";
    {
        ModalScript script;
        script.Then(Answer(QMessageBox::Yes, asked));
        Trigger("mi_OleStartExcel");
    }
    EXPECT_EQ(Content(Path("lager.xlsx")).substr(0, 2), "PK") << "a workbook";
}

TEST_F(RealWindowTest, APrintoutAsksBeforeReplacingItsPdfFile) {
    Start();
    program_.settings.graphicPrintoutDialog = false;
    Trigger("mi_viewLager");
    const std::string pdf = Path("druck.pdf");
    window_->Printing().printer.PrintToPdf(QString::fromStdString(pdf));
    Put(pdf, "kept");
    std::string asked;
    {
        ModalScript script;
        script.Then(Answer(QMessageBox::No, asked));
        Trigger("mi_fileprint");
        EXPECT_EQ(script.names, std::vector<std::string>{"Question"});
    }
    EXPECT_EQ(Content(pdf), "kept");
    {
        ModalScript script;
        script.Then(Answer(QMessageBox::Yes, asked));
        Trigger("mi_fileprint");
    }
    EXPECT_EQ(Content(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace trb::gui::testing
