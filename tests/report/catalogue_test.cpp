#include <sys/stat.h>

#include "core/messages.h"
#include "core/run_status.h"
#include "report/message_catalogue.h"
#include "report/run_messages.h"
#include "report_fixture.h"

namespace trb::report::testing {
namespace {

namespace fs = std::filesystem;

// Every message the program can put into the message list: the fixed texts and an instance of
// each text with a variable part, as the code declares them.
std::vector<std::string> ProgramMessages() {
    std::vector<std::string> messages(std::begin(core::kAllMessages), std::end(core::kAllMessages));
    for (const std::string& sample : core::VariableMessageSamples()) messages.push_back(sample);
    return messages;
}

class CatalogueTest : public WriterFixture {
  protected:
    std::string Small(const std::string& content) {
        const std::string path = (folder / "plt" / "trb.err").string();
        fs::create_directories(folder / "plt");
        WriteWholeFile(path, content);
        return path;
    }
};

TEST_F(CatalogueTest, ShippedCatalogueDescribesEveryProgramMessage) {
    for (const std::string& message : ProgramMessages()) {
        EXPECT_LE(message.size(), core::RunStatus::kMaxLength) << "the message list keeps 36 characters";
        MessageDescription description;
        ASSERT_EQ(LookUpMessage(catalogue, message, description), Lookup::Found) << message;
        EXPECT_GT(description.cause.size(), 20u) << message;
        EXPECT_GT(description.remedy.size(), 20u) << message;
    }
}

TEST_F(CatalogueTest, ShippedCatalogueIsCrLfTriplesWhoseOwnLookupFindsThem) {
    const std::string content = ReadWholeFile(catalogue);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = content.find('\n'); end != std::string::npos; end = content.find('\n', start)) {
        ASSERT_GT(end, start);
        ASSERT_EQ(content[end - 1], '\r') << "line " << lines.size() + 1;
        lines.push_back(content.substr(start, end - 1 - start));
        start = end + 1;
    }
    ASSERT_EQ(start, content.size()) << "the last line ends with CR LF";
    ASSERT_EQ((lines.size() - 1) % 3, 0u) << "a heading, then message, cause, remedy triples";
    for (std::size_t i = 1; i < lines.size(); i += 3) {
        MessageDescription description;
        ASSERT_EQ(LookUpMessage(catalogue, lines[i], description), Lookup::Found);
        EXPECT_EQ(description.cause, lines[i + 1]) << "an earlier line shadows " << lines[i];
        EXPECT_EQ(description.remedy, lines[i + 2]);
    }
}

TEST_F(CatalogueTest, LookupComparesTheFirstFourteenCharactersAndTheFirstMatchWins) {
    const std::string path = Small(
        "Heading line\r\n"
        "Fehler : p>plim first\r\ncause A\r\nremedy A\r\n"
        "Fehler : p>plim second\r\ncause B\r\nremedy B\r\n"
        "Kurz\r\ncause C\r\nremedy C\r\n");
    EXPECT_EQ(GetCause(path, "Fehler : p>plim !"), "cause A");
    EXPECT_EQ(GetRemedy(path, "Fehler : p>plim second"), "remedy A") << "the first of two equal keys wins";
    EXPECT_EQ(GetCause(path, "Kurz"), "cause C");
    EXPECT_EQ(GetCause(path, "Kurz und mehr"), std::string(kNoDescription))
        << "a short line matches only itself";
    EXPECT_EQ(GetRemedy(path, "Fehler : unbekannt"), "");
    // Cause and remedy lines are compared too: a message equal to a cause line finds the lines after it.
    EXPECT_EQ(GetCause(path, "cause A"), "remedy A");
}

TEST_F(CatalogueTest, MissingCatalogueGivesEmptyTexts) {
    const std::string missing = (folder / "nowhere" / "trb.err").string();
    EXPECT_EQ(GetCause(missing, "Fehler : p>plim !"), "");
    EXPECT_EQ(GetRemedy(missing, "Fehler : p>plim !"), "");
}

TEST_F(CatalogueTest, SavingReplacesOnlyTheEntryAndKeepsTheFileWhenNotFound) {
    const std::string original = "Head\r\nWarnung: one\r\nc1\r\nr1\r\nFehler : two\r\nc2\r\nr2\r\n";
    const std::string path = Small(original);
    fs::create_directories(folder / "work");
    const std::string work = (folder / "work").string();
    EXPECT_TRUE(
        SaveMessageDescription(path, work, "Warnung: one", "new\ncause", "new remedy", dialogs, abort));
    EXPECT_EQ(ReadWholeFile(path),
              "Head\r\nWarnung: one\r\nnew cause\r\nnew remedy\r\nFehler : two\r\nc2\r\nr2\r\n");
    EXPECT_TRUE(fs::exists(folder / "work" / "trb.err"));

    const std::string before = ReadWholeFile(path);
    EXPECT_FALSE(SaveMessageDescription(path, work, "Fehler : three", "x", "y", dialogs, abort));
    EXPECT_EQ(ReadWholeFile(path), before);
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text, "Fehler : three not found.");
    EXPECT_FALSE(abort);

    EXPECT_FALSE(
        SaveMessageDescription(path, (folder / "plt").string(), "Warnung: one", "x", "y", dialogs, abort))
        << "the work file may not be the catalogue itself";
    EXPECT_EQ(ReadWholeFile(path), before);
}

TEST_F(CatalogueTest, AStarredLineDescribesEveryMessageThatStartsWithIt) {
    const std::string path = Small("DBF #*\r\nrecord cause\r\nrecord remedy\r\n");
    EXPECT_EQ(GetCause(path, core::MsgRecordNotFound(12)), "record cause");
    EXPECT_EQ(GetRemedy(path, core::MsgRecordNotFound(3)), "record remedy");
    EXPECT_EQ(GetCause(path, "DBF"), std::string(kNoDescription));
    EXPECT_TRUE(MatchesMessage("Blockname *", core::MsgBlockNotFound("LOGO")));
    EXPECT_FALSE(MatchesMessage("*", "anything")) << "a lone star is no pattern";
}

TEST_F(CatalogueTest, AFifoOrAHugeFileInPlaceOfTheCatalogueNeitherHangsNorIsRewritten) {
    fs::create_directories(folder / "plt");
    const std::string fifo = (folder / "plt" / "trb.err").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    MessageDescription description;
    EXPECT_EQ(LookUpMessage(fifo, "Fehler : p>plim !", description), Lookup::Unreadable);
    EXPECT_EQ(GetCause(fifo, "Fehler : p>plim !"), "");
    fs::create_directories(folder / "work");
    EXPECT_FALSE(SaveMessageDescription(fifo, (folder / "work").string(), "Fehler : p>plim !", "c", "r",
                                        dialogs, abort));
    EXPECT_TRUE(abort);
    EXPECT_TRUE(fs::is_fifo(fifo));
    fs::remove(fifo);

    // A catalogue beyond the reading limit is looked up in its first part but never rewritten.
    abort = false;
    std::string big = "Fehler : p>plim !\r\ncause\r\nremedy\r\n";
    big.resize(5u << 20, 'x');
    const std::string path = Small(big);
    EXPECT_EQ(GetCause(path, "Fehler : p>plim !"), "cause");
    EXPECT_FALSE(SaveMessageDescription(path, (folder / "work").string(), "Fehler : p>plim !", "c", "r",
                                        dialogs, abort));
    EXPECT_EQ(fs::file_size(path), big.size());

    // Nor is one with a line longer than a catalogue line may be: the rewrite would cut it.
    abort = false;
    const std::string longLine =
        "Head\r\nFehler : p>plim !\r\ncause\r\nremedy\r\n" + std::string(70000, 'y') + "\r\n";
    Small(longLine);
    EXPECT_FALSE(SaveMessageDescription(path, (folder / "work").string(), "Fehler : p>plim !", "c", "r",
                                        dialogs, abort));
    EXPECT_TRUE(abort);
    EXPECT_EQ(ReadWholeFile(path), longLine);
    EXPECT_EQ(dialogs.Entries("box").back().text, "Datei " + path + ": Zeile 5 ist zu lang !");
}

class RunMessagesTest : public WriterFixture {
  protected:
    RunMessagesContext Context(int helpLevel = 1, bool noGui = false) {
        return RunMessagesContext{status, dialogs, catalogue, folder.string(), helpLevel, noGui, {}};
    }
};

TEST_F(RunMessagesTest, RunWithoutMessagesShowsOnlyTheNoteAndNoGuiShowsNothing) {
    ShowRunMessages(Context(), abort);
    ASSERT_EQ(dialogs.transcript.size(), 1u);
    EXPECT_EQ(dialogs.transcript[0].text, std::string(kRunWithoutMessages));
    dialogs.transcript.clear();
    status.AddMessage("Fatal  : visko !");
    ShowRunMessages(Context(1, true), abort);
    EXPECT_TRUE(dialogs.transcript.empty());
}

TEST_F(RunMessagesTest, ListOpensOnContinueOrFirstMessageByHelpLevelAndEndsAfterTheLast) {
    status.AddMessage("Fehler : h0<h0lim !");
    status.AddMessage("Fehler : tB>tBlim !");
    dialogs.Reply("3");
    ShowRunMessages(Context(1), abort);
    auto lists = dialogs.Entries("list");
    auto radios = dialogs.Entries("radio");
    ASSERT_EQ(radios.size(), 1u);
    EXPECT_EQ(radios[0].number, 3) << "help level 1 preselects \"Weiter/zurueck...\"";
    EXPECT_EQ(radios[0].items.back(),
              "Weiter/zur\xC3\xBC"
              "ck...");

    dialogs.transcript.clear();
    dialogs.Reply("1").Reply("2");
    ShowRunMessages(Context(2), abort);
    radios = dialogs.Entries("radio");
    ASSERT_EQ(radios.size(), 2u) << "viewing the last message ends the browsing";
    EXPECT_EQ(radios[0].number, 1);
    EXPECT_EQ(radios[1].number, 2) << "the list reopens on the next message";
    const auto boxes = dialogs.Entries("box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].text.find("Fehler : tB>tBlim !"), std::string::npos);
    EXPECT_FALSE(abort);
}

TEST_F(RunMessagesTest, EditedDescriptionIsSavedAfterTheQuestion) {
    const std::string plt = (folder / "plt").string();
    fs::create_directories(plt);
    WriteWholeFile(plt + "/trb.err", "Fehler : h0<h0lim !\r\nold cause\r\nold remedy\r\n");
    status.AddMessage("Fehler : h0<h0lim !");
    RunMessagesContext context{status,
                               dialogs,
                               plt + "/trb.err",
                               folder.string(),
                               2,
                               false,
                               [](const std::string&, std::string& cause, std::string&) {
                                   cause = "edited cause";
                                   return true;
                               }};
    dialogs.Reply("yes");
    ShowMessageDescription(context, 1, abort);
    EXPECT_EQ(ReadWholeFile(plt + "/trb.err"), "Fehler : h0<h0lim !\r\nedited cause\r\nold remedy\r\n");
    ASSERT_EQ(dialogs.Entries("question").size(), 1u);
    EXPECT_EQ(dialogs.Entries("question")[0].text, "Save Changes ?");
}

TEST_F(RunMessagesTest, UnknownMessageAndMissingCatalogue) {
    status.AddMessage("Fehler : ganz neu");
    ShowMessageDescription(Context(), 1, abort);
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].caption, "Meldung");
    EXPECT_EQ(dialogs.Entries("box")[0].text, std::string(kNoDescription));
    EXPECT_FALSE(abort);

    RunMessagesContext missing = Context();
    missing.catalogue = (folder / "none" / "trb.err").string();
    ShowMessageDescription(missing, 1, abort);
    EXPECT_TRUE(abort);
    EXPECT_NE(dialogs.Entries("box").back().text.find("nicht gefunden oder kein Zugriffsrecht"),
              std::string::npos);
}

}  // namespace
}  // namespace trb::report::testing
