#include "update/InformAddress.h"

#include <gtest/gtest.h>

namespace {

TEST(InformAddressTest, OnlyHttpAndHttpsAddressesWithAHostOpen) {
    const struct {
        const char* address;
        bool opens;
    } cases[] = {
        {"http://updates.example.com/news.html", true},
        {"https://updates.example.com/", true},
        {"HTTPS://updates.example.com", true},
        {"http://127.0.0.1:8080/a?b=c", true},
        {"", false},
        {"news.html", false},
        {"/home/u/.ssh/id_rsa", false},
        {"//updates.example.com/", false},
        {"file:///etc/passwd", false},
        {"file://updates.example.com/x", false},
        {"javascript:alert(1)", false},
        {"ftp://updates.example.com/x", false},
        {"http:updates.example.com", false},
        {"http://", false},
        {"https:///path", false},
        {"http://:80/", false},
        {"http://user@evil.example/", false},
        {" http://updates.example.com/", false},
        {"http://updates.example.com/a b", false},
        {"http://updates.example.com/\n", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stub::IsOpenableAddress(c.address), c.opens) << '"' << c.address << '"';
}

} // namespace
