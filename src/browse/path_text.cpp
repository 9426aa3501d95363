#include "browse/path_text.h"

#include <algorithm>

#include "platform/files/name_case.h"

namespace ezo {

std::u16string FolderOfPath(std::u16string_view path) {
    const size_t slash = path.rfind(u'\\');
    if (slash == std::u16string_view::npos) return std::u16string(path);
    return std::u16string(path.substr(0, slash + 1));
}

std::u16string FileNameOfPath(std::u16string_view path, int stripExtension) {
    const size_t slash = path.rfind(u'\\');
    if (slash == std::u16string_view::npos) return std::u16string(path);
    std::u16string name(path.substr(slash + 1));
    if (stripExtension) {
        const size_t cut = files::EndsWithNoCase(name, u".jpeg") ? 5 : 4;
        name.resize(name.size() - std::min(cut, name.size()));
    }
    return name;
}

}  // namespace ezo
