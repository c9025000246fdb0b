// Reading a design a piece at a time gives what reading it whole gives: items, records, texts and
// reports that straddle a piece, texts longer than a piece, refusals wherever their cause stands.
#include "../cli/cli_run.h"
#include "persist/design_reader.h"
#include "persist/design_recognition.h"
#include "persist/item_reader.h"

#include "persist_support.h"

#include <gtest/gtest.h>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

namespace fs = std::filesystem;

// Pieces far smaller than any record, so every item, line end and text meets a boundary.
constexpr std::size_t kPieceSizes[] = {2, 3, 7, 64};

// Everything a reading gives, refusal and reports included, as one text to compare; the records
// field by field, their texts shown.
std::string outcome(const Result<LoadedDesign> &read)
{
    if (!read)
        return "refused: " + read.message;
    const LoadedDesign &design = *read;
    std::string out = design.olderFormat ? "older\n" : "current\n";
    for (const LoadedDialog &dialog : design.dialogs) {
        out += "dialog " + dialog.name + " " + std::to_string(dialog.gridSize) + " "
            + std::to_string(static_cast<int>(dialog.layout)) + "\n";
        for (const ControlRecord &r : dialog.controls) {
            for (const std::string_view text :
                 {std::string_view(r.Name), std::string_view(r.CtrlType), std::string_view(r.Style),
                  std::string_view(r.Font), std::string_view(r.Text), std::string_view(r.Action)})
                out += std::string(text) + "|";
            out += r == dialog.controls.front() ? "as the first\n" : "\n";
        }
    }
    for (const std::string &line : design.problems.lines())
        out += "problem " + line + "\n";
    return out + "refusal " + design.refusal;
}

// The records themselves, every field.
bool sameRecords(const Result<LoadedDesign> &a, const Result<LoadedDesign> &b)
{
    if (!a || !b)
        return !a && !b;
    if ((*a).dialogs.size() != (*b).dialogs.size())
        return false;
    for (std::size_t i = 0; i < (*a).dialogs.size(); ++i) {
        if ((*a).dialogs[i].controls != (*b).dialogs[i].controls)
            return false;
    }
    return true;
}

void expectSameInPieces(const fs::path &path, const std::string &bytes)
{
    const auto whole = readDesign(std::string_view(bytes), path, '.');
    const auto parsedWhole = Result<LoadedDesign>::of(parseDesign(bytes, '.'));
    for (const std::size_t piece : kPieceSizes) {
        const auto read = readDesign(path, '.', piece);
        EXPECT_EQ(outcome(read), outcome(whole)) << path << " in pieces of " << piece;
        EXPECT_TRUE(sameRecords(read, whole)) << path << " in pieces of " << piece;
        MemoryBytes pieces(bytes, piece);
        const auto parsed = Result<LoadedDesign>::of(parseDesign(pieces, '.'));
        EXPECT_EQ(outcome(parsed), outcome(parsedWhole))
            << path << " parsed in pieces of " << piece;
        EXPECT_TRUE(sameRecords(parsed, parsedWhole)) << path << " parsed in pieces of " << piece;
    }
}

Lines withText(const std::string &text)
{
    return control("A", "t1", "TEXT", {{17, text}});
}

} // namespace

TEST(DesignPieces, EveryTestDesignReadsAsItDoesWhole)
{
    std::size_t designs = 0;
    for (const auto &entry : fs::recursive_directory_iterator(KOVRIN_TEST_DATA)) {
        if (entry.path().extension() != ".kvx")
            continue;
        ++designs;
        expectSameInPieces(entry.path(), kovrin::test::fileBytes(entry.path()));
    }
    EXPECT_GT(designs, 10u);
}

TEST(DesignPieces, RecordsAndTextsAcrossPiecesReadAsWhole)
{
    const std::string longText = "\"" + std::string(300, '\x80') + "\r\n\xE9" + "\"";
    const std::string design = fileOf(current({header("A", "0.05"), control("A", "t1")}));
    const std::string cases[] = {
        // a text longer than every piece, of high bytes and a line break
        fileOf(current({header("A", "0.05"), withText(longText), control("A", "t2")})),
        // the same with what follows its closing quote, also longer than a piece
        fileOf(current({withText(longText + std::string(200, ' ') + "x" + std::string(90, 'y'))})),
        // a bare item longer than a piece, blanks after it
        fileOf(current({control("A", "t1", "TEXT", {{5, std::string(150, '\xE9') + "   "}})})),
        // an end mark among blanks longer than a piece
        "\"0.61\"\r\n\"A\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0.05\r\n" + std::string(100, ' ')
            + "\"###\"" + std::string(100, ' ') + "\r\n",
        // lone CRs and LFs inside texts, CR LF at every place a piece can split it
        fileOf(current({withText("\"a\rb\nc\r\n\r\r\n\n\"")})),
        // a long text left unclosed at the end, in either format
        fileOf(current({header("A", "0.05")})) + "\"A\",\"t\",\"" + std::string(200, '\x93'),
        fileOf(olderControl("A", "b")) + "\"A\",\"" + std::string(200, 'q'),
        // a record after a long taken text that leaves that field out keeps its text
        design + "\"A\"\r\n\"" + std::string(120, '\x80') + "\"\r\n\"###\"\r\n",
        fileOf(current({withText(longText)})) + "\"A\"\r\n\"t2\"\r\n\"###\"\r\n",
        // an empty design, its version line split
        "\"0.61\"  \r\n  \r\n",
        // a byte no design holds, far from the start
        design + std::string(100, ' ') + "\x9D",
    };
    kovrin::test::TempFolder folder;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        expectSameInPieces(folder.write("case" + std::to_string(i) + ".kvx", cases[i]), cases[i]);
}

TEST(DesignPieces, ItemsAcrossPiecesAreTheItemsOfTheWhole)
{
    const auto itemsOf = [](ItemReader items) {
        std::string out;
        while (!items.atEnd()) {
            const Item item = items.next();
            out += "|" + item.text + (item.quoted ? "q" : "") + "[" + item.dropped + "]"
                + (item.unclosed ? "~" : "");
        }
        return out;
    };
    const std::string texts[] = {
        "  \"a\" , b ,c\t\r\n\r\n-1,1E-05\n\"two\rlines\"\rx",
        "\"Box \"big\" one\"  ,next\r\n\"fine\"  \r\n\"open, to the end\r\nof it",
        "\"\r\n\r\n\r\r\n\n\",\r\n\r\n",
    };
    for (const std::string &text : texts) {
        MemoryBytes whole(text);
        const std::string expected = itemsOf(ItemReader(whole));
        for (std::size_t piece = 2; piece < text.size(); ++piece) {
            MemoryBytes pieces(text, piece);
            EXPECT_EQ(itemsOf(ItemReader(pieces)), expected) << text << " in pieces of " << piece;
        }
    }
}

TEST(DesignPieces, TheWatchesOfTheWholeFileSeeItAsWhole)
{
    const std::string texts[] = {
        "",       "0.61",   "\"0.61\"\r\n",  " 0.61 \r\n \r\n", "0. 61",
        "\"0.61", "0.61\"", "\"\"",          "\"0.6\"1\"",      "x0.61",
        ".",      "7",      "\"0.61\"\r\nx", "0.61\x81",        std::string("0\0.6", 4),
    };
    for (const std::string &text : texts) {
        for (std::size_t piece = 1; piece <= 4; ++piece) {
            EmptyDesignWatch empty;
            UndecodableBytes undecodable;
            for (std::size_t at = 0; at < text.size(); at += piece) {
                empty.see(std::string_view(text).substr(at, piece));
                undecodable.see(std::string_view(text).substr(at, piece));
            }
            EXPECT_EQ(empty.holdsEmptyDesign(), holdsEmptyDesign(text)) << text << " " << piece;
            EXPECT_EQ(undecodable.reason(), undecodableReason(text)) << text << " " << piece;
        }
    }
}

// A file whose size says nothing of what it holds is refused as soon as it passes the limit.
TEST(DesignPieces, TheSizeLimitIsMetWhileTheFileIsRead)
{
#ifdef _WIN32
    GTEST_SKIP() << "no file reports a size other than what it holds";
#else
    const fs::path status = "/proc/self/status";
    if (!fs::exists(status) || fs::file_size(status) != 0)
        GTEST_SKIP() << "no such file here";
    std::size_t seen = 0;
    const auto opened
        = openFileBytes(status, 100, 7, [&seen](std::string_view piece) { seen += piece.size(); });
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.message.find("larger than 100 bytes"), std::string::npos) << opened.message;
    EXPECT_LE(seen, 100u);
#endif
}
