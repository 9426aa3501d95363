// The lines on the single-instance socket: any host path survives the trip
// on one line; everything a start would not send is not a request.
#include <gtest/gtest.h>

#include "platform/device/instance_messages.h"

namespace device {
namespace {

TEST(InstanceMessages, AnyPathMakesTheTripOnOneLine) {
    for (std::string path : {"/a.jpg", "/My Pictures/100% \"cat\".jpg", "/line\nbreak/x.gif", "/ü/日本.bmp", ""}) {
        SCOPED_TRACE(path);
        std::string line = EncodeInstanceRequest(path);
        ASSERT_EQ(line.find('\n'), line.size() - 1);
        line.pop_back();
        const std::optional<InstanceRequest> request = DecodeInstanceRequest(line);
        ASSERT_TRUE(request);
        EXPECT_EQ(request->path, path);
    }
}

TEST(InstanceMessages, OnlyWhatAStartSendsIsARequest) {
    for (const std::string& line : std::initializer_list<std::string>{"", "hello", "activate now", "open ", "open relative.jpg", "open /a%00b.jpg",
                             "open " + std::string(kLongestInstanceLine, '/')}) {
        EXPECT_FALSE(DecodeInstanceRequest(line)) << line.substr(0, 40);
    }
}

TEST(InstanceMessages, AnswersKeepTheirLine) {
    EXPECT_EQ(DecodeInstanceAnswer("ok"), "");
    std::string refused = EncodeInstanceAnswer("outside\nthe root");
    ASSERT_EQ(refused.back(), '\n');
    refused.pop_back();
    EXPECT_EQ(DecodeInstanceAnswer(refused), "outside the root");
    EXPECT_FALSE(DecodeInstanceAnswer("refused "));
    EXPECT_FALSE(DecodeInstanceAnswer("garbage"));
}

}  // namespace
}  // namespace device
