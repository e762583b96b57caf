#pragma once

namespace app {

// Tells the navigation how to build each screen of the program.
void registerScreens();

// The application as the program runs it: names, one look on every desktop, its own default
// font, no end but the quit button, and every screen ready to load. Tests and benchmarks call
// it too, so they measure what users get.
void configureApplication();

} // namespace app
