// SPDX-License-Identifier: GPL-3.0-or-later
// A mouse for tests under a wlroots compositor (sway) that has none: clicks the left button at a
// point of the output through the compositor's virtual-pointer protocol
// (zwlr_virtual_pointer_manager_v1), as a player's mouse would.
//   vpointer <x> <y> <output width> <output height>
// The point is in the output's layout coordinates. Exits 1 where the compositor does not offer the
// protocol or a seat.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <wayland-client.h>

namespace {

// The protocol's interfaces, as wayland-scanner would write them from
// wlr-virtual-pointer-unstable-v1.xml (version 1; the requests this program makes).
extern const wl_interface pointerInterface;
const wl_interface* noTypes[] = {nullptr, nullptr, nullptr, nullptr, nullptr};
const wl_interface* createTypes[] = {&wl_seat_interface, &pointerInterface};

const wl_message pointerRequests[] = {
    {"motion", "uff", noTypes},
    {"motion_absolute", "uuuuu", noTypes},
    {"button", "uuu", noTypes},
    {"axis", "uuf", noTypes},
    {"frame", "", noTypes},
    {"axis_source", "u", noTypes},
    {"axis_stop", "uu", noTypes},
    {"axis_discrete", "uufi", noTypes},
    {"destroy", "", noTypes},
};
const wl_interface pointerInterface
    = {"zwlr_virtual_pointer_v1", 1, 9, pointerRequests, 0, nullptr};
const wl_message managerRequests[] = {
    {"create_virtual_pointer", "?on", createTypes},
    {"destroy", "", noTypes},
};
const wl_interface managerInterface
    = {"zwlr_virtual_pointer_manager_v1", 1, 2, managerRequests, 0, nullptr};

enum PointerRequest : uint32_t { MotionAbsolute = 1, Button = 2, Frame = 4, Destroy = 8 };
constexpr uint32_t LeftButton = 0x110; // BTN_LEFT
constexpr uint32_t Released = 0;
constexpr uint32_t Pressed = 1;

struct Globals {
    wl_seat* seat = nullptr;
    wl_proxy* manager = nullptr;
};

void announced(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t)
{
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat
            = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, managerInterface.name) == 0)
        globals->manager
            = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &managerInterface, 1));
}

void removed(void*, wl_registry*, uint32_t)
{ }

const wl_registry_listener registryListener = {announced, removed};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: vpointer <x> <y> <output width> <output height>\n");
        return 2;
    }
    const auto number = [&](int index) { return static_cast<uint32_t>(std::atoi(argv[index])); };
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "vpointer: no Wayland display\n");
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.seat || !globals.manager) {
        std::fprintf(stderr, "vpointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    auto* pointer = wl_proxy_marshal_constructor(
        globals.manager, 0, &pointerInterface, globals.seat, nullptr);
    // The new pointer first reaches the seat; then it moves and clicks.
    wl_display_roundtrip(display);
    uint32_t time = 0;
    wl_proxy_marshal(pointer, MotionAbsolute, time, number(1), number(2), number(3), number(4));
    wl_proxy_marshal(pointer, Frame);
    wl_display_roundtrip(display);
    for (const uint32_t state : {Pressed, Released}) {
        time += 50;
        wl_proxy_marshal(pointer, Button, time, LeftButton, state);
        wl_proxy_marshal(pointer, Frame);
        wl_display_roundtrip(display);
    }
    wl_proxy_marshal(pointer, Destroy);
    wl_proxy_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
