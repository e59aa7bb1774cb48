// Feeds arbitrary bytes to the message catalogue as its content: messages the program can produce
// (a few of them, and the input's last line as a message) are looked up, and one that is listed gets a
// new cause and remedy written into the catalogue. The rewritten catalogue must describe that message with
// the new texts, and writing the same texts again must leave it byte for byte as it is. Anything else is a
// finding.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "fuzz_folder.h"
#include "report/message_catalogue.h"
#include "ui/scripted_dialogs.h"

namespace {

namespace report = trb::report;

std::vector<std::string> ProgramMessages() {
    std::vector<std::string> messages(std::begin(trb::core::kAllMessages), std::end(trb::core::kAllMessages));
    for (const std::string& sample : trb::core::VariableMessageSamples()) messages.push_back(sample);
    return messages;
}

std::string FileContent(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Save(const std::string& catalogue, const std::string& work, const std::string& message) {
    trb::ui::ScriptedDialogs dialogs;
    bool abort = false;
    return report::SaveMessageDescription(catalogue, work, message, "new\r\ncause", "new remedy", dialogs,
                                          abort);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::string> programMessages = ProgramMessages();
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    // Three program messages picked by the input (looking up all of them on every input would make
    // the run a hundred times slower without reaching more of the reader) and the input's last line.
    std::vector<std::string> messages;
    for (const std::size_t at : {std::size_t{0}, size / 2, size - 1}) {
        const std::size_t pick = size == 0 ? 0 : data[at];
        messages.push_back(programMessages[pick % programMessages.size()]);
    }
    const std::size_t lastBreak = content.find_last_of("\r\n");
    messages.emplace_back(lastBreak == std::string_view::npos ? content : content.substr(lastBreak + 1));
    const std::string* listed = nullptr;
    for (const std::string& message : messages) {
        report::MessageDescription description;
        if (report::LookUpMessageIn(content, message, description) == report::Lookup::Found &&
            listed == nullptr)
            listed = &message;
    }

    const auto& folder = trb::fuzz::Folder();
    const std::string catalogue = (folder / report::kCatalogueFileName).string();
    const std::string work = (folder / "work").string();
    std::filesystem::create_directories(work);
    std::ofstream(catalogue, std::ios::binary | std::ios::trunc) << content;
    if (listed == nullptr) {
        if (Save(catalogue, work, messages.front())) std::abort();  // nothing to describe anew
        if (FileContent(catalogue) != content) std::abort();
        return 0;
    }
    if (!Save(catalogue, work, *listed)) std::abort();
    report::MessageDescription description;
    if (report::LookUpMessage(catalogue, *listed, description) != report::Lookup::Found) std::abort();
    if (description.cause != "new cause" || description.remedy != "new remedy") std::abort();
    const std::string once = FileContent(catalogue);
    if (!Save(catalogue, work, *listed) || FileContent(catalogue) != once) std::abort();
    return 0;
}
