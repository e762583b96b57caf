#pragma once

namespace app {

// Tells the navigation how to build each screen of the program.
void registerScreens();

} // namespace app
