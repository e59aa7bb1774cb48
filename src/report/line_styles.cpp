#include "report/line_styles.h"

#include "report/writer_state.h"

namespace trb::report {

namespace {

// Code page 850 box-drawing characters.
constexpr char kSingleHorizontal = '\xC4';
constexpr char kDoubleHorizontal = '\xCD';
constexpr char kDoubleVertical = '\xBA';
constexpr char kTopLeft = '\xC9';
constexpr char kTopRight = '\xBB';
constexpr char kTeeLeft = '\xCC';
constexpr char kTeeRight = '\xB9';
constexpr char kBottomLeft = '\xC8';
constexpr char kBottomRight = '\xBC';

std::string Boxed(char left, char right) {
    return left + std::string(kRuleWidth - 2, kDoubleHorizontal) + right;
}

}  // namespace

int NormalisedLineStyle(int style) {
    return style >= 1 && style <= 4 ? style : 1;
}

std::string RuleText(int style, Rule rule) {
    switch (NormalisedLineStyle(style)) {
        case 2:
            switch (rule) {
                case Rule::Thin:
                    return std::string(kRuleWidth, kSingleHorizontal);
                case Rule::Double:
                    return std::string(kRuleWidth, kDoubleHorizontal);
                case Rule::BoxTop:
                    return Boxed(kTopLeft, kTopRight);
                case Rule::BoxSeparator:
                    return Boxed(kTeeLeft, kTeeRight);
                case Rule::BoxBottom:
                    return Boxed(kBottomLeft, kBottomRight);
            }
            break;
        case 3:
            return std::string(kRuleWidth, ' ');
        case 4:
            return std::string(kNoLineMarker);
        default:
            break;
    }
    switch (rule) {
        case Rule::Thin:
            return std::string(kRuleWidth, '-');
        case Rule::Double:
            return std::string(kRuleWidth, '=');
        default:
            return std::string(kRuleWidth, '*');
    }
}

char FrameChar(int style) {
    switch (NormalisedLineStyle(style)) {
        case 1:
            return '*';
        case 2:
            return kDoubleVertical;
        default:
            return ' ';
    }
}

}  // namespace trb::report
