#include "platform/win32/Win32Services.h"

// Winsock's declarations before the IP helper's, which use them.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include "platform/win32/SystemDll.h"

#include <string>
#include <vector>

namespace quarl::platform::win32 {

std::vector<std::string> Win32LocalAddresses::find() {
    std::vector<std::string> addresses;
    static const auto adaptersAddresses =
        SystemFunction<decltype(GetAdaptersAddresses)>(L"iphlpapi.dll", "GetAdaptersAddresses");
    if (!adaptersAddresses)
        return addresses;
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int tries = 0; tries < 3 && result == ERROR_BUFFER_OVERFLOW; ++tries) {
        buffer.resize(size);
        result = adaptersAddresses(
            AF_INET, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
            nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result != NO_ERROR)
        return addresses;
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter;
         adapter = adapter->Next) {
        if (adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK || adapter->OperStatus != IfOperStatusUp)
            continue;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            const auto* socket = unicast->Address.lpSockaddr;
            if (!socket || socket->sa_family != AF_INET)
                continue;
            const auto* bytes = reinterpret_cast<const unsigned char*>(
                &reinterpret_cast<const sockaddr_in*>(socket)->sin_addr);
            addresses.push_back(std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." +
                                std::to_string(bytes[2]) + "." + std::to_string(bytes[3]));
        }
    }
    return addresses;
}

} // namespace quarl::platform::win32
