#include "core/publish/rsyncreport.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

std::string Item(std::string_view rest)
{
    return std::string(itemMarker) + std::string(rest);
}

TEST(RsyncReportTest, ItemsTellSentFilesFromFoldersAndDeletions)
{
    const RsyncLine sent = ParseRsyncLine(Item("<f+++++++++ thumbnails/a b.jpg"));
    EXPECT_EQ(sent.kind, RsyncLine::Kind::item);
    EXPECT_TRUE(sent.transfer);
    EXPECT_EQ(sent.path, "thumbnails/a b.jpg");

    EXPECT_TRUE(ParseRsyncLine(Item(">f..t...... page0002.html")).transfer);
    EXPECT_FALSE(ParseRsyncLine(Item("cd+++++++++ thumbnails/")).transfer);
    EXPECT_FALSE(ParseRsyncLine(Item(".d..t...... ./")).transfer);

    const RsyncLine deleted = ParseRsyncLine(Item("*deleting   old/page0009.html"));
    EXPECT_EQ(deleted.kind, RsyncLine::Kind::deletion);
    EXPECT_EQ(deleted.path, "old/page0009.html");

    EXPECT_EQ(ParseRsyncLine(Item("<f+++++++++ caf\\#303\\#251.jpg")).path, "caf\xc3\xa9.jpg");
}

TEST(RsyncReportTest, ProgressAndTotalsAreReadWithOrWithoutThousandsSeparators)
{
    const RsyncLine progress =
        ParseRsyncLine("      1,234,567  12%    1.23MB/s    0:00:01 (xfr#3, to-chk=5/10)");
    EXPECT_EQ(progress.kind, RsyncLine::Kind::progress);
    EXPECT_EQ(progress.bytes, 1234567u);
    EXPECT_EQ(ParseRsyncLine("  32768  50%  0.00kB/s  0:00:00").bytes, 32768u);

    const RsyncLine total = ParseRsyncLine("Total bytes sent: 440263");
    EXPECT_EQ(total.kind, RsyncLine::Kind::totalBytesSent);
    EXPECT_EQ(total.bytes, 440263u);

    EXPECT_EQ(ParseRsyncLine("sending incremental file list").kind, RsyncLine::Kind::other);
    EXPECT_EQ(ParseRsyncLine("Number of files: 17 (reg: 17)").kind, RsyncLine::Kind::other);
}

TEST(RsyncReportTest, EndsAreNamedFromWhatSshAndRsyncSaid)
{
    struct Case {
        int code;
        const char *errors;
        PublishFailure failure;
    };
    const Case cases[] = {
        {0, "", PublishFailure::none},
        {255, "ssh: connect to host 127.0.0.1 port 9: Connection refused\n",
         PublishFailure::hostUnreachable},
        {255, "ssh: Could not resolve hostname nowhere: Name or service not known\n",
         PublishFailure::hostUnreachable},
        {255, "me@127.0.0.1: Permission denied (publickey,password).\n",
         PublishFailure::loginRefused},
        {255,
         "No ED25519 host key is known for [127.0.0.1]:2222 and you have requested strict "
         "checking.\nHost key verification failed.\n",
         PublishFailure::hostKeyUnknown},
        {255,
         "@ WARNING: REMOTE HOST IDENTIFICATION HAS CHANGED! @\nHost key verification failed.\n",
         PublishFailure::hostKeyChanged},
        {11, "rsync: [receiver] write failed on \"a.jpg\": No space left on device (28)\n",
         PublishFailure::diskFull},
        {23, "rsync: [Receiver] mkdir \"/srv/www\" failed: Permission denied (13)\n",
         PublishFailure::destinationRefused},
        {12, "rsync: connection unexpectedly closed (139 bytes received so far) [sender]\n",
         PublishFailure::connectionLost},
        {30, "[sender] io timeout after 60 seconds -- exiting\n", PublishFailure::connectionLost},
        {127, "bash: line 1: rsync: command not found\n", PublishFailure::toolMissing},
        {1, "rsync: something new\n", PublishFailure::other},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClassifyRsyncEnd(c.code, c.errors), c.failure) << c.errors;
}

TEST(RsyncReportTest, MessagesQuoteTheLineThatTellsMoreThanRsyncsClosingLine)
{
    const std::string message =
        FailureMessage(PublishFailure::hostUnreachable,
                       "ssh: connect to host 127.0.0.1 port 9: Connection refused\r\n"
                       "rsync error: unexplained error (code 255) at io.c(232)\n",
                       true);
    EXPECT_NE(message.find("port 9: Connection refused"), std::string::npos) << message;
    EXPECT_EQ(message.find("unexplained"), std::string::npos) << message;
}

} // namespace
} // namespace pagoranto
