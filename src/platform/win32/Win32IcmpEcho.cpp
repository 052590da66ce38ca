#include "platform/win32/Win32IcmpEcho.h"

#include "platform/win32/SystemDll.h"

#include <winternl.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace quarl::platform::win32 {

namespace {

constexpr WORD kRequestSize = 32;
// The request data; its content is not significant.
char kRequestData[kRequestSize + 1] = "abcdefghijklmnopqrstuvwabcdefghi";
// One reply record and the echoed data, plus the room the call asks for beyond them: an ICMP
// error message (8 bytes) and the status block of the asynchronous call.
constexpr DWORD kReplySize = sizeof(ICMP_ECHO_REPLY) + kRequestSize + 8 + sizeof(IO_STATUS_BLOCK);

// The IP helper's functions, loaded with the first echo request.
struct IcmpFunctions {
    decltype(IcmpCreateFile)* create =
        SystemFunction<decltype(IcmpCreateFile)>(L"iphlpapi.dll", "IcmpCreateFile");
    decltype(IcmpSendEcho2)* send =
        SystemFunction<decltype(IcmpSendEcho2)>(L"iphlpapi.dll", "IcmpSendEcho2");
    decltype(IcmpParseReplies)* parse =
        SystemFunction<decltype(IcmpParseReplies)>(L"iphlpapi.dll", "IcmpParseReplies");
    decltype(IcmpCloseHandle)* close =
        SystemFunction<decltype(IcmpCloseHandle)>(L"iphlpapi.dll", "IcmpCloseHandle");
    bool loaded() const { return create && send && parse && close; }
};

const IcmpFunctions& Icmp() {
    static const IcmpFunctions functions;
    return functions;
}

} // namespace

// One echo exchange: the ICMP handle, the event it signals and the reply buffer, which the
// system writes into until the event is signalled.
struct Win32IcmpEcho::Exchange {
    Exchange() = default;
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;
    ~Exchange() {
        if (icmp != INVALID_HANDLE_VALUE)
            Icmp().close(icmp);
        if (event)
            CloseHandle(event);
    }

    HANDLE icmp = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;
    alignas(8) unsigned char reply[kReplySize] = {};
    std::shared_ptr<PendingEcho::Completion> slot;
};

Win32IcmpEcho::Win32IcmpEcho() : failedEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (!failedEvent_)
        throw std::runtime_error("Cannot create the echo event");
}

Win32IcmpEcho::~Win32IcmpEcho() {
    // The system may still write into a reply buffer: free it only once its event says it is
    // done, and leave it to the process's end when that takes too long.
    for (auto& exchange : exchanges_)
        if (WaitForSingleObject(exchange->event, 2000) != WAIT_OBJECT_0)
            exchange.release();
    CloseHandle(failedEvent_);
}

std::unique_ptr<PendingEcho> Win32IcmpEcho::send(Ipv4Address destination, unsigned timeoutMs,
                                                 PendingEcho::Completion done) {
    auto request = std::make_unique<PendingEcho>(std::move(done));
    auto exchange = std::make_unique<Exchange>();
    exchange->slot = request->slot();
    exchange->event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!exchange->event) {
        fail(exchange->slot, GetLastError());
        return request;
    }
    // A failed handle creation shows as a failed send.
    if (!Icmp().loaded()) {
        fail(exchange->slot, ERROR_PROC_NOT_FOUND);
        return request;
    }
    exchange->icmp = Icmp().create();
    if (exchange->icmp == INVALID_HANDLE_VALUE) {
        fail(exchange->slot, GetLastError());
        return request;
    }
    IPAddr to;
    static_assert(sizeof to == sizeof destination.octets);
    std::memcpy(&to, destination.octets.data(), sizeof to); // network byte order
    const DWORD replies =
        Icmp().send(exchange->icmp, exchange->event, nullptr, nullptr, to, kRequestData,
                    kRequestSize, nullptr, exchange->reply, kReplySize, timeoutMs);
    if (replies == 0) {
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING) {
            fail(exchange->slot, error);
            return request;
        }
    } else {
        // Finished at once: the reply is read from the loop like any other.
        SetEvent(exchange->event);
    }
    exchanges_.push_back(std::move(exchange));
    return request;
}

void Win32IcmpEcho::fail(std::shared_ptr<PendingEcho::Completion> slot, unsigned long error) {
    failed_.push_back({std::move(slot), error});
    SetEvent(failedEvent_);
}

void Win32IcmpEcho::appendWaitHandles(std::vector<HANDLE>& handles) const {
    if (!failed_.empty())
        handles.push_back(failedEvent_);
    for (const auto& exchange : exchanges_)
        handles.push_back(exchange->event);
}

void Win32IcmpEcho::signalled(HANDLE handle) {
    if (handle == failedEvent_) {
        ResetEvent(failedEvent_);
        const auto failed = std::move(failed_);
        failed_.clear();
        for (const auto& request : failed)
            PendingEcho::Deliver(request.slot, EchoResult::Failure(request.error));
        return;
    }
    const auto it = std::find_if(exchanges_.begin(), exchanges_.end(),
                                 [&](const auto& exchange) { return exchange->event == handle; });
    if (it == exchanges_.end())
        return;
    const std::unique_ptr<Exchange> exchange = std::move(*it);
    exchanges_.erase(it);

    EchoResult result;
    if (Icmp().parse(exchange->reply, kReplySize) > 0) {
        // The first reply's round trip; its status is not examined.
        const auto* reply = reinterpret_cast<const ICMP_ECHO_REPLY*>(exchange->reply);
        result = EchoResult::Reply(reply->RoundTripTime);
    } else {
        DWORD error = GetLastError();
        if (error == 0)
            error = reinterpret_cast<const ICMP_ECHO_REPLY*>(exchange->reply)->Status;
        result = EchoResult::Failure(error ? error : IP_GENERAL_FAILURE);
    }
    const auto slot = exchange->slot;
    PendingEcho::Deliver(slot, result);
}

} // namespace quarl::platform::win32
