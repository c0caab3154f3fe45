#pragma once
// Long work done culvert by culvert (a report of every culvert, its PDF, the CSV file, a table of
// all culverts) tells how far it has come, and learns whether to go on. The windows show it in a
// dialog with Cancel; the batch command prints a line now and then; tests record it.

#include <cstddef>
#include <string_view>

namespace sw {

class Progress {
public:
    virtual ~Progress() = default;

    // Called before each culvert, `done` of `total` being finished and `culvertId` the one now at
    // hand, and once more at the end with done == total and no ID. False asks the work to stop
    // there: it then keeps nothing of what it made (no file is written).
    [[nodiscard]] virtual bool step(std::size_t done, std::size_t total, std::string_view culvertId) = 0;
};

// The step told to `progress`, when there is one; whether to go on.
[[nodiscard]] inline bool goOn(Progress* progress, std::size_t done, std::size_t total, std::string_view culvertId)
{
    return progress == nullptr || progress->step(done, total, culvertId);
}

}  // namespace sw
