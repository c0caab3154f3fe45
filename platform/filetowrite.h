#pragma once
// The save dialog with the question a file already there calls for: the windows' one way of
// choosing a file to write. The dialog itself asks nothing, so that the question is the program's.

#include <string>
#include <string_view>

#include "platform/desktop.h"

namespace sw {

// The chosen path, or an empty text when the user cancels the dialog or answers anything but Yes
// to `question` about a file that exists.
[[nodiscard]] std::string chooseFileToWrite(Desktop& desktop, FileDialogMode mode, std::string_view question);

}  // namespace sw
