// Core base services: the trace log and the system information page.
#include <gtest/gtest.h>

#include <map>

#include "base/io_error.h"
#include "base/system_info.h"
#include "base/trace.h"
#include "tests/support/temp_dir.h"

namespace kvx {
namespace {

TEST(TraceLog, NothingIsWrittenInANormalRunAndLinesEndWithCrLf) {
    test::TempDir dir;
    PosixFileSystem fs;
    TraceLog trace;
    trace.attach(fs);
    trace.line(trace.level >= 1, "tkodialog.Create 1");
    trace.line(trace.windowFlag, "tfzgwwindow.createnew start");
    EXPECT_FALSE(dir.exists("TRACE.TXT")) << "level 0 and the flag off trace nothing";

    trace.windowFlag = true;
    trace.line(trace.windowFlag, "tfzgwwindow.createnew start");
    trace.line(trace.windowFlag, "tfzgwwindow.createnew end");
    trace.close();
    EXPECT_EQ(dir.read("TRACE.TXT"), "tfzgwwindow.createnew start\r\ntfzgwwindow.createnew end\r\n");

    // A new run empties the file at its first line.
    TraceLog again;
    again.attach(fs);
    again.line(true, "x");
    again.close();
    EXPECT_EQ(dir.read("TRACE.TXT"), "x\r\n");
}

TEST(TraceLog, AFileThatCannotBeCreatedRaisesTheIoError) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "TRACE.TXT");
    PosixFileSystem fs;
    TraceLog trace;
    trace.attach(fs);
    EXPECT_THROW(trace.line(true, "x"), IoError);
}

TEST(SystemInformationPage, LabelsAtColumnTwoValuesAtColumnTwentyEmptyWhenMissing) {
    const std::map<std::string, std::string> env = {{"NUMBER_OF_PROCESSORS", "2"}, {"USERNAME", "anna"}};
    const TextPage page = systemInformationPage(
        [&](const std::string& name) {
            auto it = env.find(name);
            return it == env.end() ? std::string() : it->second;
        },
        "Version 6.1 Build 42", "Linux");
    const auto lines = textFileLines(page);
    ASSERT_EQ(lines.size(), 10u);
    // An empty value still places the text cursor at column 20, as the text buffer does.
    EXPECT_EQ(lines[0], " Prozessor:        ");
    EXPECT_EQ(lines[1], " ProzessorZahl:    2");
    EXPECT_EQ(lines[2], " Windowsversion:   Version 6.1 Build 42");
    EXPECT_EQ(lines[3], " Win-Plattform:    Linux");
    EXPECT_EQ(lines[7], " Benutzer:         anna");
    EXPECT_EQ(lines[9], " APPDATA-Dir:      ");
}

}  // namespace
}  // namespace kvx
