#include "Tracer.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(TracerTest, LinesGoToTheFileWhileEnabled)
{
    ScratchFolder scratch;
    const std::string path = scratch.File("logs\\trace.txt");
    CTracer tracer;
    EXPECT_TRUE(tracer.IsEnabled());
    tracer.Trace("before any file");
    tracer.SetFile(path.c_str());
    tracer.Trace("first");
    tracer.TraceFormat("copied %d of %s", 3, "clips");
    tracer.SetEnabled(false);
    tracer.Trace("hidden");
    tracer.TraceFormat("hidden %d", 2);
    tracer.SetEnabled(true);
    tracer.Trace(nullptr);

    const std::string text = ReadWholeFile(path);
    EXPECT_EQ(CountOf(text, "\r\n"), 3) << text;
    EXPECT_NE(text.find("first\r\n"), std::string::npos);
    EXPECT_NE(text.find("copied 3 of clips\r\n"), std::string::npos);
    EXPECT_EQ(text.find("hidden"), std::string::npos);
    EXPECT_EQ(text.find("before any file"), std::string::npos);
    EXPECT_NE(text.find("[" + std::to_string(GetCurrentThreadId()) + "]"), std::string::npos);

    tracer.SetFile(nullptr);
    tracer.Trace("after the file");
    EXPECT_EQ(ReadWholeFile(path), text);
}

} // namespace
