#include "platform/HelpPages.h"

#include <utility>

namespace quarl::platform {

HelpPages::HelpPages(Shell& shell, const FileSystem& files, Dialogs& dialogs, std::set<int> topics)
    : shell_(shell), files_(files), dialogs_(dialogs), folder_(files.programFolder()),
      topics_(std::move(topics)) {
    if (!folder_.empty() && folder_.back() != '\\')
        folder_ += '\\';
    folder_ += "help\\";
}

std::string HelpPages::topicPage(int context) const {
    return topics_.contains(context) ? folder_ + std::to_string(context) + ".html" : contentsPage();
}

void HelpPages::open(const std::string& page) {
    if (!files_.fileExists(page)) {
        ShowError(dialogs_, "The help page " + page + " cannot be found.");
        return;
    }
    shell_.open({"open", page, "", "", ShowCommand::Normal});
}

} // namespace quarl::platform
