// Ids of the settings window's controls. Test drivers reach the controls by these ids, so they
// never change.
#pragma once

enum ControlId {
    ID_TAB_CONTROL = 100,

    // Bottom buttons, children of the main window
    ID_SAVE = 1000,
    ID_CANCEL = 1001,
    ID_USER_SUPPORT = 1002,  // system information page only
    ID_RESET = 1003,         // every page but the system information page
    ID_DXDIAG = 1004,        // system information page only

    // Page 0, Game System
    ID_RADIO_ENGLISH = 2200,
    ID_RADIO_JAPANESE = 2201,  // only in the Japanese interface
    ID_SOFTWARE_CURSOR_CHECK = 2250,
    ID_INFO_BAR_HIDE = 2300,
    ID_CAMERA_BAR_HIDE = 2350,
    ID_SMOOTH_CAMERA = 2400,
    ID_SOFTWARE_CURSOR = 2500,
    ID_GENERAL_CURSOR = 2550,
    ID_BUTTON_TIPS = 2560,  // created hidden
    ID_MENU_FRAME_RATE = 2600,

    // Page 1, Display
    ID_RESOLUTION = 3000,
    ID_FULL_SCREEN = 3200,
    ID_WINDOW = 3201,
    ID_POPUP = 3202,

    // Page 2, Graphics
    ID_STROBE_LIGHT = 2450,
    ID_TEXTURE = 6000,
    ID_MODEL = 6001,
    ID_SHADOW = 6002,
    ID_ANISOTROPY = 6003,
    ID_ANTI_ALIAS = 6004,
    ID_OMIT_GROUND_SERVICE = 6005,
    ID_MIPMAP = 6006,
    ID_OMIT_DISTANT = 6007,
    ID_SCENERY_MINIMUM = 6008,
    ID_CUSTOMIZE = 6009,

    // Page 3, Sound: trackbar k is 4100 + k, its test button 4200 + k
    ID_SOUND_HARDWARE = 4000,
    ID_SOUND_SOFTWARE = 4001,
    ID_FIRST_TRACKBAR = 4100,
    ID_FIRST_TEST_BUTTON = 4200,

    // Page 4, system information
    ID_SYSTEM_INFO_LIST = 5000,
};

enum PageIndex {
    PAGE_GAME_SYSTEM = 0,
    PAGE_DISPLAY = 1,
    PAGE_GRAPHICS = 2,
    PAGE_SOUND = 3,
    PAGE_SYSTEM_INFO = 4,
    PAGE_COUNT = 5,
};
