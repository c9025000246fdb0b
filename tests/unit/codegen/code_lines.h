#pragma once
// Test helpers: generated text split into its CRLF lines, records of a kind, golden files.

#include "model/control_record.h"
#include "model/creation_defaults.h"
#include "persist/file_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrin::test {

// Splits at CRLF; a lone CR or LF stays inside its line, so a stray one shows up in a comparison.
// The text must end with CRLF (checked), and the result holds no entry after the last one.
inline std::vector<std::string> crlfLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end with CRLF: ..." << text.substr(start);
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline ControlRecord recordOf(ControlKind kind, std::string name)
{
    ControlRecord record = defaultRecord(kind);
    record.Name = std::move(name);
    return record;
}

inline std::string goldenText(const std::string &relative)
{
    const auto bytes = readWholeFile(std::string(KOVRIN_TEST_DATA) + "/" + relative);
    EXPECT_TRUE(bytes) << bytes.message;
    return bytes ? *bytes : std::string();
}

} // namespace kovrin::test
