#include "gui/window/interface_language.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>

#include "text/language.h"

namespace trb::gui {

InterfaceLanguage::InterfaceLanguage() : defaultFont_(QApplication::font()) {}

InterfaceLanguage::~InterfaceLanguage() {
    // The translators and the font are the application's: what this window changed goes back, so
    // that a window made later starts from the application's own texts and font.
    RemoveTranslators();
    QApplication::setFont(defaultFont_);
}

QString InterfaceLanguage::LocaleName(int code) {
    switch (code) {
        case text::kGerman:
            return "de";
        case text::kFrench:
            return "fr";
        case text::kRomanian:
            return "ro";
        case text::kKorean:
            return "ko";
        default:
            return {};
    }
}

QString InterfaceLanguage::HangulFamily() {
    // Debian's fonts-noto-cjk; any other family that writes Korean will do.
    for (const QString& family : {QString("Noto Sans CJK KR"), QString("Noto Sans KR")}) {
        if (QFontDatabase::hasFamily(family)) return family;
    }
    const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
    return korean.isEmpty() ? QString() : korean.front();
}

void InterfaceLanguage::RemoveTranslators() {
    for (const auto& translator : translators_) QCoreApplication::removeTranslator(translator.get());
    translators_.clear();
    loaded_.clear();
}

void InterfaceLanguage::Apply(int code) {
    RemoveTranslators();
    const QString locale = LocaleName(code);
    if (!locale.isEmpty()) {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        // qtbase holds the texts of the widgets' dialogs; "qt" is the older catalogue that pulls
        // in the rest where it is installed.
        for (const QString& catalogue : {QString("qtbase_"), QString("qt_")}) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(catalogue + locale, folder)) continue;
            QCoreApplication::installTranslator(translator.get());
            loaded_ << catalogue + locale;
            translators_.push_back(std::move(translator));
        }
    }
    QFont font = defaultFont_;
    if (code == text::kKorean) {
        const QString family = HangulFamily();
        if (!family.isEmpty()) font.setFamilies({family, defaultFont_.family()});
    }
    QApplication::setFont(font);
}

}  // namespace trb::gui
