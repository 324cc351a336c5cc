// The folder walk of the start-up lists: every file below a folder once, and a link back up
// to the parent is not followed.
#include <gtest/gtest.h>
#include <string.h>
#include <algorithm>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "folder_walk.h"

namespace {

// A directory junction at link pointing to target. Where the file system cannot take one
// (Wine keeps links as Unix symbolic links), the link is made as such a symbolic link, which
// Wine lists as a reparse point like a junction.
bool make_folder_link(const std::wstring& link, const std::wstring& target) {
    if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
    HANDLE folder = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder != INVALID_HANDLE_VALUE) {
        struct {
            DWORD tag;
            WORD length, reserved;
            WORD substitute_offset, substitute_length, print_offset, print_length;
            wchar_t path[MAX_PATH + 8];
        } mount = {};
        std::wstring nt_target = L"\\??\\" + target;
        WORD bytes = (WORD)(nt_target.size() * sizeof(wchar_t));
        mount.tag = IO_REPARSE_TAG_MOUNT_POINT;
        mount.substitute_length = bytes;
        mount.print_offset = (WORD)(bytes + sizeof(wchar_t));
        memcpy(mount.path, nt_target.c_str(), bytes);
        mount.length = (WORD)(8 + bytes + 2 * sizeof(wchar_t));
        DWORD returned = 0;
        BOOL made =
            DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, &mount, 8 + mount.length, nullptr, 0, &returned, nullptr);
        CloseHandle(folder);
        if (made) return true;
    }
    RemoveDirectoryW(link.c_str());
    config_test::run_unix_command(L"/bin/ln",
                                  L"-s " + config_test::unix_path(target) + L" " + config_test::unix_path(link));
    for (int wait = 0; wait < 100; ++wait, Sleep(50)) {
        DWORD attributes = GetFileAttributesW(link.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
    }
    return false;
}

int collect(const wchar_t* path, const wchar_t*, void* context) {
    static_cast<std::vector<std::wstring>*>(context)->push_back(path);
    return 0;
}

TEST(FolderWalk, ALinkToTheParentIsNotFollowedAndEveryFileIsFoundOnce) {
    std::wstring top = config_test::make_scratch_folder(L"walk");
    std::wstring inner = top + L"inner\\";
    CreateDirectoryW(inner.c_str(), nullptr);
    config_test::write_text(top + L"a.wav", "x");
    config_test::write_text(inner + L"b.wav", "x");
    std::wstring link = inner + L"up";
    ASSERT_TRUE(make_folder_link(link, top)) << "no folder link could be made";

    std::vector<std::wstring> found;
    EXPECT_EQ(0, walk_folder(top.substr(0, top.size() - 1).c_str(), collect, &found));
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<std::wstring>{top + L"a.wav", inner + L"b.wav"}), found);

    config_test::remove_tree(top);
    EXPECT_FALSE(config_test::file_exists(top));
}

}  // namespace
