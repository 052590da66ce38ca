#pragma once

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"

#include <set>
#include <string>

namespace quarl::platform {

// The launcher's help: plain HTML pages in the "help" folder in the program's folder, opened in the
// player's web browser through the shell. "contents.html" is the contents, "keywords.html" the
// alphabetical keyword index, and each topic number has its page "<number>.html".
class HelpPages {
public:
    // topics: every topic number the program asks for; any other number leads to the contents.
    HelpPages(Shell& shell, const FileSystem& files, Dialogs& dialogs, std::set<int> topics);

    std::string contentsPage() const { return folder_ + "contents.html"; }
    std::string keywordsPage() const { return folder_ + "keywords.html"; }
    std::string topicPage(int context) const;

    void showContents() { open(contentsPage()); }
    void searchKeyword() { open(keywordsPage()); }
    void showTopic(int context) { open(topicPage(context)); }

private:
    // A page whose file is missing is not handed to the shell: an "Error!" box names its path.
    void open(const std::string& page);

    Shell& shell_;
    const FileSystem& files_;
    Dialogs& dialogs_;
    std::string folder_; // the help folder, ending in a backslash
    std::set<int> topics_;
};

} // namespace quarl::platform
