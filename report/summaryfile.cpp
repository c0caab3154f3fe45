#include "report/summaryfile.h"

namespace sw {

std::vector<std::string> summaryFileLines(const SummaryRows& rows, std::string_view retPeriod)
{
    return summaryTableLines(rows, retPeriod);
}

FileWriteResult WriteSummary(std::string_view path, const SummaryRows& rows, std::string_view retPeriod)
{
    return writeTextFile(path, summaryFileLines(rows, retPeriod));
}

}  // namespace sw
