#pragma once
// Running the independent decoders that read the saved pictures back.
#include <string>
#include <vector>

namespace vartel::test {

struct ToolResult {
    int exitCode = -1; // -1: could not be started or timed out
    std::string out;
    std::string err;
};

bool ToolAvailable(const std::string& program);
ToolResult RunTool(const std::string& program, const std::vector<std::string>& arguments);

// Writes `bytes` to `path`; false when that fails.
bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

} // namespace vartel::test

// Skips the calling test with a clear message when a decoder is not installed.
#define REQUIRE_TOOL(program)                                                                                          \
    do {                                                                                                               \
        if (!::vartel::test::ToolAvailable(program))                                                                   \
            GTEST_SKIP() << "the decoder " << (program) << " is not installed; CI installs it";                        \
    } while (false)
