#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "process/channel.h"

using platform::process::Channel;
using platform::process::Received;
using platform::process::WireMessage;
using platform::process::WireReader;
using platform::process::WireWriter;

namespace {

constexpr std::chrono::milliseconds kNoWait{0};

struct SocketPair {
    SocketPair() { socketpair(AF_UNIX, SOCK_STREAM, 0, ends); }
    int ends[2] = {-1, -1};
};

void SendRaw(int socket, std::vector<uint32_t> words)
{
    ASSERT_EQ(send(socket, words.data(), words.size() * 4, 0), static_cast<ssize_t>(words.size() * 4));
}

}  // namespace

TEST(ProcessChannel, CarriesMessagesWholeAndTellsEveryWayAReadCanFail)
{
    SocketPair pair;
    Channel device(pair.ends[0]);
    {
        Channel program(pair.ends[1]);
        ASSERT_TRUE(program.Send(WireWriter(7u).Word(42).WideText(u"35").Take()));
        WireMessage got;
        ASSERT_EQ(device.Receive(got, kNoWait), Received::Message);
        EXPECT_EQ(got.kind, 7u);
        WireReader fields(got);
        uint32_t word = 0;
        std::u16string text;
        EXPECT_TRUE(fields.Word(word) && fields.WideText(text));
        EXPECT_EQ(word, 42u);
        EXPECT_EQ(text, u"35");
        EXPECT_FALSE(fields.Word(word)) << "nothing is read past the message";

        EXPECT_EQ(device.Receive(got, kNoWait), Received::TimedOut) << "a silent peer";
        SendRaw(pair.ends[1], {1, 8, 0});  // a message cut off after four of its eight bytes
    }
    WireMessage got;
    EXPECT_EQ(device.Receive(got, kNoWait), Received::Broken) << "a peer gone halfway through a message";
    EXPECT_EQ(device.Receive(got, kNoWait), Received::Closed) << "a peer gone";
}

TEST(ProcessChannel, ALengthBeyondTheLimitIsABrokenPeerNotAnAllocation)
{
    SocketPair pair;
    Channel device(pair.ends[0]);
    SendRaw(pair.ends[1], {1, 0xFFFFFFF0});
    WireMessage got;
    EXPECT_EQ(device.Receive(got, kNoWait), Received::Broken);
    EXPECT_TRUE(got.bytes.empty());
    close(pair.ends[1]);
}

TEST(ProcessChannel, ALengthInsideAMessageNeverReadsPastIt)
{
    WireMessage message = WireWriter(1u).Word(0x7FFFFFFF).Word(0).Take();  // a text that claims 2^31 characters
    WireReader wide(message);
    std::u16string text;
    EXPECT_FALSE(wide.WideText(text));
    WireReader narrow(message);
    std::string bytes;
    EXPECT_FALSE(narrow.Text(bytes));
}
