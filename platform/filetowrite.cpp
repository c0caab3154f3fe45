#include "platform/filetowrite.h"

#include <QFileInfo>

namespace sw {

std::string chooseFileToWrite(Desktop& desktop, FileDialogMode mode, std::string_view question)
{
    std::string path = desktop.fileDialogs().showFileDialog(mode);
    if (path.empty())
        return {};
    if (QFileInfo::exists(QString::fromStdString(path)) &&
        desktop.messages().askYesNo(std::string(question)) != YesNo::Yes)
        return {};
    return path;
}

}  // namespace sw
