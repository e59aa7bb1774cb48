#pragma once

#include <QString>

#include "casefile/recent_files.h"

class QAction;
class QMainWindow;
class QMenu;

namespace trb::text {
class LanguageTexts;
}

namespace trb::gui {

// Language items of the Help menu: object name and the language code each stands for.
struct LanguageItem {
    const char* name;
    const char* caption;
    int code;
};
inline constexpr LanguageItem kLanguageItems[] = {
    {"mi_languageGerman", "&Deutsch", 1},  {"mi_languageEnglish", "&English", 2},
    {"mi_languageFrench", "&Francais", 3}, {"mi_languageRomanian", "&Romania", 7},
    {"mi_languageKorean", "&Korea", 8},
};

// The main menu of the main window: every menu and item with its component name as object name,
// in menu order. Captions come from the language texts (RefreshCaptions).
class MainMenu {
  public:
    explicit MainMenu(QMainWindow& window);

    QAction* Item(const char* name) const;
    QMenu* Menu(const char* name) const;

    // Sets every caption from the current language tables.
    void RefreshCaptions(const text::LanguageTexts& texts, int messageCount);
    // "&Fehlermeldungen (n)", enabled only with messages.
    void RefreshMessageItem(const text::LanguageTexts& texts, int messageCount);
    // The recent-file items above "&Beenden": shown only for used entries; the separator above
    // them only when entry 1 is used.
    void RefreshRecentItems(const casefile::RecentFileList& recent);

  private:
    void Set(const char* name, const QString& caption);

    QMainWindow& window_;
    QAction* recentSeparator_ = nullptr;
};

}  // namespace trb::gui
