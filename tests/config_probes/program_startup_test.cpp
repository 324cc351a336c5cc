// TOVICONFIG.exe /i in a scratch game folder with stand-ins swapped for variants: the boxes
// that binding, the 3D gate and the DirectX probe show, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config_test_support.h"
#include "probe_test_support.h"

namespace {

using probe_test::copy_built_file;

class ProgramStartup : public ::testing::Test {
protected:
    std::wstring folder;

    void SetUp() override {
        folder = config_test::make_scratch_folder(L"startup");
        config_test::write_text(folder + L"config.ini", "[SYSTEM]\r\nlanguage=0\r\n");
        for (const wchar_t* name : {L"TOVICONFIG.exe", L"tarvelo.dll", L"moxel20.dll"})
            ASSERT_TRUE(copy_built_file(name, folder, name)) << probe_test::narrow(name);
    }
    void TearDown() override { config_test::remove_tree(folder); }

    // The texts of the boxes that a run in install mode shows, each answered with OK.
    std::vector<std::string> run_install() {
        std::vector<driver::SeenBox> boxes;
        EXPECT_EQ(0, config_test::run_answering_boxes(folder + L"TOVICONFIG.exe", L"/i", folder, "", 60000, &boxes));
        std::vector<std::string> texts;
        for (const driver::SeenBox& box : boxes) {
            EXPECT_EQ("O", box.buttons) << box;
            texts.push_back(box.text);
        }
        return texts;
    }
};

TEST_F(ProgramStartup, OldDirectXShowsTheEngineErrorIfTheGateGotThatFarThenTheVersionBox) {
    ASSERT_TRUE(copy_built_file(L"variants\\dsetup_dx8\\DSETUP.dll", folder, L"DSETUP.dll"));
    ASSERT_TRUE(copy_built_file(L"RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    std::vector<std::string> texts = run_install();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ("DirectX version 8  TOVI need DirectX 9.", texts.back());
    if (texts.size() == 2) {
        EXPECT_EQ("3D Device error.(KVRN)", texts[0]);
    }
    EXPECT_LE(texts.size(), 2u);
}

TEST_F(ProgramStartup, MissingLibrariesShowSoundThenEngineErrorAndInstallStillSaves) {
    ASSERT_TRUE(copy_built_file(L"DSETUP.dll", folder, L"DSETUP.dll"));
    std::vector<std::string> texts = run_install();
    EXPECT_EQ((std::vector<std::string>{"Sound device error.(RUQ) ", "3D Device error.(KVRN)"}), texts);
    EXPECT_EQ(140u, config_test::read_bytes(folder + L"system.dat").size());
}

TEST_F(ProgramStartup, PartialSoundLibraryIsReportedByItsMask) {
    ASSERT_TRUE(copy_built_file(L"DSETUP.dll", folder, L"DSETUP.dll"));
    ASSERT_TRUE(copy_built_file(L"variants\\ruq6x_partial\\RUQ6X.DLL", folder, L"RUQ6X.DLL"));
    ASSERT_TRUE(copy_built_file(L"kvrn.dll", folder, L"KVRN.DLL"));
    EXPECT_EQ((std::vector<std::string>{"RUQ6X Entry Error!! ( 10100 )"}), run_install());
}

}  // namespace
