#pragma once
// Whether an output about to be written is a file it is made from. A report, a PDF or a CSV file
// written over the project it comes from would replace the project, so every output the user
// names is checked against its inputs before anything is written: files are compared, not the
// spellings of their names (a link, "./", "..", a hard link all reach the same file).

#include <string>
#include <string_view>

namespace sw {

// True when the two paths reach one file: the same device and inode where both exist, the same
// resolved path (links followed, "." and ".." taken out) otherwise. An empty path is no file.
[[nodiscard]] bool sameFile(std::string_view firstUtf8, std::string_view secondUtf8);

// The refusal of an output `output` that is the project file `project` itself, naming the output
// as the user gave it; empty when it is another file (or no project is named).
[[nodiscard]] std::string outputOverProject(std::string_view output, std::string_view project);

}  // namespace sw
