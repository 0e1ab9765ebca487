#include "app/ProgramFolder.h"

namespace q5 {

std::u16string ProgramFolderOf(std::u16string_view executablePath) {
    const std::size_t slash = executablePath.rfind(u'\\');
    if (slash == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(executablePath.substr(0, slash + 1).substr(0, kProgramFolderUnits - 1));
}

}  // namespace q5
