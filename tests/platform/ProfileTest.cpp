// Profile reading: the Windows private-profile rules on top of inih.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Profile.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = std::filesystem::temp_directory_path() /
            ("vorn-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
    }
    void TearDown() override { std::filesystem::remove(path_); }

    void Write(const std::string& text)
    {
        std::ofstream out(path_, std::ios::binary);
        out << text;
    }
    // Reads with a 256-byte buffer and the default "dflt"; `length` gets the returned count.
    std::string Read(const char* section, const char* key, std::size_t* length = nullptr)
    {
        char buffer[256];
        std::memset(buffer, 'x', sizeof buffer);
        const std::size_t n =
            platform::ReadProfileString(section, key, "dflt", buffer, sizeof buffer, path_.c_str());
        if (length != nullptr)
            *length = n;
        EXPECT_EQ(std::strlen(buffer), n);
        return buffer;
    }

    std::filesystem::path path_;
};

TEST_F(ProfileTest, SectionAndKeyMatchWithoutCaseAndValuesAreTrimmed)
{
    Write("[Video]\nPLUGIN =   Plugins\\Other.dll  \n[input]\nplugin=in.dll\n");
    std::size_t length = 0;
    EXPECT_EQ("Plugins\\Other.dll", Read("video", "plugin", &length));
    EXPECT_EQ(17u, length);
    EXPECT_EQ("in.dll", Read("INPUT", "Plugin"));
}

TEST_F(ProfileTest, MissingFileSectionKeyAndEmptyValueGiveTheDefault)
{
    std::size_t length = 0;
    EXPECT_EQ("dflt", Read("video", "plugin", &length));
    EXPECT_EQ(4u, length);
    Write("[video]\nplugin=\n[audio]\nother=1\n");
    EXPECT_EQ("dflt", Read("video", "plugin"));
    EXPECT_EQ("dflt", Read("audio", "plugin"));
    EXPECT_EQ("dflt", Read("input", "plugin"));
}

TEST_F(ProfileTest, LongValuesAreCutAt255Characters)
{
    const std::string value(300, 'v');
    Write("[video]\nplugin=" + value + "\n[audio]\nplugin=after\n");
    std::size_t length = 0;
    EXPECT_EQ(value.substr(0, 255), Read("video", "plugin", &length));
    EXPECT_EQ(255u, length);
    // The long line does not disturb what follows it.
    EXPECT_EQ("after", Read("audio", "plugin"));
}

TEST_F(ProfileTest, FirstOccurrenceQuotesCommentsAndSeparators)
{
    Write("; comment\n[video]\n# another\nplugin = \"quoted path.dll\"\nplugin=second\n"
          "[input]\nplugin = a.dll ; not a comment\nkey:with:colons = yes\nno equals sign\n"
          "[video]\nplugin=third\n");
    EXPECT_EQ("quoted path.dll", Read("video", "plugin"));
    EXPECT_EQ("a.dll ; not a comment", Read("input", "plugin"));
    EXPECT_EQ("yes", Read("input", "key:with:colons"));
    EXPECT_EQ("dflt", Read("input", "no equals sign"));
}

TEST_F(ProfileTest, SmallBuffersAreCutAndTerminated)
{
    Write("[video]\nplugin=abcdef\n");
    char small[4];
    EXPECT_EQ(3u, platform::ReadProfileString("video", "plugin", "dflt", small, sizeof small, path_.c_str()));
    EXPECT_STREQ("abc", small);
    EXPECT_EQ(
        3u, platform::ReadProfileString("video", "missing", "default", small, sizeof small, path_.c_str()));
    EXPECT_STREQ("def", small);
}

}  // namespace
