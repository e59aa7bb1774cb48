// The table window driven as the user drives it: the grid, the navigator and the menu items found
// by their names, the table read back by python3-dbfread, the HTML page by Python's HTML parser.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <filesystem>
#include <functional>

#include "../../tables/python_reader.h"
#include "gui/tables/table_grid.h"
#include "gui/tables/table_window.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "report/report_writer.h"
#include "report/writer_state.h"
#include "tables/table_access.h"
#include "temp_folder.h"
#include "whole_file.h"

namespace trb::gui {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;
using test_support::WriteWholeFile;

namespace fs = std::filesystem;
using testing::ModalScript;

// Every record of a table as dbfread reads it, one line each: the values joined by "|", deleted
// records after the others with "deleted|" in front.
constexpr const char* kDumpScript =
    "import sys\n"
    "from dbfread import DBF\n"
    "t = DBF(sys.argv[1], load=True, encoding=\"cp850\")\n"
    "for r in t.records: print(\"|\".join(str(v) for v in r.values()))\n"
    "for r in t.deleted: print(\"deleted|\" + \"|\".join(str(v) for v in r.values()))\n";

class TableWindowTest : public ::testing::Test {
  protected:
    TableWindowTest() {
        testing::EnsureApplication();
        fs::create_directories(folder / "dbf");
        fs::create_directories(folder / "temp");
        program.settings.dbfFolder = (folder / "dbf").string() + "/";
        program.settings.tempFolder = (folder / "temp").string() + "/";
        program.settings.pltFolder = std::string(TRB_SOURCE_DATA_DIR) + "/";
        program.settings.textDevice = report::kDosFile;
        program.caseFile.folder = folder.Path().string();
        access.SetFolders(tables::FoldersFromSettings(program.settings, {}));
        tables::DbfTable::Create(
            table, {{"NAME", 'C', 12, 0}, {"SIZE", 'N', 8, 3}, {"FLAG", 'L', 1, 0}, {"MADE", 'D', 8, 0}});
        tables::DbfTable t;
        t.Open(table);
        for (const auto& [name, size, flag] :
             {std::tuple{"Buchse", "12.5", "T"}, std::tuple{"Welle", "120", "F"},
              std::tuple{"Lager", "0.5", "T"}, std::tuple{"Deckel", "3", "F"}}) {
            t.Insert();
            t.SetFieldText(1, name);
            t.SetFieldText(2, size);
            t.SetFieldText(3, flag);
            t.Post();
        }
        t.Go(3);
        t.Delete();
    }

    // Shows the table for editing; `user` works in the window, which is then closed with OK.
    void Edit(const std::function<void(Tdbf4&)>& user, bool ok = true) {
        ModalScript script;
        script.Then([&](QWidget& shown) {
            user(static_cast<Tdbf4&>(shown));
            ok ? testing::Ok(shown) : testing::Cancel(shown);
        });
        access.ShowTableForEditing("parts", 9520, program.abort);
        EXPECT_EQ(script.names, std::vector<std::string>{"Tdbf4"});
    }
    std::string Dump(const fs::path& path = {}) {
        return RunPython(kDumpScript, path.empty() ? table : path);
    }
    // This process's own folder for temporary files, inside the configured one.
    fs::path PrivateTemp() const { return report::TemporaryFolder(program.settings); }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const auto& entry : dialogs.Entries("box")) texts.push_back(entry.text);
        return texts;
    }

    TempFolder folder;
    fs::path table = folder / "dbf" / "parts.dbf";
    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    app::Program program{dialogs, launcher};
    Tdbf4 window{program};
    tables::TableAccess access{window, dialogs, {}};
};

// Makes a file or a folder refuse writes for as long as it lives, for root too (which ignores the
// permissions, but not the immutable attribute).
class WriteProtection {
  public:
    explicit WriteProtection(fs::path path) : path_(std::move(path)) {
        fs::permissions(path_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        if (::geteuid() == 0) SetImmutable(true);
    }
    ~WriteProtection() {
        if (immutable_) SetImmutable(false);
        fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add);
    }
    WriteProtection(const WriteProtection&) = delete;
    WriteProtection& operator=(const WriteProtection&) = delete;

    // False where the file system lets writes through anyway.
    bool Effective() const {
        if (fs::is_directory(path_)) {
            const fs::path probe = path_ / "probe";
            const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT, 0644);
            if (fd < 0) return true;
            ::close(fd);
            ::unlink(probe.c_str());
            return false;
        }
        const int fd = ::open(path_.c_str(), O_RDWR);
        if (fd < 0) return true;
        ::close(fd);
        return false;
    }

  private:
    void SetImmutable(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0) return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0) immutable_ = on;
        }
        ::close(fd);
    }
    fs::path path_;
    bool immutable_ = false;
};

TableGrid& Grid(QWidget& window) {
    return *window.findChild<TableGrid*>("TableGrid");
}
QAction* Item(QWidget& window, const char* name) {
    return window.findChild<QAction*>(name);
}
QString RecNo(QWidget& window) {
    return window.findChild<QLabel*>("Label_recno")->text();
}
void Press(QWidget& window, const char* button) {
    window.findChild<QToolButton*>(button)->click();
}
// Opens the cell's editor, types the text and presses Enter.
void Type(TableGrid& grid, int row, int column, const QString& text) {
    const QModelIndex cell = grid.model()->index(row, column);
    grid.setCurrentIndex(cell);
    grid.edit(cell);
    const auto editors = grid.viewport()->findChildren<QLineEdit*>();
    ASSERT_FALSE(editors.isEmpty());
    QLineEdit* editor = editors.back();
    editor->selectAll();
    editor->insert(text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // Enter stores the text once the events are handled
}
QString Cell(TableGrid& grid, int row, int column) {
    return grid.model()->index(row, column).data().toString();
}

// ----- the two modes -----------------------------------------------------------------------------

TEST_F(TableWindowTest, SelectionModeIsForChoosingOnly) {
    bool abort = false;
    access.OpenTable("parts", abort);
    ASSERT_FALSE(abort);
    access.SetTableTitles("", "DIN 1850 G");
    int chosen = 0;
    {
        ModalScript script;
        script.Then([](QWidget& shown) {
            EXPECT_EQ(shown.windowTitle(), "DIN 1850 G   ");
            TableGrid& grid = Grid(shown);
            EXPECT_EQ(grid.model()->rowCount(), 3) << "the deleted record is not listed";
            EXPECT_EQ(Cell(grid, 2, 0), "Deckel");
            EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable);
            EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 2)) & Qt::ItemIsUserCheckable);
            for (const char* moving : {"nbFirst", "nbPrior", "nbNext", "nbLast"})
                EXPECT_TRUE(shown.findChild<QToolButton*>(moving)->isVisibleTo(&shown)) << moving;
            for (const char* editing : {"nbInsert", "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh"})
                EXPECT_FALSE(shown.findChild<QToolButton*>(editing)->isVisibleTo(&shown)) << editing;
            for (const char* hidden :
                 {"mi_fileAppenddbf", "mi_fileAppendDelimited", "mi_editAppend", "mi_editPack"})
                EXPECT_FALSE(Item(shown, hidden)->isVisible()) << hidden;
            EXPECT_FALSE(shown.findChild<QMenu*>("mi_edit")->menuAction()->isVisible());
            for (const char* shownItem :
                 {"mi_fileExportHtml", "mi_fileSaveAsDelimited", "mi_filePrint", "mi_viewSearch"})
                EXPECT_TRUE(Item(shown, shownItem)->isVisible()) << shownItem;
            EXPECT_EQ(Item(shown, "mi_helpdbf")->text(), "DIN 1850 G");
            // Typing changes nothing in selection mode.
            grid.setCurrentIndex(grid.model()->index(0, 0));
            QTest::keyClicks(&grid, "X");
            EXPECT_EQ(Cell(grid, 0, 0), "Buchse");
            Press(shown, "nbLast");
            Press(shown, "nbPrior");
            EXPECT_EQ(RecNo(shown), "2/4");
            testing::Ok(shown);
        });
        access.ShowTableForSelection(chosen, abort);
        EXPECT_FALSE(abort);
        EXPECT_EQ(chosen, 2);
        EXPECT_EQ(window.LastKey(), Qt::Key_Return);
        EXPECT_EQ(window.ChosenRow(), 2);
    }
    {
        ModalScript again;  // the same window shown anew
        again.Then(testing::Cancel);
        access.ShowTableForSelection(chosen, abort);
        EXPECT_TRUE(abort);
        EXPECT_EQ(window.LastKey(), Qt::Key_Escape);
    }
    // A double click chooses.
    ModalScript third;
    third.Then([](QWidget& shown) {
        TableGrid& grid = Grid(shown);
        const QRect cell = grid.visualRect(grid.model()->index(2, 1));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    });
    access.ShowTableForSelection(chosen, abort);
    EXPECT_FALSE(abort);
    EXPECT_EQ(chosen, 4);
    access.CloseTable();
}

TEST_F(TableWindowTest, EditingModeWritesEveryChangeThroughTheEngine) {
    Edit([](Tdbf4& shown) {
        EXPECT_TRUE(shown.windowTitle().startsWith("parts    ("));
        EXPECT_TRUE(shown.windowTitle().endsWith("parts.dbf)"));
        TableGrid& grid = Grid(shown);
        ASSERT_EQ(grid.model()->rowCount(), 4) << "the deleted record is listed";
        EXPECT_EQ(grid.model()->headerData(2, Qt::Vertical).toString(), "* 3");
        EXPECT_TRUE(grid.model()->index(2, 0).data(Qt::FontRole).value<QFont>().strikeOut());
        for (const char* button : {"nbInsert", "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh"})
            EXPECT_TRUE(shown.findChild<QToolButton*>(button)->isVisibleTo(&shown)) << button;
        EXPECT_TRUE(Item(shown, "mi_editPack")->isVisible());

        Type(grid, 1, 0, "Welle \u00D8120");  // Ø is in code page 850
        Type(grid, 1, 1, "118,5");            // decimal comma
        grid.setCurrentIndex(grid.model()->index(0, 2));
        QTest::keyClick(&grid, Qt::Key_Space);  // the check box
        // A new record from the navigator, stored when posted.
        Press(shown, "nbInsert");
        EXPECT_EQ(grid.model()->rowCount(), 5);
        Type(grid, 4, 0, "Neu");
        Type(grid, 4, 1, "7");
        Press(shown, "nbPost");
        // Delete marks the record, and the same button restores a marked one.
        grid.setCurrentIndex(grid.model()->index(3, 0));
        Press(shown, "nbDelete");
        grid.setCurrentIndex(grid.model()->index(2, 0));
        Press(shown, "nbDelete");
        EXPECT_EQ(grid.model()->headerData(2, Qt::Vertical).toString(), "3");
    });
    EXPECT_FALSE(program.abort);
    EXPECT_EQ(Dump(),
              "Buchse|12.5|False|None\n"
              "Welle \u00D8120|118.5|False|None\n"
              "Lager|0.5|True|None\n"
              "Neu|7.0|False|None\n"
              "deleted|Deckel|3.0|False|None\n");
}

TEST_F(TableWindowTest, InvalidEntriesAreRefusedAndAnEmptyNewRowStoresNothing) {
    const std::string before = ReadWholeFile(table);
    Edit(
        [](Tdbf4& shown) {
            TableGrid& grid = Grid(shown);
            Type(grid, 0, 1, "zwölf");          // no number
            Type(grid, 0, 1, "123456789");      // too wide for N(8,3)
            Type(grid, 0, 3, "20240229");       // a date is fine
            Type(grid, 0, 0, "1234567890123");  // cut at the field's length by the editor
            EXPECT_EQ(Cell(grid, 0, 1), "12.500");
            // Going down from the last row starts a new row; Cancel drops it.
            grid.setCurrentIndex(grid.model()->index(3, 0));
            QTest::keyClick(&grid, Qt::Key_Down);
            EXPECT_EQ(grid.model()->rowCount(), 5);
            Press(shown, "nbCancel");
            EXPECT_EQ(grid.model()->rowCount(), 4);
        },
        false);
    ASSERT_EQ(Boxes().size(), 2u) << ::testing::PrintToString(Boxes());
    EXPECT_EQ(Boxes()[0], "Keine Zahl : SIZE = zw\u00F6lf");
    EXPECT_EQ(Boxes()[1], "Anfrage au\u00DFerhalb Bereich : SIZE");
    EXPECT_TRUE(program.abort) << "closed with Cancel";
    EXPECT_NE(ReadWholeFile(table), before);
    EXPECT_EQ(Dump().substr(0, 34), "123456789012|12.5|True|2024-02-29\n");
}

TEST_F(TableWindowTest, CopyWarningAndHelpItems) {
    tables::DbfTable t;
    t.Open(table);
    tables::TableWindowView view{"", "h0lim", table.string(), true};
    dialogs.SetHelpNumber(9520);
    {
        // This script is done before the window is shown again; the second one answers then.
        ModalScript script;
        script.Then([&](QWidget& shown) {
            QTest::qWait(20);  // the warning comes once the window is shown
            Item(shown, "mi_helpDatei")->trigger();
            Item(shown, "mi_helpdbf")->trigger();
            Item(shown, "mi_helpCommon")->trigger();
            Item(shown, "mi_helphilfebild")->trigger();
            testing::Ok(shown);
        });
        EXPECT_TRUE(window.ShowTableWindow(t, view, tables::kEditingMode));
        const auto boxes = dialogs.Entries("box");
        ASSERT_EQ(boxes.size(), 5u);
        EXPECT_EQ(boxes[0].text,
                  "Kein Schreibrecht f\u00FCr dbf-Ordner !  Bearbeitung im Tempor\u00E4r-Ordner.");
        EXPECT_EQ(boxes[1].text, table.string());
        EXPECT_EQ(boxes[2].caption, "HILFETEXT Nr.9520");
        EXPECT_EQ(boxes[3].caption, "HILFETEXT Nr.3210");
        EXPECT_NE(boxes[4].text.find("Hilfebilder"), std::string::npos);
    }

    int pictures = 0;
    window.SetHelp({{}, [&pictures] { ++pictures; }});
    ModalScript again;
    again.Then([](QWidget& shown) {
        Item(shown, "mi_helphilfebild")->trigger();
        EXPECT_TRUE(shown.isVisible()) << "the window stays shown";
        testing::Ok(shown);
    });
    view.workingOnCopy = false;
    window.ShowTableWindow(t, view, tables::kEditingMode);
    EXPECT_EQ(pictures, 1);
}

// A row is as high as a line of its text (or a check box) with a little air, not twice that.
TEST_F(TableWindowTest, RowsAreAsHighAsTheirText) {
    Edit([](Tdbf4& shown) {
        TableGrid& grid = Grid(shown);
        const int text = grid.fontMetrics().height();
        const int box = grid.style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &grid);
        for (int row = 0; row < grid.model()->rowCount(); ++row) {
            EXPECT_GE(grid.rowHeight(row), std::max(text, box) + 2) << row;
            EXPECT_LE(grid.rowHeight(row), std::max(text, box) + 8) << row;
        }
    });
}

// ----- menu commands -------------------------------------------------------------------------------

TEST_F(TableWindowTest, AppendPackAndTheImportsReadBackWithDbfread) {
    // A table with other field names and types, and a delimited file, to append from.
    const fs::path other = folder / "other.dbf";
    tables::DbfTable::Create(other, {{"size", 'N', 6, 1}, {"name", 'C', 20, 0}, {"EXTRA", 'C', 3, 0}});
    {
        tables::DbfTable t;
        t.Open(other);
        t.Insert();
        t.SetFieldText(1, "45.5");
        t.SetFieldText(2, "Zapfen");
        t.Post();
    }
    const fs::path text = folder / "more.txt";
    WriteWholeFile(text, "\"Ring \"\"A\"\"\",2.25,T,20260101\r\n");
    dialogs.Reply(other.string()).Reply(text.string());
    Edit([](Tdbf4& shown) {
        TableGrid& grid = Grid(shown);
        grid.setCurrentIndex(grid.model()->index(1, 0));  // "Welle"
        Item(shown, "mi_editAppend")->trigger();          // a copy of it at the end, made current
        EXPECT_EQ(grid.model()->rowCount(), 5);
        EXPECT_EQ(RecNo(shown), "5/5");
        Item(shown, "mi_editPack")->trigger();  // "Lager" was marked
        EXPECT_EQ(grid.model()->rowCount(), 4);
        Item(shown, "mi_fileAppenddbf")->trigger();
        Item(shown, "mi_fileAppendDelimited")->trigger();
        EXPECT_EQ(grid.model()->rowCount(), 6);
        EXPECT_EQ(Cell(grid, 5, 0), "Ring \"A\"");
    });
    EXPECT_TRUE(Boxes().empty()) << ::testing::PrintToString(Boxes());
    EXPECT_EQ(dialogs.Entries("open").at(0).items.at(0), "*.dbf|*.dbf");
    EXPECT_EQ(dialogs.Entries("open").at(1).items.at(0), "*.txt|*.txt");
    EXPECT_EQ(Dump(),
              "Buchse|12.5|True|None\n"
              "Welle|120.0|False|None\n"
              "Deckel|3.0|False|None\n"
              "Welle|120.0|False|None\n"
              "Zapfen|45.5|None|None\n"  // a field the other table lacks stays blank
              "Ring \"A\"|2.25|True|2026-01-01\n");
}

// Whether another process can take the table's append lock within a fifth of a second.
bool AnotherProcessGetsTheAppendLock(const fs::path& table) {
    const pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        int status = 1;
        try {
            tables::DbfTable t;
            t.Open(table);
            t.SetLockPatience(std::chrono::milliseconds(200));
            if (t.ALock()) {
                t.UnLock();
                status = 0;
            }
        } catch (...) {
            status = 3;
        }
        ::_exit(status);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Edit → Append holds the append lock only while it appends: right after it, and after a second
// one, another process appending to the same table gets the lock at once.
TEST_F(TableWindowTest, EditAppendFreesTheAppendLockForOtherProcesses) {
    ASSERT_TRUE(AnotherProcessGetsTheAppendLock(table)) << "free before the window opens the table";
    Edit([this](Tdbf4& shown) {
        TableGrid& grid = Grid(shown);
        EXPECT_TRUE(AnotherProcessGetsTheAppendLock(table)) << "free while the table is only shown";
        grid.setCurrentIndex(grid.model()->index(0, 0));  // "Buchse"
        Item(shown, "mi_editAppend")->trigger();
        EXPECT_EQ(RecNo(shown), "5/5");
        EXPECT_TRUE(AnotherProcessGetsTheAppendLock(table)) << "free after Edit, Append";
        Item(shown, "mi_editAppend")->trigger();
        EXPECT_EQ(RecNo(shown), "6/6");
        EXPECT_TRUE(AnotherProcessGetsTheAppendLock(table)) << "free after a second Edit, Append";
    });
    EXPECT_TRUE(Boxes().empty()) << ::testing::PrintToString(Boxes());
    EXPECT_EQ(Dump(),
              "Buchse|12.5|True|None\n"
              "Welle|120.0|False|None\n"
              "Deckel|3.0|False|None\n"
              "Buchse|12.5|True|None\n"
              "Buchse|12.5|True|None\n"
              "deleted|Lager|0.5|True|None\n");
}

TEST_F(TableWindowTest, SaveAsDelimitedWritesTheShownRecords) {
    const fs::path text = folder / "out.txt";
    dialogs.Reply(text.string()).Reply(table.string());
    const std::string before = ReadWholeFile(table);
    Edit([](Tdbf4& shown) {
        Item(shown, "mi_fileSaveAsDelimited")->trigger();
        Item(shown, "mi_fileSaveAsDelimited")->trigger();  // onto the table itself: refused
    });
    EXPECT_EQ(
        ReadWholeFile(text),
        "\"Buchse\",12.500,T,\r\n\"Welle\",120.000,F,\r\n\"Lager\",0.500,T,\r\n\"Deckel\",3.000,F,\r\n");
    EXPECT_EQ(dialogs.Entries("save").at(0).items.at(0), "txt|*.txt|All files|*.*");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0], "Datenbank wird bereits benutzt : parts.dbf");
    EXPECT_EQ(ReadWholeFile(table), before);
}

// Damaged and foreign files offered to Append dbf and Append Delimited: each is refused with the
// engine's text, the window stays open and the open table keeps every byte.
TEST_F(TableWindowTest, BadFilesToAppendLeaveTheTableIntact) {
    const std::string before = ReadWholeFile(table);
    std::vector<fs::path> files;
    const auto file = [&](const std::string& name, const std::string& bytes) {
        files.push_back(folder / name);
        WriteWholeFile(files.back(), bytes);
    };
    // A good table to damage.
    const fs::path good = folder / "good.dbf";
    tables::DbfTable::Create(good, {{"NAME", 'C', 12, 0}, {"NOTE", 'M', 10, 0}});
    {
        tables::DbfTable t;
        t.Open(good);
        for (const char* name : {"eins", "zwei"}) {
            t.Insert();
            t.SetFieldText(1, name);
            t.SetMemoText(2, std::string(600, 'm'));
            t.Post();
        }
    }
    const std::string goodBytes = ReadWholeFile(good);
    file("empty.dbf", "");
    file("short.dbf", goodBytes.substr(0, 40));
    file("foxpro.dbf", std::string(1, '\x30') + goodBytes.substr(1));
    file("index.dbf", std::string(512, '\0') + "NAME");
    file("text.dbf", "\"not\",\"a table\"\r\n");
    fs::copy_file(good, folder / "nomemo.dbf");  // its memo file is missing
    files.push_back(folder / "nomemo.dbf");
    file("wrongcount.txt", "\"a\",1,T,20260101\r\n\"b\",2\r\n");
    file("openquote.txt", "\"a,1,T,20260101\r\n");
    file("binary.txt", std::string("\"a\",1,T,2026\x00\x01\x02\r\n", 19));
    file("letters.txt", "\"a\",eins,T,20260101\r\n");
    fs::create_directories(folder / "folder.txt");
    files.push_back(folder / "folder.txt");
    for (const fs::path& f : files) dialogs.Reply(f.string());
    Edit([&files](Tdbf4& shown) {
        for (const fs::path& f : files) {
            Item(shown, f.extension() == ".dbf" ? "mi_fileAppenddbf" : "mi_fileAppendDelimited")->trigger();
            EXPECT_TRUE(shown.isVisible()) << f;
            EXPECT_EQ(Grid(shown).model()->rowCount(), 4) << f;
        }
    });
    EXPECT_EQ(ReadWholeFile(table), before);
    const std::vector<std::string> expected{
        "Keine dBASE-Datei : empty.dbf",
        "Unerwartetes Dateiende : short.dbf",
        "Keine dBASE-Datei : foxpro.dbf",
        "Unerwartetes Dateiende : index.dbf",
        "Keine dBASE-Datei : text.dbf",
        "Datei nicht gefunden : nomemo.dbt",
        "Fehlerhafte Textdatei : wrongcount.txt, Zeile 2: 2 statt 4 Werte",
        "Fehlerhafte Textdatei : openquote.txt, Zeile 1: Anf\u00FChrungszeichen nicht geschlossen",
        "Fehlerhafte Textdatei : binary.txt, Zeile 1: Steuerzeichen",
        "Fehlerhafte Textdatei : letters.txt, Zeile 1, SIZE: keine Zahl",
    };
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), files.size()) << ::testing::PrintToString(boxes);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(boxes[i], expected[i]);
    EXPECT_EQ(boxes.back(), "Fehlerhafte Textdatei : folder.txt, keine normale Datei");
}

TEST_F(TableWindowTest, TitleClickSortsAndSearchFindsInThatOrder) {
    dialogs.Reply("l").Reply("nichts da");
    Edit([this](Tdbf4& shown) {
        TableGrid& grid = Grid(shown);
        grid.setCurrentIndex(grid.model()->index(1, 0));  // "Welle", record 2
        QHeaderView* titles = grid.horizontalHeader();
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                          QPoint(titles->sectionViewportPosition(1) + 5, titles->height() / 2));
        EXPECT_EQ(Cell(grid, 0, 0), "Lager");  // 0.5, 3, 12.5, 120
        EXPECT_EQ(Cell(grid, 1, 0), "Deckel");
        EXPECT_EQ(Cell(grid, 3, 0), "Welle");
        EXPECT_EQ(grid.currentIndex().row(), 3) << "the same record stays current";
        EXPECT_TRUE(fs::exists(PrivateTemp() / "$korvtemp.ndx"));

        // "l" is in "Lager", "Deckel" and "Welle", in this order now.
        Item(shown, "mi_viewSearch")->trigger();
        EXPECT_EQ(Cell(grid, grid.currentIndex().row(), 0), "Lager");
        shown.findChild<QPushButton*>("Button_SearchNext")->click();
        EXPECT_EQ(Cell(grid, grid.currentIndex().row(), 0), "Deckel");
        Item(shown, "mi_viewSearchNext")->trigger();
        Item(shown, "mi_viewSearchNext")->trigger();
        EXPECT_EQ(Cell(grid, grid.currentIndex().row(), 0), "Welle");
        EXPECT_EQ(dialogs.Entries("box").size(), 1u) << "nothing after Welle";
        shown.findChild<QPushButton*>("Button_search")->click();
        EXPECT_EQ(Cell(grid, grid.currentIndex().row(), 0), "Welle") << "a miss stays";
        // A logical field orders false before true.
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                          QPoint(titles->sectionViewportPosition(2) + 5, titles->height() / 2));
        EXPECT_EQ(Cell(grid, 0, 0), "Welle");
        EXPECT_EQ(Cell(grid, 3, 0), "Lager");
    });
    const auto texts = dialogs.Entries("text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "Suchbegriff eingeben");
    EXPECT_EQ(texts[0].number, 50);
    EXPECT_EQ(texts[1].items.at(0), "l") << "prefilled with the last search";
    EXPECT_EQ(dialogs.CurrentHelpNumber(), 9520) << "restored after the search";
    const auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "l nicht gefunden");
    EXPECT_EQ(boxes[1], "nichts da nicht gefunden");
}

TEST_F(TableWindowTest, SearchNextWithoutASearchTakesTheNextRecord) {
    bool abort = false;
    access.OpenTable("parts", abort);
    int chosen = 0;
    ModalScript script;
    script.Then([](QWidget& shown) {
        Item(shown, "mi_viewSearchNext")->trigger();
        EXPECT_EQ(RecNo(shown), "2/4");
        testing::Ok(shown);
    });
    access.ShowTableForSelection(chosen, abort);
    EXPECT_EQ(chosen, 2);
    access.CloseTable();
}

// The page is read by Python's HTML parser: every value comes back as it is in the table.
TEST_F(TableWindowTest, ExportHtmlIsEscapedUtf8) {
    {
        tables::DbfTable t;
        t.Open(table);
        t.Go(1);
        t.SetFieldText(1,
                       "<b>&\"Gr\x94\xE1"
                       "e\"");  // "Größe" in code page 850
        t.Post();
    }
    const fs::path page = folder / "page <1>.htm";
    dialogs.Reply(page.string());
    Edit([](Tdbf4& shown) { Item(shown, "mi_fileExportHtml")->trigger(); });
    EXPECT_EQ(dialogs.Entries("save").at(0).text, (folder / "parts.htm").string());
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, "");
    EXPECT_EQ(launcher.calls[0].arguments, std::vector<std::string>{page.string()});
    EXPECT_EQ(dialogs.statusNotes.back(), "Gespeichert: " + page.string());
    // Without a browser the page is named, not an empty program.
    launcher.succeed = false;
    launcher.failure = "file not found: xdg-open";
    dialogs.Reply(page.string()).Reply("yes");
    Edit([](Tdbf4& shown) { Item(shown, "mi_fileExportHtml")->trigger(); });
    EXPECT_EQ(Boxes().back(), "Kein Programm konnte " + page.string() +
                                  " \xC3\xB6"
                                  "ffnen (file not found: xdg-open).");
    const std::string script =
        "import sys, html.parser\n"
        "class P(html.parser.HTMLParser):\n"
        "    rows, cell, meta = [], None, []\n"
        "    def handle_starttag(self, tag, attrs):\n"
        "        if tag == \"tr\": self.rows.append([])\n"
        "        if tag == \"td\": self.cell = \"\"\n"
        "        if tag == \"meta\": self.meta.append(dict(attrs).get(\"content\"))\n"
        "    def handle_endtag(self, tag):\n"
        "        if tag == \"td\": self.rows[-1].append(self.cell); self.cell = None\n"
        "    def handle_data(self, data):\n"
        "        if self.cell is not None: self.cell += data\n"
        "p = P(convert_charrefs=True)\n"
        "p.feed(open(sys.argv[1], encoding=\"utf-8\").read())\n"
        "print(p.meta)\n"
        "for r in p.rows: print(\"|\".join(r))\n";
    EXPECT_EQ(RunPython(script, page),
              "['text/html; charset=UTF-8']\n"
              "NAME|SIZE|FLAG|MADE\n"
              "<b>&\"Gr\u00F6\u00DFe\"|  12.500|T|\n"
              "Welle| 120.000|F|\n"
              "Lager|   0.500|T|\n"
              "Deckel|   3.000|F|\n");
    const std::string bytes = ReadWholeFile(page);
    EXPECT_NE(
        bytes.find("<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\"><title>page "
                   "&lt;1&gt;</title></head>"),
        std::string::npos);
    EXPECT_NE(bytes.find("<P>TRBV1.6</P>"), std::string::npos);
}

TEST_F(TableWindowTest, ExportOfAnEmptyTableHasTheHeadingRowOnly) {
    {
        tables::DbfTable t;
        t.Open(table);
        t.Close();
        tables::DbfTable::Create(table, {{"A", 'C', 3, 0}, {"B", 'N', 4, 0}});
    }
    const fs::path page = folder / "empty.htm";
    dialogs.Reply(page.string());
    Edit([](Tdbf4& shown) { Item(shown, "mi_fileExportHtml")->trigger(); });
    const std::string bytes = ReadWholeFile(page);
    EXPECT_NE(bytes.find("<TR><TD><CENTER>A</CENTER></TD><TD><CENTER>B</CENTER></TD></TR>\r\n</TABLE>"),
              std::string::npos);
}

// The printout goes through the report writer; on the tab-separated device the first seven fields
// of every record arrive as columns.
TEST_F(TableWindowTest, PrintOfTenFieldsShowsTheFirstSevenOnTheTabDevice) {
    std::vector<tables::DbfField> fields;
    for (int i = 1; i <= 10; ++i) fields.push_back({"F" + std::to_string(i), 'N', 3, 0});
    tables::DbfTable::Create(table, fields);
    {
        tables::DbfTable t;
        t.Open(table);
        for (int r = 1; r <= 2; ++r) {
            t.Insert();
            for (int f = 1; f <= 10; ++f) t.SetFieldNumber(f, r * 10 + f);
            t.Post();
        }
    }
    program.settings.textDevice = report::kTabFile;
    Edit([](Tdbf4& shown) {
        Item(shown, "mi_filePrint")->trigger();
        // The window's help is still the table's, not the printout's.
        Item(shown, "mi_helpdbf")->trigger();
    });
    ASSERT_FALSE(dialogs.Entries("box").empty());
    EXPECT_EQ(dialogs.Entries("box").back().caption, "HILFETEXT Nr.9520");
    const std::string printed = ReadWholeFile(PrivateTemp() / "$$1.txt");
    EXPECT_NE(
        printed.find("F1\tF2\tF3\tF4\tF5\tF6\tF7\n11\t12\t13\t14\t15\t16\t17\n21\t22\t23\t24\t25\t26\t27\n"),
        std::string::npos)
        << printed;
    EXPECT_EQ(printed.find("F8"), std::string::npos);

    // On a paged device the header names the program, the table file and the window.
    program.settings.textDevice = report::kDosFile;
    Edit([](Tdbf4& shown) { Item(shown, "mi_filePrint")->trigger(); });
    const std::string paged = ReadWholeFile(PrivateTemp() / "OUTDOS.TXT");
    EXPECT_NE(paged.find("TRB V1.6"), std::string::npos) << paged;
    EXPECT_NE(paged.find("parts.dbf "), std::string::npos) << paged;
    EXPECT_NE(paged.find("parts    ("), std::string::npos) << paged;
    EXPECT_NE(paged.find("F1  F2  F3  F4  F5  F6  F7  \n"), std::string::npos) << paged;
}

// While the window edits the table, a second program edits other fields of the same records and
// appends records: afterwards every change of both is in the file.
TEST_F(TableWindowTest, TwoProcessesEditingOneTableLoseNothing) {
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        int status = 0;
        char start;
        (void)!::read(go[0], &start, 1);
        try {
            tables::DbfTable t;
            t.Open(table);
            for (int round = 0; round < 20; ++round) {
                for (int r = 1; r <= 4; ++r) {
                    t.Go(r);
                    t.SetFieldText(4, "2026010" + std::to_string(r));
                    t.Post();
                }
                t.Insert();
                t.SetFieldText(1, "fremd " + std::to_string(round));
                t.Post();
                ::usleep(2000);
            }
        } catch (...) {
            status = 3;
        }
        ::_exit(status);
    }
    Edit([&go](Tdbf4& shown) {
        TableGrid& grid = Grid(shown);
        (void)!::write(go[1], "g", 1);
        for (int round = 0; round < 10; ++round)
            for (int row = 0; row < 4; ++row)
                grid.model()->setData(grid.model()->index(row, 1), QString::number(round * 10 + row));
        Press(shown, "nbRefresh");
        EXPECT_GE(grid.model()->rowCount(), 4);
    });
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string dump = Dump();
    for (const char* line : {"\nBuchse|90.0|True|2026-01-01\n", "\nWelle|91.0|False|2026-01-02\n",
                             "\ndeleted|Lager|92.0|True|2026-01-03\n", "\nDeckel|93.0|False|2026-01-04\n"})
        EXPECT_NE(("\n" + dump).find(line), std::string::npos) << line << dump;
    for (int round = 0; round < 20; ++round)
        EXPECT_NE(dump.find("fremd " + std::to_string(round) + "|"), std::string::npos) << round;
}

// ----- tables that cannot be written ---------------------------------------------------------------

// A write-protected table in a writable folder is opened where it is: shown, but every change is
// refused with the engine's text and the file keeps every byte.
TEST_F(TableWindowTest, WriteProtectedTableIsShownButNotChanged) {
    const std::string before = ReadWholeFile(table);
    WriteProtection protection(table);
    if (!protection.Effective()) GTEST_SKIP() << "the file system ignores write protection";
    dialogs.Reply((folder / "more.txt").string());
    WriteWholeFile(folder / "more.txt", "\"x\",1,T,\r\n");
    Edit([](Tdbf4& shown) {
        TableGrid& grid = Grid(shown);
        EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 0)) & Qt::ItemIsEditable);
        grid.setCurrentIndex(grid.model()->index(0, 0));
        Press(shown, "nbDelete");
        Item(shown, "mi_editAppend")->trigger();
        Item(shown, "mi_editPack")->trigger();
        Item(shown, "mi_fileAppendDelimited")->trigger();
        Press(shown, "nbInsert");
        EXPECT_EQ(grid.model()->rowCount(), 4);
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>(4, "Dateizugriff verweigert : parts.dbf"));
    EXPECT_EQ(ReadWholeFile(table), before);
}

// A dBase folder that takes no writes: the table is edited as a copy in the temporary folder, the
// window says so, and the table in the folder stays as it was.
TEST_F(TableWindowTest, UnwritableFolderIsEditedAsACopy) {
    const std::string before = ReadWholeFile(table);
    WriteProtection protection(folder / "dbf");
    if (!protection.Effective()) GTEST_SKIP() << "the file system ignores write protection";
    Edit([](Tdbf4& shown) {
        EXPECT_TRUE(shown.windowTitle().contains("/temp/trb-")) << shown.windowTitle().toStdString();
        Type(Grid(shown), 0, 0, "Kopie");
    });
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0], "Kein Schreibrecht f\u00FCr dbf-Ordner !  Bearbeitung im Tempor\u00E4r-Ordner.");
    EXPECT_EQ(ReadWholeFile(table), before);
    EXPECT_EQ(Dump(PrivateTemp() / "parts.dbf").substr(0, 6), "Kopie|");
}

// The main window creates the table window; its Database items edit the reference tables in it,
// each with its own help number.
TEST(TableMenuTest, DatabaseItemsEditTheReferenceTables) {
    testing::EnsureApplication();
    TempFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.Path());
    fs::create_directories(folder / "config");
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    fs::create_directories(folder / "dbf");
    for (const char* name : {"din1850g.dbf", "h0lim.dbf", "psi_m.dbf"})
        fs::copy_file(fs::path(TRB_SOURCE_DATA_DIR) / name, folder / "dbf" / name);
    {
        ui::ScriptedDialogs dialogs;
        ui::RecordingLauncher launcher;
        app::Program program{dialogs, launcher};
        Thh window(program);
        ASSERT_NE(window.findChild<Tdbf4*>("Tdbf4"), nullptr);
        program.settings.dbfFolder = (folder / "dbf").string() + "/";
        program.settings.tempFolder = folder.Path().string() + "/";
        for (const auto& [item, table, help] :
             {std::tuple{"mi_dbfdin1850g", "din1850g", 9510}, std::tuple{"mi_dbfh0lim", "h0lim", 9520},
              std::tuple{"mi_dbfpsim", "psi_m", 9530}}) {
            ModalScript script;
            script.Then([&, table = table, help = help](QWidget& shown) {
                EXPECT_TRUE(shown.windowTitle().startsWith(QString(table) + "    (")) << table;
                EXPECT_EQ(Item(shown, "mi_helpdbf")->text(), table);
                EXPECT_TRUE(Item(shown, "mi_editPack")->isVisible()) << "editing mode";
                EXPECT_GT(Grid(shown).model()->rowCount(), 2) << table;
                EXPECT_EQ(program.dialogs.CurrentHelpNumber(), help);
                testing::Cancel(shown);
            });
            window.findChild<QAction*>(item)->trigger();
            EXPECT_EQ(script.names, std::vector<std::string>{"Tdbf4"}) << item;
            EXPECT_FALSE(program.abort);
        }
        for (const char* name : {"din1850g.dbf", "h0lim.dbf", "psi_m.dbf"})
            EXPECT_EQ(ReadWholeFile(folder / "dbf" / name),
                      ReadWholeFile(fs::path(TRB_SOURCE_DATA_DIR) / name))
                << name;
    }
    fs::current_path(previous);
}

}  // namespace
}  // namespace trb::gui
