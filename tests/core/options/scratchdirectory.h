#pragma once

#include "core/text/linefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

namespace pagoranto::testing {

// A fresh directory per test for option files, removed afterwards.
class ScratchDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto *test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("pagoranto-options-" + std::to_string(::getpid()) + "-" +
                 test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::filesystem::path file(std::string_view name) const { return m_dir / name; }
    void writeBytes(std::string_view name, std::string_view bytes) const
    {
        ASSERT_TRUE(WriteFileBytes(file(name), bytes));
    }
    std::string readBytes(std::string_view name) const
    {
        return ReadFileBytes(file(name)).value_or("<missing>");
    }
    ByteLines readLines(std::string_view name) const
    {
        return ReadLineFile(file(name)).value_or(ByteLines{});
    }
    void writeLines(std::string_view name, const ByteLines &lines) const
    {
        ASSERT_TRUE(WriteLineFile(file(name), lines));
    }

    std::filesystem::path m_dir;
};

} // namespace pagoranto::testing
