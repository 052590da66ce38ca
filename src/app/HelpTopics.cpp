#include "app/HelpTopics.h"

#include "companions/Companions.h"
#include "net/AddressBookForm.h"
#include "settings/SettingsHelp.h"

namespace quarl::app {

std::set<int> HelpTopics() {
    std::set<int> topics(companions::kGamingOnlineTopics.begin(),
                         companions::kGamingOnlineTopics.end());
    topics.insert(net::kAddressBookHelp);
    topics.insert(settings::kSettingsHelp);
    for (const auto& topic : settings::kTopics)
        topics.insert(topic.context);
    for (const auto& topic : settings::kWhatsThis)
        topics.insert(topic.context);
    return topics;
}

} // namespace quarl::app
