// The User Support button: the bytes of mail_support.html after both passes over a known
// template with known settings and system information rows, the bound of the report area, the
// form's error boxes, and the page handed to the shell.
#include <windows.h>
#include <commctrl.h>
#include <string.h>
#include <string>
#include <vector>
#include "config_test_support.h"
#include "control_ids.h"
#include "dxdiag_info.h"
#include "engine_library.h"
#include "files.h"
#include "libraries.h"
#include "mail_form.h"
#include "main_window.h"
#include "message_box.h"
#include "package_catalogue.h"
#include "settings_window_fixture.h"
#include "system_info_list.h"
#include "support_report.h"
#include "system_metrics.h"

namespace {

struct Box {
    std::wstring text;
    std::wstring caption;
    UINT type;
};
std::vector<Box> boxes;
int WINAPI record_box(HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
    boxes.push_back({text, caption, type});
    return IDOK;
}

struct ShellOpen {
    HWND owner;
    std::wstring file;
    INT show;
    bool verb_or_more;  // a verb, parameters or a directory was given
};
std::vector<ShellOpen> opened;
HINSTANCE WINAPI record_open(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                             const wchar_t* directory, INT show) {
    opened.push_back({owner, file ? file : L"", show, verb || parameters || directory});
    return (HINSTANCE)42;
}

void WINAPI five_past_seven(SYSTEMTIME* time) {
    *time = SYSTEMTIME{};
    time->wYear = 2026;
    time->wMonth = 2;
    time->wDay = 1;
    time->wHour = 7;
    time->wMinute = 5;
}

std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 3 + 1, '\0');
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0], (int)out.size(), nullptr, nullptr);
    out.resize((size_t)n);
    return out;
}

const char FIRST[] = "<html><body><pre>\n";
const char SECOND[] = "<textarea name=\"report\">";
const char THIRD[] = "</textarea></body></html>\n";

std::string page_template() { return std::string(FIRST) + "</pre>" + SECOND + "{}" + THIRD; }

const char PC_LINES[] =
    "Memory : 2048MBytes ( 2,147,483,648Bytes ) \n"
    "Avail Memory : 5MBytes ( 5,242,880Bytes ) \n"
    "Virtual Memory : 2047MBytes ( 2,147,352,576Bytes ) \n"
    "Graphics : Wine Adapter\n"
    "Graphic Chip : Wine Chip\n"
    "VRAM : 1024 MB\n"
    "Graphic driver : wined3d.dll\n"
    "Number of Moniter : 1\n"
    "Main Screen Size : 1024 x 768 Pixel\n"
    "DirectDraw Accelerator : Use is possible\n"
    "Direct3D Accelerator : Use is possible\n"
    "3D Sound : Hardware\n"
    "Windows : Windows  [6.1.7601]\n"
    "DirectX : 9.0c [ 4.09.00.0904 ] \n";
const char ENGINE_LINES[] =
    "PCMaker : Quellbright\n"
    "PCModel : \n"
    "Anisotropy Rate : 2, 4, 8, 16\n"
    "Anti-alias : 2, 4\n"
    "Max Texture Size : 0 x 0 Pixel\n"
    "Texture Stage Count : 0\n"
    "Light Count : 0\n"
    "Stream Count : 0\n"
    "Zbuffer Stencil : 0 - 0 Bit\n"
    "Kitahama International Airport (Ver) : 102 ---install 2009/05/12---\n"
    "Minato Heliport (Ver) : --------\n";
const char SETTING_LINES[] =
    "Information bar is hidden automatically = Invalidity\n"
    "Camera Control bar is hidden automatically = Invalidity\n"
    "Camera smooth movement = Invalidity\n"
    "Cursor Mode = Hardware Cursor\n"
    "Aviation Radio = Japanese\n"
    "Constant Frame rate (for menu) = Invalidity\n"
    "Screen Mode = Full-Screen\n"
    "Display Resolution = 1024 x 768\n"
    "Scenery Quality = Low\n"
    "Model Quality = Middle\n"
    "Shadow Quality = Low\n"
    "Grand Service is omitted = Invalidity\n"
    "Same building and aircraft in the distance is omitted = Invalidity\n"
    "Scenery is set as minimum. = Invalidity\n"
    "Strobe light (night only) = Effective\n"
    "MipMap = Effective\n"
    "Anti-alias = 2x\n"
    "Video Anisotropy Rate = 8x\n"
    "3D Sound = Software\n";

std::string heading(const std::string& title) { return title + std::string(85 - title.size(), '-'); }

// One report copy as the page holds it.
std::string report_copy(const std::wstring& folder, const std::string& pc_lines) {
    return "\n" + heading("/----- Install Directory ") + "\n" + utf8(folder) + "\n\n" +
           heading("/----- PC Information ") + "\n" + pc_lines + "\n" + heading("/----- Environment ") + "\n" +
           SETTING_LINES + "\n    Tovimark Tower3 Configure Ver1.16" + "\n" + std::string(60, ' ') + "2026 2/1 7:5\n\n";
}

class SupportReport : public SettingsWindow {
protected:
    std::wstring program;  // the program folder with the template
    std::wstring user;     // the per-user folder the report goes to
    PackageRecord packages[2] = {};
    DxDiagInfo dxdiag = {};
    MonitorSlot monitors[MONITOR_SLOTS] = {};
    SystemInfoSources sources = {};

    SupportReport() { setup.engine = 1; }

    // The window with its system information rows filled from known probe results.
    void open_with_rows() {
        open();
        program = config_test::make_scratch_folder(L"support_program");
        user = config_test::make_scratch_folder(L"サポート");
        copy_text(program_folder, TEXT_CAPACITY, program.c_str());
        copy_text(user_data_folder, TEXT_CAPACITY, user.c_str());
        game_settings.anisotropy = 8;
        game_settings.anti_alias = 2;
        mipmap_value = 0;

        wcscpy(packages[0].display_name, L"北浜国際空港");
        wcscpy(packages[0].english_title, L"Kitahama International Airport");
        wcscpy(packages[0].short_tag, L"KTH");
        packages[0].version = 102;
        packages[0].install_date = 20090512;
        wcscpy(packages[1].display_name, L"Minato Heliport");
        wcscpy(packages[1].english_title, L"Minato Heliport");
        package_list = packages;
        package_count = 2;
        if (engine_info) wcscpy(engine_info->pc_maker, L"Quellbright");

        wcscpy(dxdiag.chip_type, L"Wine Chip");
        wcscpy(dxdiag.description, L"Wine Adapter");
        wcscpy(dxdiag.display_memory, L"  1024 MB");
        wcscpy(dxdiag.driver_name, L"wined3d.dll");
        wcscpy(dxdiag.dd_status, L"Enabled");
        wcscpy(dxdiag.d3d_status, L"Enabled");
        sources.registry_root = HKEY_LOCAL_MACHINE;
        sources.processor_key = L"SOFTWARE\\TovimarkTests\\NoProcessor";
        sources.display_class_key = L"SOFTWARE\\TovimarkTests\\NoClass";
        sources.total_memory = 2147483648ull;
        sources.available_memory = 5u << 20;
        sources.virtual_memory = 2147352576ull;
        sources.dxdiag = &dxdiag;
        sources.monitor_count = 1;
        sources.screen_width = 1024;
        sources.screen_height = 768;
        sources.monitors = monitors;
        sources.sound_kind = 1;
        sources.windows_version = L"Windows  [6.1.7601]";
        sources.directx_version = L"9.0c [ 4.09.00.0904 ] ";
        sources.engine_available = engine_available;
        sources.engine = engine_info;
        sources.packages = package_list;
        sources.package_count = package_count;
        fill_system_info_list_from(&sources);

        message_box_routine = record_box;
        shell_open_routine = record_open;
        local_time_routine = five_past_seven;
        boxes.clear();
        opened.clear();
    }

    void TearDown() override {
        close();
        package_list = nullptr;
        package_count = 0;
        user_data_folder[0] = 0;
        shell_open_routine = ShellExecuteW;
        local_time_routine = GetLocalTime;
        if (!program.empty()) config_test::remove_tree(program);
        if (!user.empty()) config_test::remove_tree(user);
    }

    void write_template(const std::string& text) {
        ASSERT_TRUE(config_test::write_text(program + L"support.html", text.c_str()));
    }
    std::string page() {
        std::vector<uint8_t> bytes = config_test::read_bytes(user + L"mail_support.html");
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(SupportReport, TwoPassesInsertTheReportBeforePreAndInPlaceOfBraces) {
    open_with_rows();
    write_template(page_template());
    select_tab(PAGE_SYSTEM_INFO);
    click(ID_USER_SUPPORT);

    std::string copy = report_copy(user, std::string(PC_LINES) + ENGINE_LINES);
    std::string expected = std::string(FIRST) + copy + "</pre>" + SECOND + copy + THIRD;
    expected.push_back('\0');
    EXPECT_EQ(expected, page());
    EXPECT_TRUE(boxes.empty());
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(main_window, opened[0].owner);
    EXPECT_EQ(user + L"mail_support.html", opened[0].file);
    EXPECT_EQ(SW_SHOWNORMAL, opened[0].show);
    EXPECT_FALSE(opened[0].verb_or_more);
}

TEST_F(SupportReport, EngineUnavailableEndsThePcInformationWithDirectX) {
    setup.engine = 0;
    open_with_rows();
    write_template(page_template());
    run_user_support();
    std::string copy = report_copy(user, PC_LINES);
    std::string expected = std::string(FIRST) + copy + "</pre>" + SECOND + copy + THIRD;
    expected.push_back('\0');
    EXPECT_EQ(expected, page());
}

TEST_F(SupportReport, SettingLinesFollowTheSettings) {
    struct Case {
        void (*change)(GameSettings*);
        const char* line;
    };
    const Case cases[] = {
        {[](GameSettings* s) { s->bar_flags = 0x1; }, "Information bar is hidden automatically = Effective\n"},
        {[](GameSettings* s) { s->bar_flags = 0x10; }, "Camera Control bar is hidden automatically = Effective\n"},
        {[](GameSettings* s) { s->bar_flags = 0x10; }, "Information bar is hidden automatically = Invalidity\n"},
        {[](GameSettings* s) { s->smooth_camera = 2; }, "Camera smooth movement = Effective\n"},
        {[](GameSettings* s) { s->cursor_mode = 2; }, "Cursor Mode = Software Cursor\n"},
        {[](GameSettings* s) { s->cursor_mode = 3; }, "Cursor Mode = General Cursor\n"},
        {[](GameSettings* s) { s->radio_language = 1; }, "Aviation Radio = English\n"},
        {[](GameSettings* s) { s->fixed_menu_frame_rate = 1; }, "Constant Frame rate (for menu) = Effective\n"},
        {[](GameSettings* s) { s->screen_mode = 2; }, "Screen Mode = Window\n"},
        {[](GameSettings* s) { s->screen_mode = 3; }, "Screen Mode = Pop-up\n"},
        {[](GameSettings* s) { s->screen_width = 1920, s->screen_height = 1080; },
         "Display Resolution = 1920 x 1080\n"},
        {[](GameSettings* s) { s->scenery_word = 0x30000; }, "Scenery Quality = SuperLow\nModel Quality = High\n"},
        {[](GameSettings* s) { s->scenery_word = 0x10002; }, "Scenery Quality = High\nModel Quality = Low\n"},
        {[](GameSettings* s) { s->shadow_quality = 2; }, "Shadow Quality = High\n"},
        {[](GameSettings* s) { s->omit_ground_service = 1; }, "Grand Service is omitted = Effective\n"},
        {[](GameSettings* s) { s->scenery_flags = 1; },
         "distance is omitted = Effective\nScenery is set as minimum. = Invalidity\n"},
        {[](GameSettings* s) { s->scenery_flags = 2; },
         "distance is omitted = Invalidity\nScenery is set as minimum. = Effective\n"},
        {[](GameSettings* s) { s->strobe_light = 1; }, "Strobe light (night only) = Invalidity\n"},
        {[](GameSettings*) { mipmap_value = 1; }, "MipMap = Invalidity\n"},
        {[](GameSettings* s) { s->anti_alias = 0, s->anisotropy = 16; },
         "Anti-alias = 0x\nVideo Anisotropy Rate = 16x\n"},
        {[](GameSettings* s) { s->sound_3d = 1; }, "3D Sound = Hardware\n"},
    };
    open_with_rows();
    write_template(page_template());
    const GameSettings start = game_settings;
    for (const Case& c : cases) {
        game_settings = start;
        mipmap_value = 0;
        c.change(&game_settings);
        run_user_support();
        EXPECT_NE(std::string::npos, page().find(c.line)) << c.line;
    }
}

TEST_F(SupportReport, JapaneseTextsAreWrittenInUtf8) {
    setup.language = 2;
    open_with_rows();
    write_template(page_template());
    run_user_support();
    std::string text = page();
    EXPECT_NE(std::string::npos, text.find(utf8(L"3D サウンド = ソフトウェア\n")));
    EXPECT_NE(std::string::npos, text.find(utf8(L"メモリー : 2048MBytes ( 2,147,483,648Bytes ) \n")));
    EXPECT_NE(std::string::npos, text.find(utf8(L"\n    トヴィマーク タワー3 コンフィグ Ver1.16\n")));
    // The folder's name holds katakana: three bytes each.
    EXPECT_NE(std::string::npos, text.find(utf8(user)));
    EXPECT_NE(std::string::npos, utf8(user).find("\xE3\x82\xB5\xE3\x83\x9D\xE3\x83\xBC\xE3\x83\x88"));
}

TEST_F(SupportReport, WithoutPerUserFolderTheReportGoesToTheProgramFolder) {
    open_with_rows();
    wchar_t found[TEXT_CAPACITY];
    if (get_user_data_folder(found)) GTEST_SKIP() << "this prefix has a per-user folder";
    user_data_folder[0] = 0;
    write_template(page_template());
    run_user_support();
    std::vector<uint8_t> bytes = config_test::read_bytes(program + L"mail_support.html");
    std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(0u, text.find(std::string(FIRST) + "\n" + heading("/----- Install Directory ") + "\n" + utf8(program) +
                            "\n\n"));
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(program + L"mail_support.html", opened[0].file);
}

TEST_F(SupportReport, AMissingMarkerGivesThatPassNoReportCopy) {
    open_with_rows();
    std::string copy = report_copy(user, std::string(PC_LINES) + ENGINE_LINES);
    write_template(std::string(FIRST) + "</pre>" + SECOND + THIRD);
    run_user_support();
    EXPECT_EQ(std::string(FIRST) + copy + "</pre>" + SECOND + THIRD + '\0', page());
    write_template(std::string(FIRST) + SECOND + "{}" + THIRD);
    run_user_support();
    EXPECT_EQ(std::string(FIRST) + SECOND + copy + THIRD + '\0', page());
}

// A second pass that would overflow the 8192-byte area keeps the whole form and cuts its report
// copy after a whole line; a form that fills the area alone gets no report at all.
TEST_F(SupportReport, PagesStayWithinTheReportArea) {
    open_with_rows();
    std::string copy = report_copy(user, std::string(PC_LINES) + ENGINE_LINES);
    std::string second(8191 - 2 * copy.size() + 500 - (sizeof FIRST - 1) - 6 - 2 - (sizeof THIRD - 1), 'x');
    write_template(std::string(FIRST) + "</pre>" + second + "{}" + THIRD);
    run_user_support();
    std::string text = page();
    ASSERT_LE(text.size(), 8192u);
    EXPECT_EQ('\0', text.back());
    text.pop_back();
    std::string head = std::string(FIRST) + copy + "</pre>" + second;
    ASSERT_EQ(0u, text.find(head));
    ASSERT_GE(text.size(), head.size() + sizeof THIRD - 1);
    EXPECT_EQ(std::string(THIRD), text.substr(text.size() - (sizeof THIRD - 1)));
    std::string cut = text.substr(head.size(), text.size() - head.size() - (sizeof THIRD - 1));
    EXPECT_LT(cut.size(), copy.size());
    EXPECT_GT(cut.size(), copy.size() - 600);
    EXPECT_EQ(0u, copy.find(cut));
    EXPECT_EQ('\n', cut.back());
    EXPECT_EQ(1u, opened.size());

    std::string full(8191 - 8, 'y');
    write_template("<pre>" + std::string("</pre>") + full.substr(0, 4000) + "{}" + full.substr(4000 + 5));
    ASSERT_EQ(8191u, config_test::read_bytes(program + L"support.html").size());
    run_user_support();
    EXPECT_EQ("<pre></pre>" + full.substr(0, 4000) + full.substr(4000 + 5) + '\0', page());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SupportReport, EachLoadErrorShowsItsBoxAndEndsTheOperation) {
    open_with_rows();
    const std::wstring template_path = program + L"support.html";
    const std::wstring page_path = user + L"mail_support.html";
    const std::wstring missing = L"メール送信フォーム[" + template_path + L"]が存在しません。";
    struct Case {
        const char* name;
        std::wstring text;
        int page_left;  // 1: the first pass's page is there (only the reload failed)
    };
    auto run_case = [&](const Case& c, HANDLE holder) {
        boxes.clear();
        opened.clear();
        run_user_support();
        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        ASSERT_EQ(1u, boxes.size()) << c.name;
        EXPECT_EQ(c.text, boxes[0].text) << c.name;
        EXPECT_EQ(L"Error", boxes[0].caption) << c.name;
        EXPECT_EQ((UINT)(MB_OK | MB_ICONERROR), boxes[0].type) << c.name;
        EXPECT_TRUE(opened.empty()) << c.name;
        EXPECT_EQ(c.page_left != 0, config_test::file_exists(page_path)) << c.name;
        DeleteFileW(page_path.c_str());
        DeleteFileW(template_path.c_str());
        RemoveDirectoryW(template_path.c_str());
    };

    run_case({"missing template", missing, 0}, INVALID_HANDLE_VALUE);
    write_template("");
    run_case({"empty template", missing, 0}, INVALID_HANDLE_VALUE);
    CreateDirectoryW(template_path.c_str(), nullptr);
    run_case({"a folder named support.html", missing, 0}, INVALID_HANDLE_VALUE);

    write_template(page_template());
    HANDLE exclusive = CreateFileW(template_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    run_case({"template held open by another program",
              L"メール送信フォーム[" + template_path + L"]がオープンできません。", 0},
             exclusive);

    write_template(page_template() + std::string(9000, ' '));
    run_case({"template too large for the report area",
              L"メモリー不足でメール送信フォームが読めません。\n[" + template_path + L"]", 0},
             INVALID_HANDLE_VALUE);

    // A read that fails after the file opened cannot be brought about on this platform (it does
    // not refuse reads of locked ranges); its box is the loader's fourth.
    boxes.clear();
    show_mail_form_error(FORM_READ_FAILED, template_path.c_str());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"メール送信フォームが読めません。[" + template_path + L"]", boxes[0].text);
    EXPECT_EQ(L"Error", boxes[0].caption);

    // The first pass cannot create its page: the reload finds no page.
    write_template(page_template());
    config_test::remove_tree(user);
    run_case({"page that could not be written", L"メール送信フォーム[" + page_path + L"]が存在しません。", 0},
             INVALID_HANDLE_VALUE);
}

}  // namespace

namespace {

std::wstring cell(HWND list, int row, int column) {
    wchar_t text[TEXT_CAPACITY] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = TEXT_CAPACITY;
    SendMessageW(list, LVM_GETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
    return text;
}

using SystemInfoList = SupportReport;

TEST_F(SystemInfoList, ListViewHoldsTheRowsInOrder) {
    open_with_rows();
    HWND list = system_info_list_view();
    ASSERT_NE(nullptr, list);
    // 3 memory rows, blank, 2 graphics, VRAM, driver, 2 screen rows, blank, 2 accelerators, blank,
    // 3D sound, blank, Windows, DirectX, blank, 2 engine texts, blank, 7 engine rows, blank, 2 packages.
    ASSERT_EQ(32, (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(L"Memory", cell(list, 0, 0));
    EXPECT_EQ(L"2048MBytes ( 2,147,483,648Bytes ) ", cell(list, 0, 1));
    EXPECT_EQ(L"", cell(list, 3, 0));
    EXPECT_EQ(L"", cell(list, 3, 1));
    EXPECT_EQ(L"北浜国際空港 （Ver）", cell(list, 30, 0));
    EXPECT_EQ(L"1.02 ---install 2009/05/12--- (KTH)", cell(list, 30, 1));
    EXPECT_EQ(L"--------", cell(list, 31, 1));
    EXPECT_EQ(30, system_info_rows_before_packages);
}

TEST_F(SystemInfoList, FilledFromTheRunningMachine) {
    setup.engine = 0;
    open();
    fill_system_info_list();
    HWND list = system_info_list_view();
    int rows = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    std::vector<std::wstring> labels;
    for (int row = 0; row < rows; ++row) labels.push_back(cell(list, row, 0));
    auto value_of = [&](const wchar_t* label) {
        for (int row = 0; row < rows; ++row)
            if (labels[row] == label) return cell(list, row, 1);
        return std::wstring(L"(no row)");
    };
    EXPECT_EQ(std::to_wstring(system_metrics.monitor_count), value_of(L"Number of Moniter"));
    EXPECT_EQ(0u, value_of(L"Windows").find(L"Windows "));
    EXPECT_NE(L"(no row)", value_of(L"Memory"));
    EXPECT_NE(L"(no row)", value_of(L"Graphic Chip"));
    EXPECT_EQ(L"", labels.back());  // no engine here: the list ends with the blank row after DirectX
    EXPECT_EQ(L"DirectX", labels[rows - 2]);
    EXPECT_EQ(rows, system_info_rows_before_packages);
}

}  // namespace
