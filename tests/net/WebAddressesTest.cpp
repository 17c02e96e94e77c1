#include "PreservedFile.h"
#include "ScratchFolder.h"

#include "tnwmfcut.h"

#include <gtest/gtest.h>

namespace {

// Tests write the file as an installer would, the links file kept as it was.
class WebAddressesTest : public ::testing::Test {
protected:
    std::string ReadLink(const char* tag)
    {
        char text[512] = {};
        ::GetPrivateProfileStringA("Link", tag, "", text, sizeof text, links.Path().c_str());
        return text;
    }

    PreservedFile links{static_cast<const char*>(UWebAddresses::GetLinksFile())};
};

TEST_F(WebAddressesTest, TagsGiveTheirAddressUnchangedAndUnknownOnesTheHomePageWrittenBack)
{
    EXPECT_EQ(links.Path(), UDirectoryUtils::GetCommonAppDataDirectory() + "links.ini");
    // No "links.ini" yet: the first lookup creates it.
    EXPECT_EQ(UWebAddresses::GetAddressByTag("Voices"), UWebAddresses::kHomePage);
    EXPECT_EQ(ReadLink("Voices"), UWebAddresses::kHomePage);
    EXPECT_EQ(UWebAddresses::GetQuickTimeDownloadAddress(), UWebAddresses::kHomePage);
    EXPECT_EQ(ReadLink("QuickTime") + ReadLink("Voices"), std::string(UWebAddresses::kHomePage) + UWebAddresses::kHomePage)
        << "earlier tags stay";
    EXPECT_EQ(UWebAddresses::GetAddressByTag(""), UWebAddresses::kHomePage);
    EXPECT_EQ(UWebAddresses::GetAddressByTag(nullptr), UWebAddresses::kHomePage);

    ::WritePrivateProfileStringA("Link", "DirectX", "http://127.0.0.1:8/dx?get=1", links.Path().c_str());
    ::WritePrivateProfileStringA("Link", "DivX Codec", "not even an address", links.Path().c_str());
    ::WritePrivateProfileStringA("Link", "ASPI", "", links.Path().c_str());
    EXPECT_EQ(UWebAddresses::GetDxDownloadAddress(), "http://127.0.0.1:8/dx?get=1");
    EXPECT_EQ(UWebAddresses::GetDivxDownloadAddress(), "not even an address");
    EXPECT_EQ(UWebAddresses::GetAspiDownloadAddress(), UWebAddresses::kHomePage) << "an empty address is none";
    EXPECT_EQ(ReadLink("ASPI"), UWebAddresses::kHomePage);
}

TEST_F(WebAddressesTest, ApplicationPagesGoByShortName)
{
    ASSERT_TRUE(UDirectoryUtils::EstablishPath(links.Path().c_str()));
    ::WritePrivateProfileStringA("Link", "AudioRecorder", "http://127.0.0.1:8/recorder", links.Path().c_str());
    EXPECT_EQ(UWebAddresses::GetApplicationAddress(4), "http://127.0.0.1:8/recorder");

    EXPECT_EQ(UWebAddresses::GetProductAddress(), UWebAddresses::kHomePage)
        << "without an application identity there is no product";
    EXPECT_EQ(ReadLink("test_net"), "") << "and nothing is written";
    {
        StApplicationId recorder(4);
        EXPECT_EQ(UWebAddresses::GetProductAddress(), "http://127.0.0.1:8/recorder");
    }
    StApplicationId unnamed;
    EXPECT_EQ(UWebAddresses::GetProductAddress(), UWebAddresses::kHomePage);
    EXPECT_EQ(ReadLink("test_net"), UWebAddresses::kHomePage) << "the unnamed application is the program";
}

} // namespace
