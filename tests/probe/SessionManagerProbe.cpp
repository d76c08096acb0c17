// A session manager as a desktop runs one, speaking the X session management protocol
// through libSM, for the logout test: it listens on a local socket, prints the
// address a client finds it by as "SESSION_MANAGER=<address>", and then acts on
// commands read line by line from its standard input, telling on its standard output
// what its clients answer:
//
//   checkpoint  ask every client to save its data, the session going on
//   shutdown    ask every client to save its data because the session is ending
//   cancel      tell every client the player cancelled that end
//   die         tell every client to end
//
//   registered          a client has connected
//   done <1|0>          a client has saved (1) or failed to (0)
//   closed              a client's connection has gone
//
// Only clients on this machine's local socket are let in, with no further check.

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct TClient {
    SmsConn Sms = nullptr;
    IceConn Ice = nullptr;
};

// Every connection accepted, and of those the clients that set up the protocol.
std::vector<IceConn> gConnections;
std::vector<TClient> gClients;

void Tell(const std::string& line) {
    std::cout << line << std::endl;
}

void Close(IceConn ice) {
    const auto client = std::find_if(gClients.begin(), gClients.end(),
                                     [ice](const TClient& c) { return c.Ice == ice; });
    if (client != gClients.end()) {
        SmsCleanUp(client->Sms);
        gClients.erase(client);
        Tell("closed");
    }
    gConnections.erase(std::remove(gConnections.begin(), gConnections.end(), ice),
                       gConnections.end());
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
}

Status RegisterClient(SmsConn sms, SmPointer, char* previousId) {
    char* id = previousId ? previousId : SmsGenerateClientID(sms);
    if (!id) return 0;
    SmsRegisterClientReply(sms, id);
    if (id != previousId) std::free(id);
    Tell("registered");
    return 1;
}

void InteractRequest(SmsConn sms, SmPointer, int) {
    // No dialog is wanted during the test's requests: the client goes on without one.
    SmsInteract(sms);
}
void InteractDone(SmsConn, SmPointer, Bool) {}
void SaveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void SaveYourselfPhase2Request(SmsConn sms, SmPointer) {
    SmsSaveYourselfPhase2(sms);
}
void SaveYourselfDone(SmsConn, SmPointer, Bool success) {
    Tell(std::string("done ") + (success ? "1" : "0"));
}
void CloseConnection(SmsConn sms, SmPointer, int count, char** reasons) {
    SmFreeReasons(count, reasons);
    Close(SmsGetIceConnection(sms));
}
void SetProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}
void DeleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}
void GetProperties(SmsConn sms, SmPointer) {
    SmsReturnProperties(sms, 0, nullptr);
}

Status NewClient(SmsConn sms, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**) {
    gClients.push_back({sms, SmsGetIceConnection(sms)});
    callbacks->register_client.callback = RegisterClient;
    callbacks->interact_request.callback = InteractRequest;
    callbacks->interact_done.callback = InteractDone;
    callbacks->save_yourself_request.callback = SaveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = SaveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = SaveYourselfDone;
    callbacks->close_connection.callback = CloseConnection;
    callbacks->set_properties.callback = SetProperties;
    callbacks->delete_properties.callback = DeleteProperties;
    callbacks->get_properties.callback = GetProperties;
    *mask = ~0UL;
    return 1;
}

// The host as ICE names it: "local/<host>" for the local socket, "tcp/<host>" else.
Bool LocalHost(char* host) {
    return host && std::strncmp(host, "local/", 6) == 0 ? True : False;
}

void Command(const std::string& line) {
    for (const TClient& client : gClients) {
        if (line == "checkpoint")
            SmsSaveYourself(client.Sms, SmSaveBoth, False, SmInteractStyleNone, False);
        else if (line == "shutdown")
            SmsSaveYourself(client.Sms, SmSaveBoth, True, SmInteractStyleNone, False);
        else if (line == "cancel")
            SmsShutdownCancelled(client.Sms);
        else if (line == "die")
            SmsDie(client.Sms);
        IceFlush(client.Ice);
    }
}

} // namespace

int main() {
    char error[256] = "";
    if (!SmsInitialize("quorvel-test", "1.0", NewClient, nullptr, LocalHost, sizeof error, error)) {
        std::fprintf(stderr, "session_manager: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error) || count == 0) {
        std::fprintf(stderr, "session_manager: cannot listen: %s\n", error);
        return 1;
    }
    // Only the local socket: a network one would let in any host.
    std::vector<IceListenObj> local;
    for (int i = 0; i < count; ++i) {
        IceSetHostBasedAuthProc(listeners[i], LocalHost);
        char* id = IceGetListenConnectionString(listeners[i]);
        if (std::strncmp(id, "local/", 6) == 0) local.push_back(listeners[i]);
        std::free(id);
    }
    if (local.empty()) {
        std::fprintf(stderr, "session_manager: no local socket\n");
        return 1;
    }
    char* address = IceComposeNetworkIdList(static_cast<int>(local.size()), local.data());
    Tell(std::string("SESSION_MANAGER=") + address);
    std::free(address);

    std::string input;
    for (;;) {
        std::vector<pollfd> fds{{STDIN_FILENO, POLLIN, 0}};
        for (IceListenObj listener : local)
            fds.push_back({IceGetListenConnectionNumber(listener), POLLIN, 0});
        for (IceConn ice : gConnections)
            fds.push_back({IceConnectionNumber(ice), POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0) continue;

        if (fds[0].revents) {
            char bytes[256];
            const ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
            if (got <= 0) break;
            input.append(bytes, static_cast<size_t>(got));
            for (size_t end; (end = input.find('\n')) != std::string::npos;) {
                Command(input.substr(0, end));
                input.erase(0, end + 1);
            }
        }
        for (size_t i = 0; i < local.size(); ++i) {
            if (!fds[1 + i].revents) continue;
            IceAcceptStatus accepted;
            if (IceConn ice = IceAcceptConnection(local[i], &accepted)) gConnections.push_back(ice);
        }
        // The connection's own setup, then the session protocol's, which ends in
        // NewClient, then the client's messages. A connection may go while its
        // messages are handled: take the list as it was.
        const std::vector<IceConn> connections(
            gConnections.begin(), gConnections.begin() + (fds.size() - 1 - local.size()));
        for (size_t i = 0; i < connections.size(); ++i) {
            if (!fds[1 + local.size() + i].revents) continue;
            const IceConn ice = connections[i];
            if (std::find(gConnections.begin(), gConnections.end(), ice) == gConnections.end())
                continue;
            const IceProcessMessagesStatus status = IceProcessMessages(ice, nullptr, nullptr);
            // Closed by the client's own request, from within: it is gone already.
            if (status == IceProcessMessagesConnectionClosed) continue;
            if (status == IceProcessMessagesIOError ||
                IceConnectionStatus(ice) == IceConnectRejected)
                Close(ice);
        }
    }
    return 0;
}
