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
using testing_support::FileSizeLimit;
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

TEST(TextFile, ReadsLfFilesMixedEndsAndAnUnterminatedLastLine) {
    TempDir dir;
    WriteBytes(dir.File("b.txt"), "one\ntwo\r\n\r\nlone\rcr\nlast");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadAllLines(dir.File("b.txt"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "lone\rcr", "last"}));
}

TEST(TextFile, EmptyFileHasNoLines) {
    TempDir dir;
    WriteBytes(dir.File("e.txt"), "");
    CTextFile in;
    ASSERT_TRUE(in.Open(dir.File("e.txt"), CTextFile::modeRead));
    std::string line = "x";
    EXPECT_FALSE(in.ReadString(line));
    EXPECT_EQ(line, "");
}

TEST(TextFile, ReadsVeryLongLinesWhole) {
    TempDir dir;
    std::string longLine(100000, 'x');
    longLine[99999] = 'y';
    WriteBytes(dir.File("long.txt"), "a\r\n" + longLine + "\r\nb\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadAllLines(dir.File("long.txt"), lines));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "b");
}

TEST(TextFile, CrLfSplitAcrossTheReadBufferIsOneLineEnd) {
    TempDir dir;
    // Put the CR as the last byte of the first 64 KiB chunk.
    std::string first(65535, 'a');
    WriteBytes(dir.File("split.txt"), first + "\r\nnext\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadAllLines(dir.File("split.txt"), lines));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], first);
    EXPECT_EQ(lines[1], "next");
}

TEST(TextFile, NumberRules) {
    EXPECT_EQ(ParseInt("  -12abc"), -12);
    EXPECT_EQ(ParseInt("abc"), 0);
    EXPECT_EQ(ParseInt(""), 0);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt("\t 300"), 300);
    EXPECT_EQ(ParseInt("- 5"), 0);
    EXPECT_EQ(ParseInt("2147483647"), INT_MAX);
    EXPECT_EQ(ParseInt("2147483648"), INT_MAX);
    EXPECT_EQ(ParseInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseInt("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(FormatInt(-3), "-3");
    EXPECT_TRUE(ParseFlag("TRUE"));
    EXPECT_FALSE(ParseFlag("true"));
    EXPECT_FALSE(ParseFlag("FALSE"));
}

TEST(TextFile, OpenFailuresGiveCauseCodes) {
    TempDir dir;
    CTextFile f;
    int cause = -1;
    EXPECT_FALSE(f.Open(dir.File("missing.txt"), CTextFile::modeRead, &cause));
    EXPECT_EQ(cause, causeFileNotFound);
    EXPECT_FALSE(f.Open(dir.File("no/such/folder.txt"), CTextFile::modeCreate, &cause));
    EXPECT_EQ(cause, causeFileNotFound);
    // A folder opened for writing is access denied.
    EXPECT_FALSE(f.Open(dir.Path(), CTextFile::modeCreate, &cause));
    EXPECT_EQ(cause, causeAccessDenied);
    // Write without truncation never creates a file.
    EXPECT_FALSE(f.Open(dir.File("new.txt"), CTextFile::modeWrite, &cause));
    EXPECT_EQ(cause, causeFileNotFound);
}

TEST(TextFile, RefusesWhatIsNotARegularFileWithoutWaiting) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.ply"));
    const struct {
        std::string path;
        CTextFile::Mode mode;
    } cases[] = {
        {dir.Path(), CTextFile::modeRead},         {dir.File("fifo"), CTextFile::modeRead},
        {dir.File("fifo"), CTextFile::modeAppend}, {dir.File("zero.ply"), CTextFile::modeRead},
        {"/dev/zero", CTextFile::modeRead},        {"/dev/full", CTextFile::modeWrite},
    };
    for (const auto& c : cases) {
        CTextFile f;
        int cause = -1;
        bool opened;
        {
            TimeLimit limit(2);
            opened = f.Open(c.path, c.mode, &cause);
        }
        EXPECT_FALSE(opened) << c.path;
        EXPECT_EQ(cause, causeAccessDenied) << c.path;
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

TEST(TextFile, FullDiskThrowsDiskFull) {
    TempDir dir;
    const std::string path = dir.File("p.ply");
    std::string message;
    int cause = 0;
    {
        CTextFile f;
        ASSERT_TRUE(f.Open(path, CTextFile::modeCreate));
        f.WriteLine(std::string(100, 'x'));
        FileSizeLimit limit(10);
        try {
            f.Close();
        } catch (const CFileException& e) {
            cause = e.cause();
            message = e.what();
        }
    }
    EXPECT_EQ(cause, causeDiskFull);
    EXPECT_EQ(message, "Disk full while accessing " + path + ".");
}

TEST(TextFile, WriteWithoutTruncationKeepsTheRest) {
    TempDir dir;
    WriteBytes(dir.File("s.dat"), "FALSE\r\n1\r\n2\r\n3\r\n");
    CTextFile f;
    ASSERT_TRUE(f.Open(dir.File("s.dat"), CTextFile::modeWrite));
    f.WriteLine("TRUE");
    f.Close();
    // "TRUE\r\n" overwrites "FALSE\r" and leaves the old "\n" after it.
    EXPECT_EQ(ReadBytes(dir.File("s.dat")), "TRUE\r\n\n1\r\n2\r\n3\r\n");
}

TEST(TextFile, AppendAddsAtTheEnd) {
    TempDir dir;
    for (int i = 0; i < 2; ++i) {
        CTextFile f;
        ASSERT_TRUE(f.Open(dir.File("r"), CTextFile::modeAppend));
        f.WriteLine("line" + std::to_string(i));
        f.Close();
    }
    EXPECT_EQ(ReadBytes(dir.File("r")), "line0\r\nline1\r\n");
}

TEST(TextFile, ReaderShutsOutOtherWriters) {
    TempDir dir;
    WriteBytes(dir.File("x"), "a\r\n");
    CTextFile reader;
    ASSERT_TRUE(reader.Open(dir.File("x"), CTextFile::modeRead));
    CTextFile writer;
    int cause = 0;
    EXPECT_FALSE(writer.Open(dir.File("x"), CTextFile::modeWrite, &cause));
    EXPECT_EQ(cause, causeSharingViolation);
    CTextFile secondReader;
    EXPECT_TRUE(secondReader.Open(dir.File("x"), CTextFile::modeRead));
}

TEST(FileErrors, StandardTextsAndErrnoMapping) {
    EXPECT_EQ(FileErrorText(2, "a.ply"), "a.ply was not found.");
    EXPECT_EQ(FileErrorText(0, "x"), "No error occurred.");
    EXPECT_EQ(FileErrorText(9, "x"), "Seek failed on x");
    EXPECT_EQ(FileErrorText(14, "x"), "An attempt was made to access x past its end.");
    EXPECT_EQ(FileErrorText(99, "x"), "An unknown error occurred while accessing x.");
    EXPECT_EQ(CauseFromErrno(ENOENT), 2);
    EXPECT_EQ(CauseFromErrno(ENOTDIR), 3);
    EXPECT_EQ(CauseFromErrno(ENAMETOOLONG), 3);
    EXPECT_EQ(CauseFromErrno(EMFILE), 4);
    EXPECT_EQ(CauseFromErrno(EACCES), 5);
    EXPECT_EQ(CauseFromErrno(EISDIR), 5);
    EXPECT_EQ(CauseFromErrno(EBADF), 6);
    EXPECT_EQ(CauseFromErrno(EIO), 10);
    EXPECT_EQ(CauseFromErrno(ENOSPC), 13);
    EXPECT_EQ(CauseFromErrno(EDQUOT), 13);
    EXPECT_EQ(CauseFromErrno(EFBIG), 13);
    EXPECT_EQ(CauseFromErrno(EPROTO), 1);
}

TEST(FileReplace, ReplacesTheWholeFile) {
    TempDir dir;
    WriteBytes(dir.File("p.ply"), "old contents that are longer\r\n");
    int cause = ReplaceFile(dir.File("p.ply"), [](CTextFile& f) { f.WriteLine("new"); });
    EXPECT_EQ(cause, 0);
    EXPECT_EQ(ReadBytes(dir.File("p.ply")), "new\r\n");
    EXPECT_EQ(ReplaceFile(dir.File("fresh"), [](CTextFile& f) { f.WriteInt(5); }), 0);
    EXPECT_EQ(ReadBytes(dir.File("fresh")), "5\r\n");
}

TEST(FileReplace, AFailedWriteKeepsTheOldFileByteForByte) {
    TempDir dir;
    const std::string old = "Start Grid\r\n1,2\r\nEnd Grid\r\n";
    WriteBytes(dir.File("p.ply"), old);
    CTextFile::FailNextWrite(causeDiskFull);
    int cause = ReplaceFile(dir.File("p.ply"), [](CTextFile& f) {
        for (int i = 0; i < 10; ++i)
            f.WriteLine("replacement line");
    });
    EXPECT_EQ(cause, causeDiskFull);
    EXPECT_EQ(ReadBytes(dir.File("p.ply")), old);
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1);
    // The hook fires once.
    EXPECT_EQ(ReplaceFile(dir.File("p.ply"), [](CTextFile& f) { f.WriteLine("ok"); }), 0);
}

TEST(FileReplace, AnExceptionFromTheWriterIsReportedAndChangesNothing) {
    TempDir dir;
    WriteBytes(dir.File("a"), "keep\r\n");
    int cause = ReplaceFile(dir.File("a"), [](CTextFile& f) {
        f.WriteLine("partial");
        throw CFileException(causeHardIO, "a");
    });
    EXPECT_EQ(cause, causeHardIO);
    EXPECT_EQ(ReadBytes(dir.File("a")), "keep\r\n");
}

TEST(FileReplace, MissingFolderAndFolderTargetFail) {
    TempDir dir;
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
