// java.exe for the server host's tests, where no Windows Java VM exists. It
// is started as the launcher starts Java: `java -classpath <path> <class>
// <arguments>`. Every run appends its command line to java-standin.record in
// its working folder; with JAVA_TOOL_OPTIONS set it says so on standard
// error first, as the VM does. Then it acts by the class:
//
// - brivel.server.BrvServerMain: the Java server's side of the control
//   request, on defaultPort of the working folder's BrivelServer.config. A
//   request to quit when idle answers 'O' with the number in the file
//   standin-open-connections while that file exists; every other request is
//   answered with quitting, and the run ends. While the file standin-hang
//   exists, requests are taken and never answered.
// - brivel.server.CheckValidAuthClass <name>: answers as the checker would,
//   by the name's first part: "refused." refuses, "silent." says nothing,
//   "crashing." fails as a Java program does, "hanging." never ends; any
//   other name is accepted.
// - brivel.test.Print <words>: prints its words and its working folder to
//   standard output and a line to standard error.
// - brivel.test.Sleep: never ends.
#include <winsock.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ConfigItemList.h"

namespace {

std::string WorkingFolder() {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

std::string InFolder(const char* name) { return WorkingFolder() + "\\" + name; }

bool Exists(const char* name) { return GetFileAttributesA(InFolder(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

void Record() {
    FILE* record = std::fopen(InFolder("java-standin.record").c_str(), "ab");
    if (!record) return;
    std::fprintf(record, "%s\n", GetCommandLineA());
    std::fclose(record);
}

int OpenConnections() {
    FILE* file = std::fopen(InFolder("standin-open-connections").c_str(), "rb");
    if (!file) return 0;
    int count = 0;
    if (std::fscanf(file, "%d", &count) != 1) count = 0;
    std::fclose(file);
    return count;
}

void Answer(SOCKET connection, char kind, int number) {
    char reply[7] = {7, 0, kind, static_cast<char>(number), static_cast<char>(number >> 8),
                     static_cast<char>(number >> 16), static_cast<char>(number >> 24)};
    send(connection, reply, sizeof reply, 0);
}

int Serve() {
    brivel::CConfigItemList config;
    config.ReadFile(InFolder("BrivelServer.config"));
    int port = config.GetInt("defaultPort", 24044);
    WSADATA data;
    WSAStartup(MAKEWORD(1, 1), &data);
    SOCKET listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<unsigned short>(port));
    address.sin_addr.s_addr = inet_addr("127.0.0.1");
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener, 5) != 0) {
        std::printf("cannot listen on port %d\n", port);
        return 2;
    }
    std::printf("java stand-in process %lu listening on port %d\n", GetCurrentProcessId(), port);
    std::fflush(stdout);
    std::vector<SOCKET> held;
    for (;;) {
        SOCKET connection = accept(listener, nullptr, nullptr);
        if (connection == INVALID_SOCKET) return 3;
        char request[4] = {};
        int got = 0;
        while (got < 4) {
            int n = recv(connection, request + got, 4 - got, 0);
            if (n <= 0) break;
            got += n;
        }
        std::printf("request %c%c\n", got > 2 ? request[2] : '?', got > 3 ? request[3] : '?');
        std::fflush(stdout);
        if (Exists("standin-hang")) {
            held.push_back(connection);
            continue;
        }
        int open = OpenConnections();
        if (got == 4 && request[3] == '1' && open > 0) {
            Answer(connection, 'O', open);
            closesocket(connection);
            continue;
        }
        Answer(connection, 'Q', 0);
        closesocket(connection);
        std::printf("quitting\n");
        return 0;
    }
}

int CheckAuthClass(const std::string& name) {
    if (name.rfind("refused.", 0) == 0) {
        std::printf("0The class %s does not implement brivel.TavoAuth\n", name.c_str());
    } else if (name.rfind("silent.", 0) == 0) {
    } else if (name.rfind("crashing.", 0) == 0) {
        std::fprintf(stderr, "Exception in thread \"main\" java.lang.NoClassDefFoundError: %s\n", name.c_str());
        return 1;
    } else if (name.rfind("hanging.", 0) == 0) {
        Sleep(INFINITE);
    } else {
        std::printf("1\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Record();
    // As the Java VM does, before anything of the program's own.
    if (const char* options = std::getenv("JAVA_TOOL_OPTIONS")) {
        std::fprintf(stderr, "Picked up JAVA_TOOL_OPTIONS: %s\n", options);
        std::fflush(stderr);
    }
    if (argc < 4 || std::string(argv[1]) != "-classpath") {
        std::fprintf(stderr, "usage: java -classpath <path> <class> [arguments]\n");
        return 1;
    }
    std::string mainClass = argv[3];
    if (mainClass == "brivel.server.BrvServerMain") return Serve();
    if (mainClass == "brivel.server.CheckValidAuthClass") return CheckAuthClass(argc > 4 ? argv[4] : "");
    if (mainClass == "brivel.test.Print") {
        std::printf("java stand-in ran");
        for (int i = 4; i < argc; ++i) std::printf(" %s", argv[i]);
        std::printf("\nin %s\n", WorkingFolder().c_str());
        std::fprintf(stderr, "on standard error\n");
        return 0;
    }
    if (mainClass == "brivel.test.Sleep") Sleep(INFINITE);
    std::fprintf(stderr, "Error: Could not find or load main class %s\n", mainClass.c_str());
    return 1;
}
