#pragma once

// Opens the display and runs the wizard until the program ends; returns the
// exit status. Where no display can be opened, says so in one line and
// returns instead of aborting.
int Run_Wizard(int& argc, char** argv);
