#include "text/reserve_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "text/language.h"

namespace trb::text {
namespace {

constexpr int kLanguages[] = {kGerman, kEnglish, kFrench, kRomanian, kKorean};

// The fields a sentence names, in braces.
std::multiset<std::string> FieldsOf(std::string_view sentence) {
    std::multiset<std::string> fields;
    for (std::size_t open = sentence.find('{'); open != std::string::npos;
         open = sentence.find('{', open + 1)) {
        fields.insert(std::string(sentence.substr(open, sentence.find('}', open) - open + 1)));
    }
    return fields;
}

// Every sentence fills the same fields in every language, so the view can say each in each.
TEST(ReserveTexts, EveryLanguageHasEveryTextWithTheSameFields) {
    for (int i = 0; i < kReserveTextCount; ++i) {
        const auto id = static_cast<ReserveText>(i);
        const std::string_view english = Reserve(kEnglish, id);
        std::set<std::string_view> distinct;
        for (int language : kLanguages) {
            const std::string_view text = Reserve(language, id);
            EXPECT_FALSE(text.empty()) << i << " " << language;
            EXPECT_EQ(FieldsOf(text), FieldsOf(english)) << i << " " << language << ": " << text;
            distinct.insert(text);
        }
        // Only the PDF button reads the same everywhere.
        if (id != ReserveText::Pdf) {
            EXPECT_GE(distinct.size(), 4u) << english;
        }
    }
    EXPECT_EQ(Reserve(kKorean, ReserveText::Reserven), "여유");
    EXPECT_EQ(Reserve(99, ReserveText::Reserven), "Reserven");  // unknown codes speak German
    EXPECT_EQ(FieldsOf(Reserve(kGerman, ReserveText::DarfSteigen)),
              (std::multiset<std::string>{"{change}", "{film}", "{limit}", "{value}", "{what}"}));
}

}  // namespace
}  // namespace trb::text
