#pragma once

#include "piped_key.h"

// The key on the first line of standard input, without its line end; empty
// where there is none. Read as the system hands text to a terminal program:
// in the locale on Linux; on Windows as the console holds it, or from a pipe
// or a file by the rule of piped_key.h.
Read_Key Key_From_Standard_Input(Key_Direction direction);
