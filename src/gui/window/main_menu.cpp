#include "gui/window/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <string>

#include "text/cp850.h"
#include "text/language.h"

namespace trb::gui {

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(QString(name) + "_action");
    return menu;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption = {}, const QKeySequence& keys = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!keys.isEmpty()) action->setShortcut(keys);
    return action;
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

MainMenu::MainMenu(QMainWindow& window) : window_(window) {
    QMenuBar* bar = window.menuBar();

    QMenu* file = AddMenu(bar, "mi_file");
    AddItem(file, "mi_fileNew", {}, QKeySequence("Ctrl+N"));
    AddItem(file, "mi_fileOpen", {}, QKeySequence("Ctrl+O"));
    AddItem(file, "mi_fileopentable");
    AddItem(file, "mi_FileSave", {}, QKeySequence("Ctrl+S"));
    AddItem(file, "mi_FileSaveAs");
    file->addSeparator();
    AddItem(file, "mi_fileprint", {}, QKeySequence("Ctrl+P"));
    AddItem(file, "mi_fileprintersetup")->setVisible(false);
    file->addSeparator();
    AddItem(file, "mi_fileConfig");
    recentSeparator_ = file->addSeparator();
    for (int i = 1; i <= casefile::kRecentFileCount; ++i) {
        const std::string name = "mi_file" + std::to_string(i);
        AddItem(file, name.c_str(), {}, QKeySequence(Qt::SHIFT | static_cast<Qt::Key>(Qt::Key_F1 + i - 1)));
    }
    file->addSeparator();
    AddItem(file, "mi_fileexit");

    QMenu* edit = AddMenu(bar, "mi_Edit");
    AddItem(edit, "mi_editquick", "&Quick");
    edit->addSeparator();
    AddItem(edit, "mi_EditText");
    AddItem(edit, "mi_editgrunddaten");
    AddItem(edit, "mi_editschmierung");
    AddItem(edit, "mi_editlimits");
    edit->addSeparator();
    AddItem(edit, "mi_editvorauslegung");
    AddItem(edit, "viskot1", "viskot")->setVisible(false);

    QMenu* view = AddMenu(bar, "mi_View");
    AddItem(view, "mi_ViewAusdruck");
    view->addSeparator();
    AddItem(view, "mi_viewQuick");
    AddItem(view, "mi_viewLager");
    AddItem(view, "mi_viewfertlager");
    AddItem(view, "mi_viewDruckverteilung");
    view->addSeparator();
    AddItem(view, "mi_viewnue");
    AddItem(view, "mi_vieweta");
    view->addSeparator();
    AddItem(view, "mi_viewSpielbereich");
    AddItem(view, "mi_viewBetriebskennfeld");
    AddItem(view, "mi_viewBetriebspunkte");
    AddItem(view, "mi_viewReserven");
    view->addSeparator();
    AddItem(view, "mi_viewErrorMessages");

    QMenu* cad = AddMenu(bar, "mi_CAD");
    AddItem(cad, "mi_cadLager");
    AddItem(cad, "mi_cadfertlager");
    AddItem(cad, "mi_cadSpielbereich");
    AddItem(cad, "mi_cadBetriebskennfeld");
    cad->addSeparator();
    AddItem(cad, "mi_cadsonstige");

    QMenu* database = AddMenu(bar, "mi_database");
    AddItem(database, "mi_dbfdin1850g", "DIN 1850 G");
    database->addSeparator();
    AddItem(database, "mi_dbfh0lim", "h0lim");
    AddItem(database, "mi_dbfpsim", "psi_m");

    QMenu* documentation = AddMenu(bar, "mi_documentation");
    AddItem(documentation, "mi_docdrawinginfo");
    documentation->addSeparator();
    AddItem(documentation, "mi_docuShowChanges1");
    AddItem(documentation, "mi_docuPrintChanges");
    AddItem(documentation, "mi_docuNewChange");
    AddItem(documentation, "mi_docuModifyChanges");
    AddItem(documentation, "mi_docudeleteChange");
    documentation->addSeparator();
    for (int i = 1; i <= 5; ++i) {
        const std::string name = "mi_Document" + std::to_string(i);
        AddItem(documentation, name.c_str());
    }
    documentation->addSeparator();
    AddItem(documentation, "mi_DocumentSetup");

    QMenu* ole = AddMenu(bar, "mi_OLE");
    ole->setTitle("&OLE");
    AddItem(ole, "mi_OleStartExcel", "Start Excel");
    AddItem(ole, "mi_OleExportExcel", "Export TRB -> Excel")->setEnabled(false);
    AddItem(ole, "mi_OleImportExcel", "Import Excel -> TRB")->setEnabled(false);
    ole->addSeparator();
    AddItem(ole, "mi_OlePrintoutExcel", "Printout -> Excel");

    QMenu* help = AddMenu(bar, "mi_Help");
    AddItem(help, "mi_helpguide");
    AddItem(help, "mi_HelpHilfebild");
    AddItem(help, "mi_helpErrorMessages");
    AddItem(help, "mi_helphistory", "&History");
    help->addSeparator();
    QMenu* language = help->addMenu(QString());
    language->setObjectName("mi_helplanguage_menu");
    language->menuAction()->setObjectName("mi_helplanguage");
    for (const LanguageItem& item : kLanguageItems) {
        AddItem(language, item.name, item.caption)->setVisible(item.code != text::kFrench);
    }
    help->addSeparator();
    AddItem(help, "mi_helpwww");
    AddItem(help, "mi_helpemail");
    AddItem(help, "mi_helpverification");
    help->addSeparator();
    AddItem(help, "mi_HelpAbout", "&TRB");
}

QAction* MainMenu::Item(const char* name) const {
    return window_.findChild<QAction*>(name);
}

QMenu* MainMenu::Menu(const char* name) const {
    return window_.findChild<QMenu*>(name);
}

void MainMenu::Set(const char* name, const QString& caption) {
    if (QAction* action = Item(name)) action->setText(caption);
}

void MainMenu::RefreshCaptions(const text::LanguageTexts& texts, int messageCount) {
    using text::CalcText;
    using text::DictionaryCaption;
    using text::MenuCaption;
    const auto menu = [&texts](MenuCaption id) { return Utf8(texts.Menu(id)); };
    const auto dictionary = [&texts](DictionaryCaption id) { return Utf8(texts.Dictionary(id)); };
    const auto calc = [&texts](CalcText id) { return Utf8(text::OemToDisplay(texts.Calc(id), {})); };

    Menu("mi_file")->setTitle(menu(MenuCaption::Datei));
    Set("mi_fileNew", menu(MenuCaption::Neu));
    Set("mi_fileOpen", menu(MenuCaption::Oeffnen));
    Set("mi_fileopentable", menu(MenuCaption::Oeffnen) + " (" + menu(MenuCaption::Tabelle) + ")");
    Set("mi_FileSave", menu(MenuCaption::Speichern));
    Set("mi_FileSaveAs", menu(MenuCaption::SpeichernUnter));
    Set("mi_fileprint", menu(MenuCaption::Drucken));
    Set("mi_fileprintersetup", menu(MenuCaption::Druckereinstellung));
    Set("mi_fileConfig", menu(MenuCaption::Einstellungen));
    Set("mi_fileexit", menu(MenuCaption::Beenden));

    Menu("mi_Edit")->setTitle(menu(MenuCaption::Bearbeiten));
    Set("mi_EditText", menu(MenuCaption::Text));
    Set("mi_editgrunddaten", menu(MenuCaption::Basisdaten));
    Set("mi_editschmierung", dictionary(DictionaryCaption::Schmierung));
    Set("mi_editlimits", dictionary(DictionaryCaption::Grenzwerte));
    Set("mi_editvorauslegung", menu(MenuCaption::Vorauslegung));

    const QString production = menu(MenuCaption::Fertigungszeichnung) + " " + calc(CalcText::Lager);
    Menu("mi_View")->setTitle(menu(MenuCaption::Ansicht));
    Set("mi_ViewAusdruck", menu(MenuCaption::Ausdruck));
    Set("mi_viewQuick", menu(MenuCaption::Quick));
    Set("mi_viewLager", dictionary(DictionaryCaption::Lager));
    Set("mi_viewfertlager", production);
    Set("mi_viewDruckverteilung", menu(MenuCaption::Druckverteilung));
    Set("mi_viewnue", calc(CalcText::KinematischeViskositaet) + " &nue = f(T)");
    Set("mi_vieweta", calc(CalcText::DynamischeViskositaet) + " &eta = f(T)");
    Set("mi_viewSpielbereich", menu(MenuCaption::Spielbereich));
    Set("mi_viewBetriebskennfeld", menu(MenuCaption::Betriebskennfeld));
    Set("mi_viewBetriebspunkte", menu(MenuCaption::Betriebspunkte));
    Set("mi_viewReserven", menu(MenuCaption::Reserven));
    RefreshMessageItem(texts, messageCount);

    Menu("mi_CAD")->setTitle(menu(MenuCaption::Cad));
    Set("mi_cadLager", dictionary(DictionaryCaption::Lager));
    Set("mi_cadfertlager", production);
    Set("mi_cadSpielbereich", menu(MenuCaption::Spielbereich) + "...");
    Set("mi_cadBetriebskennfeld", menu(MenuCaption::Betriebskennfeld));
    Set("mi_cadsonstige", menu(MenuCaption::Sonstige) + "..");

    Menu("mi_database")->setTitle(menu(MenuCaption::Datenbank));

    Menu("mi_documentation")->setTitle(menu(MenuCaption::Dokument));
    Set("mi_docdrawinginfo", menu(MenuCaption::Zeichnungsdaten));
    Set("mi_docuShowChanges1", menu(MenuCaption::AenderungenInfo));
    Set("mi_docuPrintChanges", menu(MenuCaption::AenderungenAusdruck));
    Set("mi_docuNewChange", menu(MenuCaption::NeueAenderung));
    Set("mi_docuModifyChanges", menu(MenuCaption::LetzteAenderungBearbeiten));
    Set("mi_docudeleteChange", menu(MenuCaption::LetzteAenderungLoeschen));
    for (int i = 1; i <= 5; ++i) {
        const std::string name = "mi_Document" + std::to_string(i);
        Set(name.c_str(), menu(MenuCaption::Dokument) + " &" + QString::number(i));
    }
    Set("mi_DocumentSetup", menu(MenuCaption::DokumentSetup));

    Menu("mi_Help")->setTitle(menu(MenuCaption::Hilfe));
    Set("mi_helpguide", menu(MenuCaption::Benutzerhandbuch));
    Set("mi_HelpHilfebild", menu(MenuCaption::Hilfebild));
    Set("mi_helpErrorMessages", menu(MenuCaption::Fehlermeldungen));
    Set("mi_helplanguage", menu(MenuCaption::Sprache));
    Set("mi_helpwww", menu(MenuCaption::Homepage));
    Set("mi_helpemail", menu(MenuCaption::EMail));
    Set("mi_helpverification", menu(MenuCaption::Verifikation));
}

void MainMenu::RefreshMessageItem(const text::LanguageTexts& texts, int messageCount) {
    QAction* item = Item("mi_viewErrorMessages");
    item->setText(Utf8(texts.Menu(text::MenuCaption::Fehlermeldungen)) + " (" +
                  QString::number(messageCount) + ")");
    item->setEnabled(messageCount > 0);
}

void MainMenu::RefreshRecentItems(const casefile::RecentFileList& recent) {
    recentSeparator_->setVisible(!recent[0].empty());
    for (int i = 1; i <= casefile::kRecentFileCount; ++i) {
        const std::string name = "mi_file" + std::to_string(i);
        QAction* item = Item(name.c_str());
        const std::string& entry = recent[static_cast<std::size_t>(i - 1)];
        item->setVisible(!entry.empty());
        item->setText(entry.empty() ? QString() : Utf8(casefile::RecentFileCaption(recent, i)));
    }
}

}  // namespace trb::gui
