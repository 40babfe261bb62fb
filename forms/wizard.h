#pragma once

// Opens the display and runs the wizard until the program ends; returns the
// exit status. Where no display can be opened it says so in one line, and
// where the windows cannot start for another reason it says so and gives
// Qt's reason; either way it ends with status 1 instead of aborting.
int Run_Wizard(int& argc, char** argv);
