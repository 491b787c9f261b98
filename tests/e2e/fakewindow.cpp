// Shows one top-level X window with the given class and title until killed,
// as another program of the platform would: fakewindow CLASS TITLE
#include <csignal>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 10, 10, 120, 80, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    char wmClass[256] = {};
    const size_t instance = std::strlen("fakewindow") + 1;
    std::memcpy(wmClass, "fakewindow", instance);
    const size_t cls = std::strlen(argv[1]) + 1;
    if (instance + cls > sizeof wmClass)
        return 2;
    std::memcpy(wmClass + instance, argv[1], cls);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        uint32_t(instance + cls), wmClass);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        uint32_t(std::strlen(argv[2])), argv[2]);
    xcb_map_window(c, window);
    xcb_flush(c);
    write(1, "shown\n", 6);
    pause();
    return 0;
}
