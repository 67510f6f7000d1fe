// An audio server that never answers, like a hung PulseAudio: it accepts connections on a Unix socket and
// says nothing. The stalled-server test and the benchmarks run the game against it.
// Usage: stalled_audio_server SOCKET-PATH
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc != 2 || std::strlen(argv[1]) >= sizeof(sockaddr_un::sun_path)) {
        std::fputs("usage: stalled_audio_server SOCKET-PATH\n", stderr);
        return 2;
    }
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, argv[1]);
    unlink(argv[1]);
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 16) != 0) {
        std::perror("stalled_audio_server");
        return 1;
    }
    // Connections are kept open and never read, until the server is ended.
    std::vector<int> clients;
    for (;;) {
        const int client = accept(listener, nullptr, nullptr);
        if (client >= 0) {
            clients.push_back(client);
        }
    }
}
