// Download benchmark helper: "serve FILE" serves FILE as /file on 127.0.0.1 and prints its address
// until standard input closes; "fetch URL DEST" downloads URL to DEST the way the stub does.
#include "update/HttpDownload.h"
#include "update/tests/TestHttpServer.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "serve" && argc == 3) {
        stubtest::TestHttpServer server;
        stubtest::Resource resource;
        resource.file = argv[2];
        resource.lastModified = "Wed, 21 Oct 2015 07:28:00 GMT";
        server.Set("/file", resource);
        std::cout << server.Url("/file") << std::endl;
        std::string line;
        while (std::getline(std::cin, line)) {
        }
        return 0;
    }
    if (mode == "fetch" && argc == 4) {
        std::string error;
        stub::DownloadHooks hooks;
        hooks.log = [](const std::string&) {};
        if (!stub::HttpDownloadFile(argv[2], argv[3], error, hooks)) {
            std::cerr << error << "\n";
            return 1;
        }
        return 0;
    }
    std::cerr << "usage: download_bench serve FILE | fetch URL DEST\n";
    return 2;
}
