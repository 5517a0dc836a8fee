// A mouse for the tests on a wlroots compositor (sway): it speaks the public
// virtual-pointer protocol (zwlr_virtual_pointer_manager_v1, version 1) and
// plays commands, one a line from standard input or all from the arguments:
//   move X Y     the pointer to (X, Y) in the compositor's logical pixels
//   down / up    the left button pressed / released
//   click X Y    move, down, up
//   sleep MS     waits
// Each command ends with a round trip, so the compositor has taken its events
// before the next one is sent.

#include <wayland-client.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

namespace {

// The protocol's two interfaces, written out from its public description
// (libwayland wants the argument types as a non-const array).
extern const wl_interface virtualPointerInterface;

const wl_interface* noTypes[5] = {};
const wl_interface* createTypes[] = {&wl_seat_interface, &virtualPointerInterface};

const wl_message managerRequests[] = {
    {"create_virtual_pointer", "?on", createTypes},
    {"destroy", "", noTypes},
};
const wl_interface managerInterface = {"zwlr_virtual_pointer_manager_v1", 1, 2, managerRequests, 0, nullptr};

const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes},   {"motion_absolute", "uuuuu", noTypes},
    {"button", "uuu", noTypes},   {"axis", "uuf", noTypes},
    {"frame", "", noTypes},       {"axis_source", "u", noTypes},
    {"axis_stop", "uu", noTypes}, {"axis_discrete", "uufi", noTypes},
    {"destroy", "", noTypes},
};
const wl_interface virtualPointerInterface = {"zwlr_virtual_pointer_v1", 1, 9, pointerRequests, 0, nullptr};

enum PointerRequest : std::uint32_t { MotionAbsolute = 1, Button = 2, Frame = 4, Destroy = 8 };
constexpr std::uint32_t kLeftButton = 0x110;   // BTN_LEFT

struct Globals {
    wl_proxy* manager = nullptr;
    wl_seat* seat = nullptr;
    wl_output* output = nullptr;
    // The output's size in logical pixels: its mode divided by its scale.
    int width = 0, height = 0, scale = 1;
};

void outputGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*, int32_t)
{}
void outputMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    auto* globals = static_cast<Globals*>(data);
    if (flags & WL_OUTPUT_MODE_CURRENT)
        globals->width = width, globals->height = height;
}
void outputDone(void*, wl_output*) {}
void outputScale(void* data, wl_output*, int32_t factor)
{
    static_cast<Globals*>(data)->scale = factor > 0 ? factor : 1;
}
const wl_output_listener outputListener = {outputGeometry, outputMode, outputDone,
                                           outputScale,    nullptr,    nullptr};   // version 2: no name, no description

void announce(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, managerInterface.name) == 0)
        globals->manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &managerInterface, 1));
    else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, wl_output_interface.name) == 0 && !globals->output) {
        globals->output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        wl_output_add_listener(globals->output, &outputListener, globals);
    }
}
void withdraw(void*, wl_registry*, uint32_t) {}
const wl_registry_listener registryListener = {announce, withdraw};

std::uint32_t nowMs()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}   // namespace

int main(int argc, char** argv)
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "velko-virtual-pointer: no Wayland display to connect to\n");
        return 2;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);   // the output's mode and scale
    if (!globals.manager || !globals.seat || globals.width <= 0) {
        std::fprintf(stderr, "velko-virtual-pointer: the compositor offers no virtual pointer, seat or output\n");
        return 2;
    }
    const std::uint32_t width = static_cast<std::uint32_t>(globals.width / globals.scale);
    const std::uint32_t height = static_cast<std::uint32_t>(globals.height / globals.scale);
    wl_proxy* pointer =
        wl_proxy_marshal_constructor(globals.manager, 0, &virtualPointerInterface, globals.seat, nullptr);

    const auto move = [&](long x, long y) {
        wl_proxy_marshal(pointer, MotionAbsolute, nowMs(), static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y),
                         width, height);
        wl_proxy_marshal(pointer, Frame);
    };
    const auto button = [&](bool down) {
        wl_proxy_marshal(
            pointer, Button, nowMs(), kLeftButton,
            static_cast<std::uint32_t>(down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED));
        wl_proxy_marshal(pointer, Frame);
    };

    // The commands: the arguments, else standard input.
    std::string script;
    for (int i = 1; i < argc; ++i)
        script += std::string(argv[i]) + (i + 1 < argc ? " " : "");
    std::istringstream arguments(script);
    std::istream& in = argc > 1 ? static_cast<std::istream&>(arguments) : std::cin;
    std::string command;
    int status = 0;
    while (status == 0 && in >> command) {
        long x = 0, y = 0;
        if ((command == "move" || command == "click") && !(in >> x >> y)) {
            std::fprintf(stderr, "velko-virtual-pointer: %s wants X Y\n", command.c_str());
            status = 1;
            break;
        }
        if (command == "move") {
            move(x, y);
        } else if (command == "click") {
            move(x, y);
            wl_display_roundtrip(display);
            button(true);
            wl_display_roundtrip(display);
            button(false);
        } else if (command == "down" || command == "up") {
            button(command == "down");
        } else if (command == "sleep" && in >> x) {
            std::this_thread::sleep_for(std::chrono::milliseconds(x));
        } else {
            std::fprintf(stderr, "velko-virtual-pointer: unknown command %s\n", command.c_str());
            status = 1;
        }
        if (wl_display_roundtrip(display) < 0)
            status = 3;
        std::fflush(stdout);
    }
    wl_proxy_marshal(pointer, Destroy);
    wl_proxy_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return status;
}
