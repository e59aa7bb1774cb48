#pragma once

#include <QFont>
#include <QString>
#include <QTranslator>
#include <memory>
#include <vector>

namespace trb::gui {

// What the menus speak decides what Qt's own dialogs speak (question boxes, file and print
// dialogs): Qt's translations for German, French, Romanian and Korean are installed, English needs
// none. Korean also needs a font with Hangul; the application font becomes one that has it.
// Translators and font are the application's, shared by every window: they are given back as
// they were found when this object goes.
class InterfaceLanguage {
  public:
    InterfaceLanguage();
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    // The language code of the menus (1 German, 2 English, 3 French, 7 Romanian, 8 Korean).
    void Apply(int code);

    // The locale name Qt's translations use for a language code ("" for English and unknown codes).
    static QString LocaleName(int code);
    // The installed font family that shows Hangul ("" when none is installed).
    static QString HangulFamily();
    // The names of the loaded translation catalogues (for tests).
    QStringList Loaded() const { return loaded_; }

  private:
    void RemoveTranslators();

    std::vector<std::unique_ptr<QTranslator>> translators_;
    QStringList loaded_;
    QFont defaultFont_;
};

}  // namespace trb::gui
