#include "help/picture_browser.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "help/picture_list.h"
#include "ui/scripted_dialogs.h"

namespace trb::help {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(PictureListTest, EntriesFollowTheFieldRule) {
    PictureEntry entry;
    EXPECT_TRUE(ParsePictureLine("\"lager\",\"Lagergeometrie\"", entry));
    EXPECT_EQ(entry.name, "lager");
    EXPECT_EQ(entry.description, "Lagergeometrie");
    EXPECT_TRUE(ParsePictureLine(",\"a\"\"b", entry)) << "a leading comma; a field may run to the line end";
    EXPECT_EQ(entry.name, "a");
    EXPECT_EQ(entry.description, "b");
    EXPECT_TRUE(ParsePictureLine("\"only\"", entry));
    EXPECT_EQ(entry.description, "");
    EXPECT_FALSE(ParsePictureLine("\"bild\",Beschreibung", entry)) << "DBH file error";
    EXPECT_EQ(entry.name, "bild") << "read as far as possible";
    EXPECT_FALSE(ParsePictureLine("bild,\"x\"", entry));
    EXPECT_EQ(PictureChoiceItem({"ab", "Text"}), "ab      : Text");
}

class PictureBrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("trb-pictures-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        plt_ = folder_.string() + "/";
        Write("trb.dbh", "\"one\",\"Bild eins\"\r\n\"two\",\"Bild zwei\"\r\n\"three\",\"Bild drei\"\r\n");
        Write("one.plt", "IN;PU0,0;PD40,40;");
        Write("new.plt", "IN;");
    }
    void TearDown() override { fs::remove_all(folder_); }
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    std::string List() { return ReadFile(folder_ / "trb.dbh"); }
    PictureBrowserContext Context() {
        return PictureBrowserContext{dialogs_, plt_, [this](const std::string& n) { drawn_.push_back(n); },
                                     abort_};
    }

    fs::path folder_;
    std::string plt_;
    ui::ScriptedDialogs dialogs_;
    std::vector<std::string> drawn_;
    bool abort_ = false;
};

TEST_F(PictureBrowserTest, ListCommandsRewriteTheListThroughTheWorkFile) {
    auto context = Context();
    // Extend: a picture file and its information, appended.
    dialogs_.Reply((folder_ / "new.plt").string()).Reply("Neues Bild");
    ASSERT_TRUE(RunPictureCommand(context, PictureCommand::Extend, 0));
    EXPECT_EQ(List(),
              "\"one\",\"Bild eins\"\r\n\"two\",\"Bild zwei\"\r\n\"three\",\"Bild drei\"\r\n"
              "\"new\",\"Neues Bild\"\r\n");
    EXPECT_FALSE(fs::exists(folder_ / "$$$.dbh")) << "the work file replaced the list";

    // Change the selected picture: name (preset in lower case) and information.
    dialogs_.Reply("zwei").Reply("Zweites Bild");
    ASSERT_TRUE(RunPictureCommand(context, PictureCommand::Change, 2));
    EXPECT_EQ(List(),
              "\"one\",\"Bild eins\"\r\n\"zwei\",\"Zweites Bild\"\r\n\"three\",\"Bild drei\"\r\n"
              "\"new\",\"Neues Bild\"\r\n");
    EXPECT_EQ(dialogs_.Entries("text").back().items.at(0), "Bild zwei") << "the information is preset";

    // Insert before the chosen line.
    dialogs_.Reply("1").Reply((folder_ / "new.plt").string()).Reply("Vorne");
    ASSERT_TRUE(RunPictureCommand(context, PictureCommand::Insert, 0));
    EXPECT_EQ(List().substr(0, 18), "\"new\",\"Vorne\"\r\n\"on");

    // Delete without a selection asks for the line; with one, asks "Löschen ?" and No ends.
    dialogs_.Reply("2");
    ASSERT_TRUE(RunPictureCommand(context, PictureCommand::Delete, 0));
    EXPECT_EQ(List(),
              "\"new\",\"Vorne\"\r\n\"zwei\",\"Zweites Bild\"\r\n\"three\",\"Bild drei\"\r\n"
              "\"new\",\"Neues Bild\"\r\n");
    const std::string before = List();
    dialogs_.Reply("N");
    EXPECT_FALSE(RunPictureCommand(context, PictureCommand::Delete, 3));
    EXPECT_EQ(List(), before);
    dialogs_.Reply("J");
    ASSERT_TRUE(RunPictureCommand(context, PictureCommand::Delete, 3));
    EXPECT_EQ(List(), "\"new\",\"Vorne\"\r\n\"zwei\",\"Zweites Bild\"\r\n\"new\",\"Neues Bild\"\r\n");

    // A cancelled question changes nothing.
    dialogs_.ReplyCancel();
    EXPECT_FALSE(RunPictureCommand(context, PictureCommand::Extend, 0));
    EXPECT_EQ(List(), "\"new\",\"Vorne\"\r\n\"zwei\",\"Zweites Bild\"\r\n\"new\",\"Neues Bild\"\r\n");
}

TEST_F(PictureBrowserTest, PrintingSendsThePictureFramedToThePortDevice) {
    const fs::path port = folder_ / "lpt2";
    ::setenv("TRB_LPT2", port.c_str(), 1);
    auto context = Context();
    dialogs_.Reply("2").Reply("J");
    ASSERT_TRUE(RunPictureCommand(context, PictureCommand::Print, 1));
    EXPECT_EQ(ReadFile(port),
              "\x1b"
              "E\x1b%0BIN;PU0,0;PD40,40;\x1b%0A\x1b"
              "E");
    EXPECT_EQ(dialogs_.Entries("text").at(0).text, "Druckerschnittstelle (max = 4, default=1)");

    // A port that cannot be opened is a clear message, and the browser goes on.
    ::setenv("TRB_LPT2", (folder_ / "no" / "such" / "device").c_str(), 1);
    dialogs_.Reply("2").Reply("N");
    EXPECT_TRUE(RunPictureCommand(context, PictureCommand::Print, 1));
    ASSERT_FALSE(dialogs_.Entries("box").empty());
    EXPECT_NE(dialogs_.Entries("box").back().text.find("LPT2"), std::string::npos);
    EXPECT_NE(dialogs_.Entries("box").back().text.find("kann nicht ge\xC3\xB6"
                                                       "ffnet werden"),
              std::string::npos);
    ::unsetenv("TRB_LPT2");
}

// A browser window that gives prepared answers and records what it showed.
class ScriptedView : public PictureBrowserView {
  public:
    BrowserAnswer Show(const std::vector<std::string>& items, int pictures, int current) override {
        shown.push_back({items, pictures, current});
        if (answers.empty()) return {BrowserAnswer::Kind::Ok};
        BrowserAnswer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    struct Shown {
        std::vector<std::string> items;
        int pictures;
        int current;
    };
    std::vector<Shown> shown;
    std::vector<BrowserAnswer> answers;
};

TEST_F(PictureBrowserTest, BrowserDrawsTheFirstPictureThenEachChoiceAndEndsOnOk) {
    ScriptedView view;
    view.answers = {{BrowserAnswer::Kind::Picture, 3}, {BrowserAnswer::Kind::Picture, 2}};
    auto context = Context();
    BrowseHelpPictures(context, view);
    EXPECT_EQ(drawn_, (std::vector<std::string>{"one", "three", "two"}));
    ASSERT_EQ(view.shown.size(), 3u);
    EXPECT_EQ(view.shown[0].pictures, 3);
    ASSERT_EQ(view.shown[0].items.size(), 8u) << "three pictures and the five commands";
    EXPECT_EQ(view.shown[0].items[0], "one     : Bild eins");
    EXPECT_EQ(view.shown[0].items[3], "-----  Erweitern  -----");
    EXPECT_EQ(view.shown[1].current, 3);
    EXPECT_EQ(dialogs_.CurrentHelpNumber(), 2300);
}

TEST_F(PictureBrowserTest, ACancelledCommandEndsTheBrowser) {
    ScriptedView view;
    view.answers = {{BrowserAnswer::Kind::Command, 0, PictureCommand::Delete}};
    dialogs_.ReplyCancel();
    auto context = Context();
    BrowseHelpPictures(context, view);
    EXPECT_EQ(view.shown.size(), 1u);
    EXPECT_FALSE(abort_);
}

TEST_F(PictureBrowserTest, ListLimitsAndMalformedLines) {
    std::string many;
    for (int i = 1; i <= 131; ++i) many += "\"p" + std::to_string(i) + "\",\"Bild\"\r\n";
    Write("trb.dbh", many + "kaputt\r\n");
    const PictureList list = ReadPictureList(plt_ + "trb.dbh");
    EXPECT_EQ(list.entries.size(), 130u) << "later entries are not read";
    EXPECT_EQ(list.lines.size(), 132u) << "but they are kept when the list is rewritten";
    EXPECT_FALSE(list.malformed) << "the bad line lies beyond the entries";

    Write("trb.dbh", "\"a\",\"A\"\r\nkaputt\r\n");
    ScriptedView view;
    auto context = Context();
    BrowseHelpPictures(context, view);
    ASSERT_FALSE(dialogs_.Entries("box").empty());
    EXPECT_EQ(dialogs_.Entries("box")[0].text, "DBH file error");
    ASSERT_EQ(view.shown.size(), 1u);
    EXPECT_EQ(view.shown[0].pictures, 2) << "the bad line is read as far as possible";
}

TEST_F(PictureBrowserTest, WithoutAListAPictureFileIsChosenAndItsFolderKept) {
    fs::remove(folder_ / "trb.dbh");
    fs::create_directories(folder_ / "other");
    std::ofstream(folder_ / "other" / "bild.plt") << "IN;";
    dialogs_.Reply((folder_ / "other" / "bild.plt").string());
    ScriptedView view;
    auto context = Context();
    BrowseHelpPictures(context, view);
    EXPECT_TRUE(view.shown.empty());
    EXPECT_EQ(drawn_, (std::vector<std::string>{"bild"}));
    EXPECT_EQ(plt_, (folder_ / "other").string() + "/");
}

}  // namespace
}  // namespace trb::help
