#pragma once

#include <functional>

// The fixed pauses by which progress displays advance; tests make them zero.
namespace Pauses {

// Waits the given number of milliseconds, repainting but taking no user input.
void pause(int milliseconds);

using Handler = std::function<void(int milliseconds)>;
void setHandler(Handler handler);

} // namespace Pauses
