#include "app/RecentFiles.h"

#include <algorithm>

namespace gw::app {

void updateRecentFiles(RecentFiles &entries, const std::string &previous, const std::string &next)
{
    const auto found = std::find(entries.begin(), entries.end(), next);
    if (found != entries.end()) {
        std::move(found + 1, entries.end(), found);
        entries.back().clear();
    }
    std::move_backward(entries.begin(), entries.end() - 1, entries.end());
    entries.front() = previous;
}

QString recentFileItemText(std::size_t index, const std::string &path)
{
    QString shown = QString::fromStdString(path);
    shown.replace('&', "&&");
    return QString("&%1   %2").arg(index + 1).arg(shown);
}

} // namespace gw::app
