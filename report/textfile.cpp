#include "report/textfile.h"

#include "core/encoding.h"
#include "core/filereplace.h"
#include "core/messages.h"
#include "core/text.h"

namespace sw {

std::string textFileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

FileWriteResult writeTextFile(std::string_view path, const std::vector<std::string>& lines)
{
    return writeFileBytes(path, textFileBytes(lines));
}

FileWriteResult writeFileBytes(std::string_view path, std::string_view bytes)
{
    FileWriteResult result;
    if (trimSpaces(path).empty()) {
        result.Message = std::string(msg::kFileNoLocation);
        return result;
    }
    const FileReplace r = replaceFileContents(path, bytes);
    if (r.replaced()) {
        result.status = FileWriteResult::Status::Written;
        return result;
    }
    result.Message = replaceFailureMessage(path, r);
    return result;
}

}  // namespace sw
