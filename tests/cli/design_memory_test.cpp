// The real kovrin-cli, run as a child process on designs written here, keeps its peak memory
// under three times the input's size plus 64 MB, for every command that reads a design. Each
// input is a shape that once made the program hold the file or its lines many times over.

#include "cli_run.h"
#include "support/peak_memory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <ostream>

namespace kovrin::test {
namespace {

constexpr std::size_t kMegabyte = 1024u * 1024u;

// Writes a design piece by piece, so the test itself never holds a whole input: a child forked
// from a large test would be accounted for the test's memory too.
class DesignFile
{
public:
    explicit DesignFile(const std::string &path)
        : m_out(path, std::ios::binary)
    {
        m_out << "\"0.61\"\r\n";
    }
    DesignFile &operator<<(std::string_view bytes)
    {
        m_out << bytes;
        return *this;
    }
    void header(std::string_view dialog)
    {
        m_out << dialog << ",\"KOVRIN_INFO_GRIDSIZE\",0.05,\"###\"\r\n";
    }
    // A button whose fields are all given; text is written as it stands (quoted or not).
    void control(std::string_view dialog, std::string_view name, std::string_view text)
    {
        m_out << dialog << ",\"" << name << "\",1,0.1,0.05,\"ST\",0.5,0.5,0.5,1,0.5,0.5,0.5,1,"
              << "\"Tahoma\",0.02," << text << ",1,1,1,1,1,1,1,1,1,1,1,1,\"\",0,0,0,"
              << "\"BUTTON\",0.1,0.1,0\r\n\"###\"\r\n";
    }

private:
    std::ofstream m_out;
};

using Writer = std::function<void(DesignFile &)>;

// Many dialogs of many controls with long texts: the largest design a user may have.
void manyControls(DesignFile &file)
{
    const std::string text = "\"" + std::string(1100, 'x') + "\"";
    for (int d = 0; d < 32; ++d) {
        const std::string dialog = "\"DLG" + std::to_string(d) + "\"";
        file.header(dialog);
        for (int c = 0; c < 900; ++c)
            file.control(dialog, "c" + std::to_string(c), text);
    }
}

// One text of 32 MB (or as many as asked), quoted or running bare to the end of its line.
void hugeField(DesignFile &file, bool quoted, char byte = 'x', int megabytes = 32)
{
    file.header("\"D\"");
    const std::string piece(kMegabyte, byte);
    file << "\"D\",\"c\",1,0.1,0.05,\"ST\",0.5,0.5,0.5,1,0.5,0.5,0.5,1,\"Tahoma\",0.02,"
         << (quoted ? "\"" : "");
    for (int i = 0; i < megabytes; ++i)
        file << piece;
    file << (quoted ? "\"" : "") << ",1,1,1,1,1,1,1,1,1,1,1,1,\"\",0,0,0,\"BUTTON\",0.1,0.1,0\r\n"
         << "\"###\"\r\n";
}

// A million headers of one dialog: tiny records, none of them counted against a limit.
void tinyRecords(DesignFile &file)
{
    file.control("\"D\"", "c", "\"T\"");
    for (int i = 0; i < 1000000; ++i)
        file.header("\"D\"");
}

// 30,000 controls of a few bytes each, every value wrong: many reported problems.
void manyProblems(DesignFile &file)
{
    file.header("\"D\"");
    for (int i = 0; i < 30000; ++i)
        file << "\"D\",\"a b\",x,x,x,\"\",x,x,x,x,x,x,x,x,\"\",x,\"\",x,x,x,x,x,x,x,x,x,x,x,x,"
                "\"\",x,x,x,\"BUTTON\",x,x,x\r\n\"###\"\r\n";
}

// A dialog name of a megabyte on records whose every text is cut short by a quote.
void cutTextsOfLongName(DesignFile &file)
{
    const std::string name = "\"" + std::string(kMegabyte, 'N') + "\"";
    file.header(name);
    for (int i = 0; i < 8; ++i) {
        file << name;
        for (int field = 1; field < 33; ++field)
            file << ",\"a\"b";
        file << ",\"BUTTON\",0,0,0\r\n\"###\"\r\n";
    }
}

const std::map<std::string, Writer> &inputs()
{
    static const std::map<std::string, Writer> all {
        {"many_controls", manyControls},
        {"huge_text",
         [](DesignFile &f) {
             hugeField(f, true);
         }},
        {"long_line",
         [](DesignFile &f) {
             hugeField(f, false);
         }},
        {"high_text",
         [](DesignFile &f) {
             hugeField(f, true, '\x80', 40); // each byte three of UTF-8 in memory
         }},
        {"tiny_records", tinyRecords},
        {"many_problems", manyProblems},
        {"cut_texts", cutTextsOfLongName},
    };
    return all;
}

struct Row
{
    std::string command;
    std::string input;
};

void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.command << " " << row.input;
}

class DesignMemory : public testing::TestWithParam<Row>
{
};

TEST_P(DesignMemory, PeakStaysWithinThreeTimesTheInput)
{
    if (!kPeakIsMeasured)
        GTEST_SKIP() << "no process accounting here, or a sanitizer multiplies memory";
    const Row &row = GetParam();
    const TempFolder folder;
    const std::string input = folder.path(row.input + ".kvx");
    {
        DesignFile file(input);
        inputs().at(row.input)(file);
    }
    std::vector<std::string> argv {KOVRIN_CLI, row.command, input};
    if (row.command == "convert")
        argv.push_back(folder.path("out.kvx"));
    if (row.command == "generate")
        argv.insert(argv.end(), {"-o", folder.path("out.txt")});
    const ChildRun run = runChild(argv);
    ASSERT_GE(run.exitCode, 0) << run.err;
    EXPECT_LE(run.exitCode, 1) << run.err; // done, or problems found by check
    const long inputKb = static_cast<long>(std::filesystem::file_size(input) / 1024u);
    EXPECT_LT(run.peakKb, 3 * inputKb + 64 * 1024)
        << row.command << " of " << inputKb / 1024 << " MB took " << run.peakKb / 1024 << " MB";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DesignMemory,
    testing::Values(Row {"check", "many_controls"}, Row {"convert", "many_controls"},
                    Row {"generate", "many_controls"}, Row {"check", "huge_text"},
                    Row {"convert", "huge_text"}, Row {"generate", "long_line"},
                    Row {"check", "high_text"}, Row {"convert", "high_text"},
                    Row {"generate", "high_text"}, Row {"check", "tiny_records"},
                    Row {"check", "many_problems"}, Row {"convert", "many_problems"},
                    Row {"check", "cut_texts"}),
    [](const testing::TestParamInfo<Row> &row) {
        return row.param.command + "_" + row.param.input;
    });

} // namespace
} // namespace kovrin::test
