#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "tests/support/Recorders.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::TimeLimit;
using testing_support::WriteBytes;

TEST(TextFile, WritesLineEndsAsCrLfAndReadsThemBack) {
    TempDir dir;
    CTextFile out;
    ASSERT_TRUE(out.Open(dir.File("a.txt"), CTextFile::modeCreate));
    out.WriteLine("Start Grid");
    out.WriteString("two\nlines\n");
    out.WriteInt(-42);
    out.WriteFlag(true);
    out.WriteFlag(false);
    out.Close();
    EXPECT_EQ(ReadBytes(dir.File("a.txt")),
              "Start Grid\r\ntwo\r\nlines\r\n-42\r\nTRUE\r\nFALSE\r\n");

    CTextFile in;
    ASSERT_TRUE(in.Open(dir.File("a.txt"), CTextFile::modeRead));
    std::string line;
    std::vector<std::string> lines;
    while (in.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Start Grid", "two", "lines", "-42", "TRUE", "FALSE"}));
    EXPECT_FALSE(in.ReadString(line));
    EXPECT_EQ(line, "");
}

TEST(TextFile, ReadsLfCrLfMixedEndsLongLinesAndAnUnterminatedLastLine) {
    using Lines = std::vector<std::string>;
    std::string longLine(100000, 'x');
    longLine[99999] = 'y';
    const std::string chunk(65535, 'a'); // the CR as the last byte of the first 64 KiB
    const std::pair<std::string, Lines> cases[] = {
        {"one\ntwo\r\n\r\nlone\rcr\nlast", {"one", "two", "", "lone\rcr", "last"}},
        {"", {}},
        {"a\r\n" + longLine + "\r\nb\r\n", {"a", longLine, "b"}},
        {chunk + "\r\nnext\r\n", {chunk, "next"}},
    };
    TempDir dir;
    for (const auto& [bytes, expected] : cases) {
        WriteBytes(dir.File("b.txt"), bytes);
        Lines lines;
        ASSERT_TRUE(ReadAllLines(dir.File("b.txt"), lines));
        EXPECT_EQ(lines, expected) << bytes.substr(0, 40);
    }
}

TEST(TextFile, NumberRules) {
    const std::pair<const char*, int> ints[] = {
        {"  -12abc", -12},
        {"abc", 0},
        {"", 0},
        {"+7", 7},
        {"\t 300", 300},
        {"- 5", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999", INT_MIN},
    };
    for (const auto& [text, value] : ints)
        EXPECT_EQ(ParseInt(text), value) << text;
    EXPECT_EQ(FormatInt(-3), "-3");
    EXPECT_TRUE(ParseFlag("TRUE"));
    EXPECT_FALSE(ParseFlag("true"));
    EXPECT_FALSE(ParseFlag("FALSE"));
}

// What cannot be opened gives its cause; what is not a regular file (a folder,
// a pipe, a device, a link to one) is refused at once, never waited on.
TEST(TextFile, OpenFailuresGiveCauseCodesAndWhatIsNotARegularFileIsRefusedAtOnce) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.ply"));
    const struct {
        std::string path;
        CTextFile::Mode mode;
        int cause;
    } cases[] = {
        {dir.File("missing.txt"), CTextFile::modeRead, causeFileNotFound},
        {dir.File("no/such/folder.txt"), CTextFile::modeCreate, causeFileNotFound},
        {dir.File("new.txt"), CTextFile::modeWrite, causeFileNotFound}, // never creates
        {dir.Path(), CTextFile::modeCreate, causeAccessDenied},
        {dir.Path(), CTextFile::modeRead, causeAccessDenied},
        {dir.File("fifo"), CTextFile::modeRead, causeAccessDenied},
        {dir.File("fifo"), CTextFile::modeAppend, causeAccessDenied},
        {dir.File("zero.ply"), CTextFile::modeRead, causeAccessDenied},
        {"/dev/zero", CTextFile::modeRead, causeAccessDenied},
        {"/dev/full", CTextFile::modeWrite, causeAccessDenied},
    };
    for (const auto& c : cases) {
        CTextFile f;
        int cause = -1;
        TimeLimit limit(2);
        EXPECT_FALSE(f.Open(c.path, c.mode, &cause)) << c.path;
        EXPECT_EQ(cause, c.cause) << c.path;
    }
}

TEST(TextFile, RefusesFilesPastTheSizeLimitWithTheFileError) {
    TempDir dir;
    // Sparse files: the size costs no disk.
    WriteBytes(dir.File("big"), "");
    std::filesystem::resize_file(dir.File("big"), kMaxTextFileBytes + 1);
    CTextFile f;
    int cause = -1;
    EXPECT_FALSE(f.Open(dir.File("big"), CTextFile::modeRead, &cause));
    EXPECT_EQ(cause, causeAccessDenied);
    // One that grows past the limit after it was opened fails while it is read.
    WriteBytes(dir.File("grows"), "a\r\n");
    ASSERT_TRUE(f.Open(dir.File("grows"), CTextFile::modeRead));
    std::filesystem::resize_file(dir.File("grows"), kMaxTextFileBytes + 1);
    std::string line;
    try {
        while (f.ReadString(line)) {
        }
        FAIL() << "reading past the limit must throw";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.cause(), causeAccessDenied);
        EXPECT_EQ(std::string(e.what()), "Access to " + dir.File("grows") + " was denied.");
    }
}

TEST(TextFile, WritingNeverFollowsALinkReadingDoes) {
    TempDir dir;
    WriteBytes(dir.File("target"), "kept\r\n");
    std::filesystem::create_symlink(dir.File("target"), dir.File("link"));
    std::filesystem::create_symlink(dir.File("absent"), dir.File("dangling"));
    for (auto mode : {CTextFile::modeCreate, CTextFile::modeWrite, CTextFile::modeAppend,
                      CTextFile::modeCreateNew}) {
        for (const char* name : {"link", "dangling"}) {
            CTextFile f;
            EXPECT_FALSE(f.Open(dir.File(name), mode)) << name << " mode " << mode;
        }
    }
    EXPECT_EQ(ReadBytes(dir.File("target")), "kept\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("absent")));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadAllLines(dir.File("link"), lines));
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
    // Create-new makes a new file and leaves an existing one alone.
    CTextFile f;
    int cause = 0;
    EXPECT_FALSE(f.Open(dir.File("target"), CTextFile::modeCreateNew, &cause));
    EXPECT_NE(cause, causeNone);
    EXPECT_EQ(ReadBytes(dir.File("target")), "kept\r\n");
    ASSERT_TRUE(f.Open(dir.File("new"), CTextFile::modeCreateNew));
    f.WriteLine("n");
    f.Close();
    EXPECT_EQ(ReadBytes(dir.File("new")), "n\r\n");
}

TEST(FileErrors, StandardTextsAndErrnoMapping) {
    EXPECT_EQ(FileErrorText(2, "a.ply"), "a.ply was not found.");
    EXPECT_EQ(FileErrorText(0, "x"), "No error occurred.");
    EXPECT_EQ(FileErrorText(9, "x"), "Seek failed on x");
    EXPECT_EQ(FileErrorText(14, "x"), "An attempt was made to access x past its end.");
    EXPECT_EQ(FileErrorText(99, "x"), "An unknown error occurred while accessing x.");
    const std::pair<int, int> causes[] = {
        {ENOENT, 2}, {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4},  {EACCES, 5}, {EISDIR, 5},
        {EBADF, 6},  {EIO, 10},    {ENOSPC, 13},      {EDQUOT, 13}, {EFBIG, 13}, {EPROTO, 1}};
    for (auto [error, cause] : causes)
        EXPECT_EQ(CauseFromErrno(error), cause) << error;
}

TEST(FileReplace, ReplacesTheWholeFileOrLeavesTheOldOneByteForByte) {
    TempDir dir;
    WriteBytes(dir.File("p.ply"), "old contents that are longer\r\n");
    EXPECT_EQ(ReplaceFile(dir.File("p.ply"), [](CTextFile& f) { f.WriteLine("new"); }), 0);
    EXPECT_EQ(ReadBytes(dir.File("p.ply")), "new\r\n");
    EXPECT_EQ(ReplaceFile(dir.File("fresh"), [](CTextFile& f) { f.WriteInt(5); }), 0);
    EXPECT_EQ(ReadBytes(dir.File("fresh")), "5\r\n");

    // A failed write, or an exception from the writer, changes nothing.
    const std::string old = "Start Grid\r\n1,2\r\nEnd Grid\r\n";
    WriteBytes(dir.File("p.ply"), old);
    CTextFile::FailNextWrite(causeDiskFull);
    EXPECT_EQ(ReplaceFile(dir.File("p.ply"),
                          [](CTextFile& f) {
                              for (int i = 0; i < 10; ++i)
                                  f.WriteLine("replacement line");
                          }),
              causeDiskFull);
    EXPECT_EQ(ReadBytes(dir.File("p.ply")), old);
    EXPECT_EQ(ReplaceFile(dir.File("p.ply"),
                          [](CTextFile& f) {
                              f.WriteLine("partial");
                              throw CFileException(causeHardIO, "a");
                          }),
              causeHardIO);
    EXPECT_EQ(ReadBytes(dir.File("p.ply")), old);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);

    EXPECT_EQ(ReplaceFile(dir.File("nope/a"), [](CTextFile&) {}), causeFileNotFound);
    EXPECT_EQ(ReplaceFile(dir.Path(), [](CTextFile&) {}), causeAccessDenied);
    EXPECT_EQ(RemoveFile(dir.File("nope")), causeFileNotFound);
}

TEST(FileReplace, StaleTempFilesOfItsOwnNamingAloneAreRemoved) {
    TempDir dir;
    const std::vector<std::string> ours = {"Ann0.ply.tmpAb12Cd", "data.tmpzzzzzz",
                                           "70.gme.tmp000000"};
    const std::vector<std::string> others = {
        "Ann0.ply",    "data",        ".tmpAb12Cd",      "x.tmpAb12C",    "x.tmpAb12Cde",
        "x.tmpAb-2Cd", "x.TMPAb12Cd", "fresh.tmpAb12Cd", "held.tmpAb12Cd"};
    for (const auto& name : ours)
        WriteBytes(dir.File(name), "half");
    for (const auto& name : others)
        WriteBytes(dir.File(name), "keep");
    std::filesystem::create_directory(dir.File("dir.tmpAb12Cd"));
    std::filesystem::create_symlink(dir.File("Ann0.ply"), dir.File("link.tmpAb12Cd"));
    // Everything but "fresh" was last written an hour ago.
    const auto hourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        if (entry.path().filename() != "fresh.tmpAb12Cd" && !entry.is_symlink())
            std::filesystem::last_write_time(entry.path(), hourAgo);
    // A save in progress holds its temporary file open.
    CTextFile held;
    ASSERT_TRUE(held.Open(dir.File("held.tmpAb12Cd"), CTextFile::modeWrite));

    EXPECT_EQ(RemoveStaleTempFiles(dir.Path()), 3);
    for (const auto& name : ours)
        EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
    for (const auto& name : others)
        EXPECT_EQ(ReadBytes(dir.File(name)), "keep") << name;
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("dir.tmpAb12Cd")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.tmpAb12Cd")));
    EXPECT_EQ(RemoveStaleTempFiles(dir.File("missing/")), 0);
}
