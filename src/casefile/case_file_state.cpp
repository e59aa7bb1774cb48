#include "casefile/case_file_state.h"

namespace trb::casefile {

std::string InFolder(std::string_view folder, std::string_view file) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    return path + std::string(file);
}

std::string CaseFilePath(std::string_view folder, std::string_view name) {
    const std::size_t slash = name.rfind('/');
    const std::string_view filePart = slash == std::string_view::npos ? name : name.substr(slash + 1);
    std::string path = slash == std::string_view::npos ? InFolder(folder, name) : std::string(name);
    if (filePart.find('.') == std::string_view::npos) path += std::string(".") + kCaseExtension;
    return path;
}

std::string CaseExtensionOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    if (dot == std::string_view::npos || dot + 1 == file.size()) return kCaseExtension;
    return std::string(file.substr(dot + 1));
}

std::string CurrentCaseFile(const CaseFileState& state) {
    if (state.commandLineFile) return state.name;
    return InFolder(state.folder, state.name + "." + state.extension);
}

std::string NamedCaseFile(const CaseFileState& state) {
    return state.name.empty() ? std::string() : CurrentCaseFile(state);
}

std::string CaseTitleName(const CaseFileState& state) {
    if (state.name.empty() || state.commandLineFile) return state.name;
    return state.name + "." + state.extension;
}

void AddRecentFile(CaseFileState& state, std::string_view name) {
    if (state.commandLineFile) {
        AddRecentPath(state.recent, CaseFilePath({}, name));
    } else {
        AddRecentPath(state.recent, InFolder(state.folder, std::string(name) + "." + state.extension));
    }
}

}  // namespace trb::casefile
